// QELListCtrl: construction, window creation, the style rule, destruction.
#include "QELListCtrl.h"
#include "ListCtrlParts.h"
#include <new>

IMPLEMENT_DYNAMIC(QELListCtrl, CListCtrl)

namespace {
// Bits the window style must always have, and bits it must never have.
const DWORD kForcedStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | LVS_REPORT;  // 0x50300001
const DWORD kForbiddenStyle = 0x0002 | LVS_EDITLABELS | LVS_NOSCROLL;                     // 0x2202
// The list-view extended style bits the control always keeps.
const DWORD kForcedExStyle = LVS_EX_FULLROWSELECT | LVS_EX_SUBITEMIMAGES;  // 0x22
}

BEGIN_MESSAGE_MAP(QELListCtrl, CListCtrl)
    ON_NOTIFY_REFLECT(LVN_COLUMNCLICK, OnColumnclick)
    ON_WM_LBUTTONDOWN()
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_MBUTTONDOWN()
    ON_WM_MBUTTONDBLCLK()
    ON_WM_RBUTTONDOWN()
    ON_WM_RBUTTONDBLCLK()
    ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, OnCustomDraw)
    ON_WM_VSCROLL()
    ON_WM_HSCROLL()
    ON_WM_MOUSEWHEEL()
    ON_NOTIFY_RANGE(HDN_ITEMCHANGEDA, 0, 0xFFFF, OnHeaderItemChanged)
    ON_NOTIFY_RANGE(HDN_ITEMCHANGEDW, 0, 0xFFFF, OnHeaderItemChanged)
    ON_REGISTERED_MESSAGE(QELListCtrl::Parts::nPlaceEditorMsg, OnPlaceEditor)
    ON_NOTIFY_REFLECT_EX(LVN_ITEMCHANGING, OnItemChanging)
    ON_NOTIFY_REFLECT_EX(LVN_ITEMCHANGED, OnItemChanged)
    ON_NOTIFY_REFLECT_EX(LVN_DELETEITEM, OnDeleteItemNotify)
    ON_NOTIFY_REFLECT_EX(LVN_DELETEALLITEMS, OnDeleteAllItemsNotify)
    ON_MESSAGE(LVM_INSERTITEMA, OnInsertItemA)
    ON_MESSAGE(LVM_INSERTITEMW, OnInsertItemW)
    ON_MESSAGE(LVM_INSERTCOLUMNA, OnColumnSetChange)
    ON_MESSAGE(LVM_INSERTCOLUMNW, OnColumnSetChange)
    ON_MESSAGE(LVM_DELETECOLUMN, OnColumnSetChange)
END_MESSAGE_MAP()

// The parts are built in the object's own space: nothing to allocate, nothing to fail.
QELListCtrl::QELListCtrl() : m_partsSpace(), m_pParts(new (m_partsSpace) Parts(*this))
{
    static_assert(sizeof(Parts) <= sizeof(m_partsSpace), "the list's parts outgrew their space");
    static_assert(alignof(Parts) <= 8, "the list's parts need a stricter alignment than their space has");
}

QELListCtrl::~QELListCtrl()
{
    // The object may go before its window, which the framework leaves alive as a
    // plain list view: what we own is taken back from it first, so its items
    // keep no pointer into freed memory and nothing of ours is leaked.
    if (::IsWindow(m_hWnd) && CWnd::FromHandlePermanent(m_hWnd) == this) {
        _FreeAllItemMemory();
        _DetachOwnedImageList(m_pParts->imgList.GetSafeHandle());
        _DetachOwnedImageList(m_pParts->imgHeader.GetSafeHandle());
    }
    // Code of ours that waits for the parent (which deleted us) must not go on.
    ListLifeGuard::MarkAll(m_pParts->pGuards);
    m_pParts->imgList.DeleteImageList();
    m_pParts->imgHeader.DeleteImageList();
    // The store gives back whatever is left, the editor its window.
    m_pParts->~Parts();
}

DWORD PASCAL QELListCtrl::_AdjustStyle(DWORD dwStyle) { return (dwStyle & ~kForbiddenStyle) | kForcedStyle; }

BOOL QELListCtrl::Create(CWnd* pParentWnd, UINT nID, const RECT* pRect, DWORD dwStyle)
{
    if (pParentWnd == nullptr || pParentWnd->GetSafeHwnd() == nullptr)
        return FALSE;
    CRect rect;
    if (pRect != nullptr)
        rect = *pRect;
    else
        pParentWnd->GetClientRect(&rect);
    return CListCtrl::Create(_AdjustStyle(dwStyle), rect, pParentWnd, nID);
}

BOOL QELListCtrl::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style = _AdjustStyle(cs.style);
    return CListCtrl::PreCreateWindow(cs);
}

void QELListCtrl::PreSubclassWindow()
{
    DWORD dwStyle = static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_STYLE));
    ::SetWindowLongA(m_hWnd, GWL_STYLE, static_cast<LONG>(_AdjustStyle(dwStyle)));
    // A dialog template's extended styles are dropped: the control starts from the
    // forced bits alone.
    SetExtendedStyle(0);
    // Columns (and the header) may have changed while no object of ours watched the window.
    m_pParts->hColumnsOf = nullptr;
    m_pParts->hHeaderOf = nullptr;
    CListCtrl::PreSubclassWindow();
}

int QELListCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (static_cast<int>(Default()) == -1)
        return -1;
    SetExtendedStyle(CListCtrl::GetExtendedStyle());
    return 0;
}

void QELListCtrl::OnDestroy()
{
    _BeginChange(FALSE, FALSE);
    // Releases every item's memory while the items still exist to be read.
    DeleteAllItems(ITEMSTATE_ANY);
    // Blocks no item holds any more (their items deleted where no
    // notification reached us) go with the window too.
    m_pParts->store.ReleaseAll();
    m_pParts->editor.DestroyWindow();
    // The list view destroys the image lists it holds when it goes; the two we own
    // are taken back from it and its header first, so they are destroyed once.
    _DetachOwnedImageList(m_pParts->imgList.GetSafeHandle());
    _DetachOwnedImageList(m_pParts->imgHeader.GetSafeHandle());
    m_pParts->imgList.DeleteImageList();
    m_pParts->imgHeader.DeleteImageList();
    m_pParts->hColumnsOf = nullptr;
    m_pParts->hHeaderOf = nullptr;
    Default();
}

void QELListCtrl::_DetachOwnedImageList(HIMAGELIST hImageList)
{
    if (hImageList == nullptr || !::IsWindow(m_hWnd))
        return;
    for (int nType : { LVSIL_NORMAL, LVSIL_SMALL, LVSIL_STATE }) {
        if (reinterpret_cast<HIMAGELIST>(::SendMessageA(m_hWnd, LVM_GETIMAGELIST, nType, 0)) == hImageList)
            ::SendMessageA(m_hWnd, LVM_SETIMAGELIST, nType, 0);
    }
    HWND hHeader = _GetHeaderWnd();
    if (hHeader != nullptr &&
        reinterpret_cast<HIMAGELIST>(::SendMessageA(hHeader, HDM_GETIMAGELIST, 0, 0)) == hImageList)
        ::SendMessageA(hHeader, HDM_SETIMAGELIST, 0, 0);
}

DWORD QELListCtrl::SetExtendedStyle(DWORD dwNewStyle)
{
    if (!::IsWindow(m_hWnd))
        return 0;
    return static_cast<DWORD>(
        ::SendMessageA(m_hWnd, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, static_cast<LPARAM>(dwNewStyle | kForcedExStyle)));
}

void QELListCtrl::SetGridLines(BOOL bGridLines)
{
    DWORD dwExStyle = CListCtrl::GetExtendedStyle();
    if (bGridLines)
        dwExStyle |= LVS_EX_GRIDLINES;
    else
        dwExStyle &= ~static_cast<DWORD>(LVS_EX_GRIDLINES);
    SetExtendedStyle(dwExStyle);
}

BOOL QELListCtrl::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    // Without a window there is no style to change (the framework would say it changed one).
    if (!::IsWindow(m_hWnd))
        return FALSE;
    // The forbidden bits are always removed and the forced ones never.
    DWORD dwRealRemove = (dwRemove & ~kForcedStyle) | kForbiddenStyle | LVS_REPORT;
    DWORD dwRealAdd = (dwAdd & ~kForbiddenStyle) | kForcedStyle;
    return CListCtrl::ModifyStyle(dwRealRemove, dwRealAdd, nFlags);
}

BOOL QELListCtrl::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    // The forced bits belong to the list view's extended style, not to the
    // window's WS_EX_ bits (0x22 there would be WS_EX_NOPARENTNOTIFY |
    // WS_EX_TRANSPARENT): change the window's bits as asked, then make sure the
    // list view still has its own.
    if (!::IsWindow(m_hWnd))
        return FALSE;
    BOOL bResult = CListCtrl::ModifyStyleEx(dwRemove, dwAdd, nFlags);
    if (::IsWindow(m_hWnd)) {
        DWORD dwExStyle = CListCtrl::GetExtendedStyle();
        if ((dwExStyle & kForcedExStyle) != kForcedExStyle)
            SetExtendedStyle(dwExStyle);
    }
    return bResult;
}

void QELListCtrl::ResizeToFitParent()
{
    if (!::IsWindow(m_hWnd))
        return;
    CWnd* pParent = GetParent();
    if (pParent == nullptr)
        return;
    CRect rect;
    pParent->GetClientRect(&rect);
    MoveWindow(&rect, TRUE);
    Invalidate();
}

const CHeaderCtrl* QELListCtrl::GetHeaderCtrl() const { return CListCtrl::GetHeaderCtrl(); }

int QELListCtrl::GetColumnCount() const
{
    // Every cell written asks: the header is asked once per change of the columns.
    if (m_hWnd != nullptr && AfxIsSameHandle(m_pParts->hColumnsOf, m_hWnd))
        return m_pParts->nColumns;
    // Straight to the header, without a temporary object.
    HWND hHeader = _GetHeaderWnd();
    if (hHeader == nullptr)
        return 0;
    int nCount = static_cast<int>(::SendMessageA(hHeader, HDM_GETITEMCOUNT, 0, 0));
    if (nCount < 0)
        nCount = 0;
    m_pParts->hColumnsOf = m_hWnd;
    m_pParts->nColumns = nCount;
    return nCount;
}

LRESULT QELListCtrl::OnColumnSetChange(WPARAM, LPARAM)
{
    // Through this class, the base class or a plain message: the count is
    // forgotten before (the list view notifies while it changes) and after.
    m_pParts->hColumnsOf = nullptr;
    LRESULT lResult = Default();
    m_pParts->hColumnsOf = nullptr;
    return lResult;
}

BOOL QELListCtrl::HasColumnHeader() const { return (GetStyle() & LVS_NOCOLUMNHEADER) == 0; }
