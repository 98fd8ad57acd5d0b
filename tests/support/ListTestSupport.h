// What the list tests share: TestableListCtrl, the one test subclass of
// QELListCtrl (every test that needs more of the control than its public
// operations goes through it), the rows read back as plain text, and the
// fixtures of the list's own tests (tests/listctrl/) that other programs reuse.
#pragma once
#include "RecordingParent.h"
#include "UserInput.h"
#include "WindowQueries.h"
#include "ZUZIVU70.h"
#include <gtest/gtest.h>
#include <functional>
#include <string>
#include <utility>
#include <vector>

// A QELListCtrl opened to the tests: the protected operations they call, a
// list view that can be made to refuse or fake what the platform does, and
// shortcuts to edits and sort orders through public operations only, so tests
// of the edit-end and sort paths survive changes of the control's insides.
class TestableListCtrl : public QELListCtrl
{
public:
    using QELListCtrl::_StringSplit;

    // Opens the editor over a cell as a user would and types a text into it;
    // FALSE when the cell cannot be edited (it does not exist, say).
    BOOL FakeEdit(int nRow, int nColumn, LPCSTR lpszText)
    {
        SetEditable(TRUE);
        if (!StartEdit(nRow, nColumn))
            return FALSE;
        GetEditControl()->SetWindowText(lpszText);
        return TRUE;
    }
    // Whether an edit is in progress, asked without changing anything: outside an
    // edit the control swallows the space bar, inside one it lets it through.
    BOOL IsEditing()
    {
        MSG msg = { m_hWnd, WM_KEYDOWN, VK_SPACE, 0 };
        return !PreTranslateMessage(&msg);
    }
    HWND Editor() const { return GetEditControl() != nullptr ? GetEditControl()->GetSafeHwnd() : nullptr; }
    bool EditorVisible() const { return Editor() != nullptr && ::IsWindowVisible(Editor()); }
    std::string EditorText() const
    {
        char text[512] = "";
        if (Editor() != nullptr)
            ::GetWindowTextA(Editor(), text, sizeof(text));
        return text;
    }
    // The editor window's rectangle in the list's client coordinates.
    CRect EditorRect() const
    {
        CRect rc;
        ::GetWindowRect(Editor(), &rc);
        ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(&rc), 2);
        return rc;
    }
    // The cell the shown editor stands on, found as a click on it would be; -1 without an edit.
    int EditRow() const { return EditCell().first; }
    int EditColumn() const { return EditCell().second; }
    std::pair<int, int> EditCell() const
    {
        if (!EditorVisible())
            return { -1, -1 };
        const CRect rc = EditorRect();
        LVHITTESTINFO hit = {};
        hit.pt = CPoint(rc.left + 2, rc.CenterPoint().y);
        ::SendMessageA(m_hWnd, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit));
        return { hit.iItem, hit.iSubItem };
    }
    HWND Header() const { return reinterpret_cast<HWND>(::SendMessageA(m_hWnd, LVM_GETHEADER, 0, 0)); }

    // Puts a sort order in force without moving a row: the column is sorted
    // while its cells hold texts already in that order, and its own texts are
    // then written back through the base class, which leaves the order alone.
    void SetSortOrder(int nColumn, BOOL bAscending)
    {
        SetSortable(TRUE);
        const int nCount = CListCtrl::GetItemCount();
        std::vector<CString> texts;
        for (int i = 0; i < nCount; ++i) {
            texts.push_back(CListCtrl::GetItemText(i, nColumn));
            char rank[16];
            wsprintfA(rank, "%06d", bAscending ? i : nCount - i);
            CListCtrl::SetItemText(i, nColumn, rank);
        }
        SortItems(nColumn, bAscending);
        for (int i = 0; i < nCount; ++i)
            CListCtrl::SetItemText(i, nColumn, texts[(size_t)i]);
    }

    // The item parameter exactly as the list view holds it (the item's block).
    LPARAM RawParam(int nItem) { return (LPARAM)CListCtrl::GetItemData(nItem); }

    // The list view refuses this many of the next insertions.
    int nRefuseInserts = 0;
    // While set, the list view's own sort does nothing but claim success, as a
    // faulty platform sort would: the control puts the rows in order by
    // rewriting them.
    bool bIgnorePlatformSort = false;
    // Added to every text length the list view reports, as Wine's reports more
    // than it copied into a buffer too small.
    LRESULT nOverstatedLength = 0;
    // The list view's default handling of a message, made visible to the tests
    // (a list view that toggles a box on some other button, say).
    std::function<void(UINT)> beforeDefault;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == LVM_INSERTITEMA && nRefuseInserts > 0) {
            --nRefuseInserts;
            return -1;
        }
        if (message == LVM_SORTITEMS && bIgnorePlatformSort)
            return TRUE;
        if (message == LVM_GETITEMTEXTA && nOverstatedLength != 0)
            return QELListCtrl::WindowProc(message, wParam, lParam) + nOverstatedLength;
        return QELListCtrl::WindowProc(message, wParam, lParam);
    }
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (beforeDefault)
            beforeDefault(message);
        return QELListCtrl::DefWindowProc(message, wParam, lParam);
    }
};

// The item parameter exactly as the list view holds it (the item's block).
inline LPARAM ListRawParam(CListCtrl& list, int nItem) { return (LPARAM)list.CListCtrl::GetItemData(nItem); }

// The text of one cell, as the list view holds it.
inline std::string ListCellText(CListCtrl& list, int nItem, int nColumn = 0)
{
    return std::string(list.CListCtrl::GetItemText(nItem, nColumn));
}

// Column 0 of every row, joined by '|'.
inline std::string ListRows(CListCtrl& list)
{
    std::string s;
    for (int i = 0; i < list.CListCtrl::GetItemCount(); ++i)
        s += (i ? "|" : "") + ListCellText(list, i);
    return s;
}

// While it lives, no edit window can be made on this thread.
class RefuseEditWindows
{
public:
    RefuseEditWindows() { s_hHook = ::SetWindowsHookExA(WH_CBT, Refuse, nullptr, ::GetCurrentThreadId()); }
    ~RefuseEditWindows()
    {
        ::UnhookWindowsHookEx(s_hHook);
        s_hHook = nullptr;
    }
    RefuseEditWindows(const RefuseEditWindows&) = delete;
    RefuseEditWindows& operator=(const RefuseEditWindows&) = delete;

private:
    static LRESULT CALLBACK Refuse(int nCode, WPARAM wParam, LPARAM lParam)
    {
        if (nCode == HCBT_CREATEWND) {
            if (lstrcmpiA(ClassOf((HWND)wParam).c_str(), "Edit") == 0)
                return 1;
        }
        return ::CallNextHookEx(s_hHook, nCode, wParam, lParam);
    }
    static inline HHOOK s_hHook = nullptr;
};

// The four columns: Product (left), Qty (right), Status (centred), Notes (left).
struct StockRow
{
    const char* product;
    const char* qty;
    const char* status;
    const char* notes;
};

const StockRow kStock[] = {
    { "Espresso beans 1kg", "12", "In stock", "Arabica, medium roast" },
    { "Milk frother", "3", "Low", "Model MF-200" },
    { "Paper cups 250ml", "500", "In stock", "Recyclable" },
    { "Descaler", "0", "Ordered", "Arrives Friday" },
    { "Oat milk 1l", "24", "In stock", "Barista edition" },
};
const int kStockRows = 5;

// Sets up the columns and rows of a list that has a window.
inline void FillStock(QELListCtrl& list)
{
    list.InsertColumn(0, "Product", LVCFMT_LEFT, 150);
    list.InsertColumn(1, "Qty", LVCFMT_RIGHT, 70);
    list.InsertColumn(2, "Status", LVCFMT_CENTER, 100);
    list.InsertColumn(3, "Notes", LVCFMT_LEFT, 170);
    for (int i = 0; i < kStockRows; ++i)
        list.InsertItemEx(i, kStock[i].product, kStock[i].qty, kStock[i].status, kStock[i].notes);
}

// The middle of a cell's text area, where a user clicks to edit it.
inline CPoint CellPoint(QELListCtrl& list, int nItem, int nColumn)
{
    CRect rc;
    list.CListCtrl::GetSubItemRect(nItem, nColumn, LVIR_LABEL, rc);
    return rc.CenterPoint();
}

// A point on the item's check box, found as the list view's hit test finds it.
inline CPoint CheckBoxPoint(QELListCtrl& list, int nItem)
{
    CRect rc;
    list.CListCtrl::GetItemRect(nItem, &rc, LVIR_BOUNDS);
    const int y = rc.CenterPoint().y;
    for (int x = rc.left; x < rc.left + 40; ++x) {
        LVHITTESTINFO hit = {};
        hit.pt = CPoint(x, y);
        if (list.SendMessage(LVM_HITTEST, 0, (LPARAM)&hit) == nItem && (hit.flags & LVHT_ONITEMSTATEICON))
            return CPoint(x + 3, y);
    }
    ADD_FAILURE() << "no check box found on item " << nItem;
    return CPoint(rc.left + 8, y);
}

// A TestableListCtrl in a recording frame, and its rows read back.
class ListFixture : public testing::Test
{
protected:
    CRecordingFrame frame;
    TestableListCtrl list;

    std::string Text(int nItem, int nColumn = 0) { return ListCellText(list, nItem, nColumn); }
    std::string Rows() { return ListRows(list); }
    // Indexes of the items that match a filter.
    std::vector<int> Matching(DWORD dwFilter)
    {
        std::vector<int> v;
        for (int i = 0; i < list.CListCtrl::GetItemCount(); ++i)
            if (list.ExamItemStates(i, dwFilter))
                v.push_back(i);
        return v;
    }
};

// Four columns of customers and rows of realistic data.
class ListTest : public ListFixture
{
protected:
    static const UINT kListId = 100;

    void SetUp() override
    {
        ASSERT_TRUE(list.Create(&frame, kListId, CRect(0, 0, 600, 400)));
        const char* names[] = { "Customer", "City", "Orders", "Balance" };
        for (int c = 0; c < 4; ++c)
            list.CListCtrl::InsertColumn(c, names[c], LVCFMT_LEFT, 120);
    }

    // Rows "Customer i" | "City i" | "i" | "i.50", with item data 1000 + i.
    void Fill(int nRows)
    {
        for (int i = 0; i < nRows; ++i) {
            std::string a = "Customer " + std::to_string(i), b = "City " + std::to_string(i), c = std::to_string(i),
                        d = std::to_string(i) + ".50";
            ASSERT_EQ(list.InsertItemEx(i, a.c_str(), b.c_str(), c.c_str(), d.c_str()), i);
            list.SetItemData(i, 1000 + i);
        }
    }
};

// The stock rows, for the editing tests.
class ListEditTest : public ListFixture
{
protected:
    static const UINT kListId = 200;

    void SetUp() override
    {
        ASSERT_TRUE(list.Create(&frame, kListId, CRect(0, 0, 600, 300)));
        FillStock(list);
        frame.log.Clear();
    }

    // Every LISTMSG_CELLEDITED or LISTMSG_CHECKCLICKED as "item,lParam" pairs.
    std::vector<std::pair<int, int>> Sent(UINT message)
    {
        std::vector<std::pair<int, int>> v;
        for (const RecordedMessage& m : frame.log.Of(message))
            v.push_back({ (int)m.wParam, (int)m.lParam });
        return v;
    }
    std::vector<int> Checked() { return Matching(ITEMSTATE_CHECKED); }
    std::vector<int> Selected() { return Matching(ITEMSTATE_SELECTED); }

    // Types into the editor as the user would replace its selected text.
    void Type(const char* text) { ::SetWindowTextA(list.Editor(), text); }
};

using Pairs = std::vector<std::pair<int, int>>;

// A value column and a tag column, for the sorting and cell-text tests.
class SortTest : public ListFixture
{
protected:
    static const UINT kListId = 100;

    void SetUp() override
    {
        ASSERT_TRUE(list.Create(&frame, kListId, CRect(0, 0, 600, 400)));
        list.CListCtrl::InsertColumn(0, "Value", LVCFMT_LEFT, 160);
        list.CListCtrl::InsertColumn(1, "Tag", LVCFMT_LEFT, 80);
        frame.log.Clear();
    }
    // Rows with these texts in column 0, "#i" in column 1 and item data i.
    // bRaw rows enter behind the class's back (no item memory).
    void Load(const std::vector<std::string>& texts, const std::vector<bool>& raw = {})
    {
        // Rows go in about fifty times faster while the list does not paint.
        list.SetRedraw(FALSE);
        for (size_t i = 0; i < texts.size(); ++i) {
            int n = (int)i;
            std::string tag = "#" + std::to_string(i);
            if (i < raw.size() && raw[i]) {
                ASSERT_EQ(n, list.CListCtrl::InsertItem(n, texts[i].c_str()));
            } else {
                ASSERT_EQ(n, list.InsertItem(n, texts[i].c_str()));
                list.SetItemData(n, (DWORD)i);
            }
            list.CListCtrl::SetItemText(n, 1, tag.c_str());
        }
        list.SetRedraw(TRUE);
        frame.log.Clear();
    }

    // Where each row came from: the numbers of the "#i" tags.
    std::vector<int> Origins()
    {
        std::vector<int> v;
        for (int i = 0; i < list.CListCtrl::GetItemCount(); ++i)
            v.push_back(std::stoi(Text(i, 1).substr(1)));
        return v;
    }
    std::string Sorted(const std::vector<std::string>& texts, BOOL bAscending = TRUE)
    {
        list.CListCtrl::DeleteAllItems();
        Load(texts);
        list.SortItems(0, bAscending);
        return Rows();
    }
    void ClickHeader(int nColumn)
    {
        HWND hHeader = list.GetHeaderCtrl()->GetSafeHwnd();
        RECT rc = {};
        ::SendMessageA(hHeader, HDM_GETITEMRECT, nColumn, (LPARAM)&rc);
        input::Click(hHeader, (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    }
    int HeaderFormat(int nColumn)
    {
        HDITEMA item = {};
        item.mask = HDI_FORMAT;
        ::SendMessageA(list.GetHeaderCtrl()->GetSafeHwnd(), HDM_GETITEMA, nColumn, (LPARAM)&item);
        return item.fmt;
    }
};
