// QELListCtrl: an extended report-view list control: typed cell texts, sorting
// by any column, colours per cell, item data as wide as a pointer, in-place
// editing, check boxes in four styles and rows that move.
//
// Styles. The control is always a visible child report view with both scroll
// bars and full-row selection: WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL |
// LVS_REPORT are always set and LVS_EDITLABELS and LVS_NOSCROLL never, and the
// extended style always has LVS_EX_FULLROWSELECT | LVS_EX_SUBITEMIMAGES. Change
// styles through ModifyStyle and SetExtendedStyle of this class, which keep
// that rule; the base class's would not.
//
// Items. Each item inserted through this class (or behind its back, through
// the base class or the list view's own messages) has a block of memory of the
// control's, which holds the caller's item data and the colours of its cells;
// the list view's item parameter is the block's address. Read and write the
// data through this class (GetItemData, SetItemData, GetItem, SetItem); a value
// written into the parameter through the base class becomes the item's data.
// Sorting, moving and swapping rows take the data and colours along.
#pragma once
#include "ZUZIVU70Defs.h"
#include "afxcmn.h"
#include "afxdisp.h"
#include <cstddef>
#include <type_traits>

// Messages sent to the parent window (SendMessage; the return value is ignored).
#define LISTMSG_CHECKCLICKED (WM_APP + 10000)  // wParam item, lParam the mouse message (WM_LBUTTONDOWN ...)
#define LISTMSG_SORTED       (WM_APP + 10001)  // wParam column, lParam ascending
#define LISTMSG_CELLEDITED   (WM_APP + 10002)  // wParam item, lParam column

// Item state flags: a state word read by GetItemStates holds exactly one flag of
// each pair; as a filter every flag given must hold; as a change each flag given
// is applied (the second of a pair last).
#define ITEMSTATE_ANY        0x01
#define ITEMSTATE_SELECTED   0x02
#define ITEMSTATE_UNSELECTED 0x04
#define ITEMSTATE_CHECKED    0x08
#define ITEMSTATE_UNCHECKED  0x10
#define ITEMSTATE_FOCUSED    0x20
#define ITEMSTATE_UNFOCUSED  0x40

// Check box styles.
#define CHECKSTYLE_NONE     0
#define CHECKSTYLE_MULTIPLE 1
#define CHECKSTYLE_SINGLE   2
#define CHECKSTYLE_READONLY 3

// Kinds of InvertItems.
#define INVERT_SELECTION 0
#define INVERT_CHECK     1

// One block per item: the caller's item data and the colours of its cells. The
// block keeps its address for the item's whole life; the colours live in an
// array of their own that follows the columns. A row whose cells all still have
// the colours they were inserted with has no array: crText and crBk are then
// the colours of every cell. Blocks are made and released by the control only.
struct QELListItemMemory
{
    DWORD_PTR dwData;   // the caller's item data, as wide as a pointer
    int nColumns;       // entries of each half of pColors, 0 without an array
    COLORREF* pColors;  // nColumns text colours, then nColumns background colours, or null
    COLORREF crText;    // every cell's text colour while pColors is null
    COLORREF crBk;      // every cell's background colour while pColors is null
};

class QEL_API QELListCtrl : public CListCtrl
{
    DECLARE_DYNAMIC(QELListCtrl)
public:
    QELListCtrl();
    ~QELListCtrl() override;
    QELListCtrl(const QELListCtrl&) = delete;
    QELListCtrl& operator=(const QELListCtrl&) = delete;

    // ----- window and styles ---------------------------------------------------------
    // A null rectangle fills the parent's client area; the style is adjusted to the rule above.
    virtual BOOL Create(CWnd* pParentWnd, UINT nID, const RECT* pRect = nullptr,
                        DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_REPORT |
                                        LVS_SHOWSELALWAYS);
    using CListCtrl::Create;
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    // Sets the whole extended list-view style plus the forced bits; returns the one before.
    DWORD SetExtendedStyle(DWORD dwNewStyle);
    void SetGridLines(BOOL bGridLines = TRUE);
    void ResizeToFitParent();
    const CHeaderCtrl* GetHeaderCtrl() const;
    int GetColumnCount() const;
    BOOL HasColumnHeader() const;

    // ----- cell colours, item data, cell images -------------------------------------------
    // Item or column -1 (or any index out of range) addresses every item or every column.
    // 0xFFFFFFFF means the system window-text (window) colour at the time of the call.
    void SetItemTextColor(int nItem, int nColumn, COLORREF color, BOOL bRedraw = TRUE);
    void SetItemBkColor(int nItem, int nColumn, COLORREF color, BOOL bRedraw = TRUE);
    // 0xFFFFFFFF for a cell that does not exist or an item without memory.
    COLORREF GetItemTextColor(int nItem, int nColumn) const;
    COLORREF GetItemBkColor(int nItem, int nColumn) const;
    BOOL SetItemImage(int nItem, int nColumn, int nImage);
    int GetItemImage(int nItem, int nColumn) const;
    // The item data is as wide as a pointer (the list view's item parameter is
    // the item's memory block): a pointer stored here comes back whole.
    DWORD_PTR GetItemData(int nItem) const;
    BOOL SetItemData(int nItem, DWORD_PTR dwData);
    BOOL SetItem(int nItem, int nSubItem, UINT nMask, LPCSTR lpszItem, int nImage, UINT nState, UINT nStateMask,
                 LPARAM lParam);
    BOOL SetItem(const LVITEMA* pItem);
    BOOL GetItem(LVITEMA* pItem) const;

    // Number of item memory blocks alive in the module (diagnostics and leak checks).
    static LONG PASCAL GetItemMemoryBlockCount();

    // ----- item states and check boxes ---------------------------------------------------
    DWORD GetItemStates(int nItem) const;
    BOOL SetItemStates(int nItem, DWORD dwStates);
    int SetAllItemStates(DWORD dwFilter, DWORD dwStates);
    BOOL ExamItemStates(int nItem, DWORD dwFilter) const;
    int GetItemCount(DWORD dwFilter = ITEMSTATE_ANY) const;
    int GetFirstItem(DWORD dwFilter, int nAfter = -1) const;
    int GetLastItem(DWORD dwFilter, int nBefore = -1) const;
    void InvertItems(int nType);
    // Spelled as applications already call it (a compatibility spelling: not SetCheckboxStyle).
    void SetCheckboxeStyle(int nStyle);
    int GetCheckboxStyle() const;
    BOOL SetCheck(int nItem, BOOL bCheck = TRUE);

    // ----- insertion, deletion, movement ---------------------------------------------------
    int InsertItem(int nItem, LPCSTR lpszItem);
    int InsertItem(int nItem, LPCSTR lpszItem, int nImage);
    int InsertItem(UINT nMask, int nItem, LPCSTR lpszItem, UINT nState, UINT nStateMask, int nImage, LPARAM lParam);
    int InsertItem(const LVITEMA* pItem);
    // Texts of column 0, 1, 2 ..., each an LPCSTR or a CString, as many as
    // wanted: the list ends by itself (or at a null pointer among the texts).
    // Texts beyond the last column are left out; columns beyond the last text
    // stay empty. Returns the new item's index, -1 when refused.
    template <typename... Texts>
    int InsertItemEx(int nItem, LPCSTR lpszText, const Texts&... texts)
    {
        // The exported form below, reached by its address: by name, each call
        // would come back to this template.
        int (QELListCtrl::*pfnInsert)(int, LPCSTR, ...) = &QELListCtrl::InsertItemEx;
        return (this->*pfnInsert)(nItem, lpszText, _ItemExText(texts)..., static_cast<LPCSTR>(nullptr));
    }
    // The exported form: LPCSTR texts only, ended by a null pointer. A call with
    // one text alone comes here (the template takes every longer list), and the
    // compiler asks for the null pointer (-Wformat).
    int InsertItemEx(int nItem, LPCSTR lpszText, ...) QEL_NULL_TERMINATED;
    BOOL DeleteItem(int nItem, BOOL bSelectNext = FALSE);
    int DeleteAllItems(DWORD dwFilter = ITEMSTATE_ANY);
    BOOL SwapItems(int nItem1, int nItem2);
    int MoveTo(int nItem, int nNewPosition);
    int MoveUp(int nItem, int nCount = 1);
    int MoveDown(int nItem, int nCount = 1);
    int MoveToTop(int nItem);
    int MoveToBottom(int nItem);

    // ----- edit end and sort order ----------------------------------------------------------
    BOOL EndEdit(BOOL bCommit = TRUE);
    int GetSortedColumn() const;
    BOOL IsSortAscending() const;

    // ----- sorting ---------------------------------------------------------------------------
    // Sorts the rows by the texts of one column, each text read as a hexadecimal
    // number, a real number (with an optional trailing %), a date, or else as text,
    // whichever both texts of a comparison pass first. Rows whose text in the column
    // is the sort separator stay where they are; the blocks between them are sorted
    // apart. Items take their texts, images, states, data and colours with them.
    // The parent then gets LISTMSG_SORTED. Nothing happens for a column out of
    // range or a list that is not sortable.
    void SortItems(int nColumn, BOOL bAscending = TRUE);
    // Sortable: the column headers are buttons (HDS_BUTTONS), so clicks sort.
    // FALSE for a list without column header.
    BOOL SetSortable(BOOL bSortable = TRUE);
    BOOL IsSortable() const;
    // Null for no separator rows; the text is copied.
    void SetSortSeparator(const char* lpszSeparator);
    const char* GetSortSeparator() const;
    // When on, the sorted column's header shows the platform's up or down mark,
    // following every sort and every reset of the order. Off by default.
    void SetSortMark(BOOL bSortMark = TRUE);
    BOOL GetSortMark() const;

    // ----- typed cell text -----------------------------------------------------------------------
    // Every form ends an edit in progress (committing it), forgets the sort order
    // and returns the list view's result (FALSE for a cell that does not exist).
    BOOL SetItemText(int nItem, int nSubItem, LPCTSTR lpszText);
    BOOL SetItemText(int nItem, int nSubItem, char ch);
    BOOL SetItemText(int nItem, int nSubItem, long nValue);
    BOOL SetItemText(int nItem, int nSubItem, int nValue);
    BOOL SetItemText(int nItem, int nSubItem, unsigned long nValue);
    BOOL SetItemText(int nItem, int nSubItem, unsigned int nValue);
    // nPrecision >= 0: exactly that many decimals (at most 1074); < 0: up to six,
    // without trailing zeros or point ("2.5", "100").
    BOOL SetItemText(int nItem, int nSubItem, double dValue, int nPrecision = -1);
    // A valid date in the user's locale (dwFlags: VAR_DATEVALUEONLY, VAR_TIMEVALUEONLY ...),
    // "Invalid DateTime" when the platform cannot convert it; an invalid or null date
    // gives the empty text.
    BOOL SetItemText(int nItem, int nSubItem, const COleDateTime& date, DWORD dwFlags = 0);
    // The VAR_ flags are plain ints: without this form SetItemText(i, c, date, VAR_DATEVALUEONLY)
    // would be ambiguous with the real-number form (a date converts to a double).
    BOOL SetItemText(int nItem, int nSubItem, const COleDateTime& date, int nFlags)
    {
        return SetItemText(nItem, nSubItem, date, static_cast<DWORD>(nFlags));
    }

    // ----- in-place editing ----------------------------------------------------------------------
    // An editable list opens an editor over a cell when it is clicked (or when the
    // current row is double-clicked); Enter keeps the text, Escape drops it, Tab
    // keeps it and moves to the next column (wrapping to column 0), the up and
    // down arrows keep it and move to the row above or below. A changed text is
    // written and the parent gets LISTMSG_CELLEDITED.
    void SetEditable(BOOL bEditable = TRUE);
    BOOL IsEditable() const;
    void SetFirstColumnEditable(BOOL bEditable = TRUE);
    // The editor object, never null while the control lives; its window exists
    // from the first StartEdit on (limit or filter its text through it).
    CEdit* GetEditControl() const;
    // FALSE for a cell that may not be edited or does not exist, or when the
    // editor window cannot be made.
    BOOL StartEdit(int nItem, int nColumn);
    // The keys of an edit in progress; outside an edit the space bar is swallowed,
    // so the keyboard never toggles check boxes.
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // ----- columns, header and image lists ---------------------------------------------------------
    // Each item's cell colours follow the columns inserted and deleted here.
    int InsertColumn(int nCol, const LVCOLUMNA* pColumn);
    // nWidth -1 leaves the width to the list view, nSubItem -1 the sub-item.
    int InsertColumn(int nCol, LPCSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1, int nSubItem = -1);
    BOOL DeleteColumn(int nCol);
    BOOL DeleteAllColumns();
    // Replaces every item and column by the columns of a definition such as
    // "Name,150;Size,80,2;Type": ';' between columns, ',' between heading, width
    // (default 100) and alignment (1 centred, 2 right, else left). TRUE when a
    // column was made.
    BOOL SetColumnHeader(const CString& strHeadings);
    // FALSE (empty) for a list without column header; null sets the empty text.
    BOOL SetHeaderText(int nColumn, LPCSTR lpszText);
    CString GetHeaderText(int nColumn) const;
    // Adds an image to the header item, left or right of its text. A side once
    // set to the right stays there. The header takes the small image list when it
    // has none of its own.
    BOOL SetHeaderImage(int nColumn, int nImage, BOOL bLeftSide = TRUE);
    // -1 when the header item cannot be read.
    int GetHeaderImage(int nColumn) const;
    // The small image list of items and cells. A caller's list stays the caller's;
    // a list built from a bitmap resource of the application (16-pixel images,
    // crMask transparent) is the control's own. Each returns the list used
    // before, or null when there was none or it was the control's own list,
    // released by the call.
    CImageList* SetImageList(CImageList* pImageList);
    CImageList* SetImageList(UINT nBitmapID, COLORREF crMask);
    CImageList* GetImageList() const;
    CImageList* SetHeaderImageList(CImageList* pImageList);
    CImageList* SetHeaderImageList(UINT nBitmapID, COLORREF crMask);

protected:
    // ----- framework overrides and handlers ---------------------------------------------------
    void PreSubclassWindow() override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();
    void OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult);
    // The item store follows the list view's notifications: a deletion gives the
    // item's block back, a parameter written from outside becomes the item's data.
    // Changes of the item parameter alone are bookkeeping: allowed, and not passed
    // on to the parent (which could veto them). Other notifications pass through.
    BOOL OnItemChanging(NMHDR* pNMHDR, LRESULT* pResult);
    BOOL OnItemChanged(NMHDR* pNMHDR, LRESULT* pResult);
    BOOL OnDeleteItemNotify(NMHDR* pNMHDR, LRESULT* pResult);
    BOOL OnDeleteAllItemsNotify(NMHDR* pNMHDR, LRESULT* pResult);
    // Insertions that bypass the class reach the list view without an item parameter.
    LRESULT OnInsertItemA(WPARAM wParam, LPARAM lParam);
    LRESULT OnInsertItemW(WPARAM wParam, LPARAM lParam);
    // Column insertions and deletions, whoever sends them: the column count is counted anew.
    LRESULT OnColumnSetChange(WPARAM wParam, LPARAM lParam);
    // A click on a column header: ascending first, reversed by each further click.
    void OnColumnclick(NMHDR* pNMHDR, LRESULT* pResult);

    // ----- internals -------------------------------------------------------------------------
    // The texts InsertItemEx's template passes on: a CString as its characters,
    // and NULL (an integer in C++) or nullptr as the end of the list.
    static LPCSTR _ItemExText(LPCSTR lpszText) { return lpszText; }
    static LPCSTR _ItemExText(const CString& strText) { return strText; }
    static LPCSTR _ItemExText(std::nullptr_t) { return nullptr; }
    template <typename Null, typename = std::enable_if_t<std::is_integral<Null>::value>>
    static LPCSTR _ItemExText(Null)
    {
        return nullptr;
    }

    // Ends the edit in progress (commit or discard) and, when bForgetOrder, then
    // forgets the sort order: the bookkeeping before a change of the list.
    // Returns what EndEdit returned.
    BOOL _BeginChange(BOOL bCommit, BOOL bForgetOrder);
    BOOL _IsValidIndex(int nItem) const;
    // The item's block, or null for an item without one (or an index out of range).
    QELListItemMemory* _GetItemMemory(int nItem) const;
    // The item parameter as the list view holds it (0 when the item cannot be read).
    LPARAM _GetItemParam(int nItem) const;
    // The caller's data an item parameter stands for: a block's data, or a value
    // written from outside as it is.
    DWORD_PTR _ItemDataOf(LPARAM param) const;
    // Gives an item in the list its block, the item parameter becoming its data.
    void _AllocItemMemory(int nItem);
    // A new block in the system colours of now, or null when out of memory.
    QELListItemMemory* _CreateItemMemory(DWORD_PTR dwData);
    void _FreeItemMemory(int nItem);
    // Frees the memory of every item (of items being moved, when their moves end).
    void _FreeAllItemMemory();
    void _UpdateColumn(int nColumn, BOOL bInserted);
    // Inserts through the list view and gives the new item its memory; -1 when refused.
    int _InsertItem(const LVITEMA& item);
    // The insertion itself, with the new item's block in its parameter.
    int _InsertWithMemory(const LVITEMA& item);
    void _SetItemColor(int nItem, int nColumn, COLORREF color, BOOL bText, BOOL bRedraw);
    BOOL _SetItemStatesNoVerify(int nItem, DWORD dwStates);
    void _EnsureSingleCheck(int nItem);
    BOOL _IsEditVisible() const;
    void _UnsetSortedColumn();
    // Records the column and direction the sort works by (what SortItems does
    // before it sorts), for _PartialSort, _QuickSortRecursive and _CompareItems.
    void _SetSortedColumn(int nColumn, BOOL bAscending);
    // The list view's header window (kept from the first look).
    HWND _GetHeaderWnd() const;
    // The style with the forced bits set and the forbidden ones cleared.
    static DWORD PASCAL _AdjustStyle(DWORD dwStyle);
    // Takes an image list we own back from the list view and its header.
    void _DetachOwnedImageList(HIMAGELIST hImageList);
    // Sorting: the first separator row after nAfter in nColumn (-1 for none); the
    // sort of rows nFirst ... nLast (FALSE for fewer than two rows or a bad range);
    // the sort of an array of item indices between two positions; the comparison of
    // two items' texts in the sorted column.
    int _FindSeparator(int nAfter, int nColumn) const;
    BOOL _PartialSort(int nFirst, int nLast);
    void _QuickSortRecursive(int* pIndices, int nLow, int nHigh);
    int _CompareItems(int nItem1, int nItem2) const;
    // Puts the rows in a new order: pSource[k] is the row that goes to nFirst + k.
    // FALSE, with the rows as they were, when memory ran out before a row moved.
    BOOL _ReorderRows(int nFirst, const int* pSource, int nCount);
    // Shows the sort mark where the sort order says, when the mark is on.
    void _UpdateSortMark();
    // In-place editing: the editor alignment a column's header asks for (0 left,
    // 1 centre, 2 right); the editor window made anew with an alignment; the
    // editor laid over the cell under edit; the mouse handling shared by the six
    // button handlers; the check box handling of a click that changed a mark.
    DWORD _GetHeaderTextFormat(int nColumn) const;
    BOOL _CreateEditor(DWORD dwAlign);
    void _PlaceEditor();
    void _MouseClkMonitor(UINT message, UINT nFlags, CPoint point, BOOL bMayStartEdit);
    BOOL _ItemCheckMonitor(int nItem, BOOL bWasChecked, BOOL bIsChecked, UINT message);
    // Splits at a separator, dropping empty pieces; the second byte of a
    // two-byte character is never taken for the separator.
    static void PASCAL _StringSplit(const CString& strSource, CStringArray& arrPieces, char chSeparator);
    // Builds an owned image list anew from a bitmap and gives it to the list view
    // (small images) or the header, releasing the one built before; returns the
    // list used before, null when it was the released one.
    CImageList* _RebuildOwnedImageList(CImageList& owned, UINT nBitmapID, COLORREF crMask, BOOL bHeader);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnMButtonDown(UINT nFlags, CPoint point);
    void OnMButtonDblClk(UINT nFlags, CPoint point);
    void OnRButtonDown(UINT nFlags, CPoint point);
    void OnRButtonDblClk(UINT nFlags, CPoint point);
    // Scrolling ends an edit first, as it does the list view's own label editing.
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    void OnHeaderItemChanged(UINT nId, NMHDR* pNMHDR, LRESULT* pResult);
    LRESULT OnPlaceEditor(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    // The working parts (the item store, the row writer, the cell editor, the
    // sort order, the owned image lists, the check box style ...), nobody's
    // business outside the class. They are built inside the object by its
    // constructor: they live exactly as long as it, need no allocation and are
    // never missing.
    struct Parts;
    static constexpr std::size_t kPartsSpace = 64 * sizeof(void*);  // checked where the parts are built
    alignas(8) unsigned char m_partsSpace[kPartsSpace];
    Parts* const m_pParts;
};
