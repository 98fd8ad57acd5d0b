// A QELListCtrl of stock rows in a recording frame, read through its public
// operations and its windows, and the geometry a user's click needs.
#pragma once
#include "ListTestSupport.h"
#include "RecordingParent.h"
#include "UserInput.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

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
            char className[32] = "";
            ::GetClassNameA((HWND)wParam, className, sizeof(className));
            if (lstrcmpiA(className, "Edit") == 0)
                return 1;
        }
        return ::CallNextHookEx(s_hHook, nCode, wParam, lParam);
    }
    static inline HHOOK s_hHook = nullptr;
};

class EditList : public EditableTestList
{
public:
    bool EditorShown() const { return Editor() != nullptr && ::IsWindowVisible(Editor()); }
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
    HWND Header() const { return reinterpret_cast<HWND>(::SendMessageA(m_hWnd, LVM_GETHEADER, 0, 0)); }

    // The list view's default handling of a message, made visible to the tests
    // (a list view that toggles a box on some other button, say).
    std::function<void(UINT)> beforeDefault;

protected:
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (beforeDefault)
            beforeDefault(message);
        return QELListCtrl::DefWindowProc(message, wParam, lParam);
    }
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

class ListEditTest : public testing::Test
{
protected:
    static const UINT kListId = 200;
    CRecordingFrame frame;
    EditList list;

    void SetUp() override
    {
        ASSERT_TRUE(list.Create(&frame, kListId, CRect(0, 0, 600, 300)));
        FillStock(list);
        frame.log.Clear();
    }

    std::string Text(int nItem, int nColumn) { return ListCellText(list, nItem, nColumn); }

    // Every LISTMSG_CELLEDITED or LISTMSG_CHECKCLICKED as "item,lParam" pairs.
    std::vector<std::pair<int, int>> Sent(UINT message)
    {
        std::vector<std::pair<int, int>> v;
        for (const RecordedMessage& m : frame.log.Of(message))
            v.push_back({ (int)m.wParam, (int)m.lParam });
        return v;
    }

    // Indexes of the items that match a filter.
    std::vector<int> Matching(DWORD dwFilter)
    {
        std::vector<int> v;
        for (int i = 0; i < list.CListCtrl::GetItemCount(); ++i)
            if (list.ExamItemStates(i, dwFilter))
                v.push_back(i);
        return v;
    }
    std::vector<int> Checked() { return Matching(ITEMSTATE_CHECKED); }
    std::vector<int> Selected() { return Matching(ITEMSTATE_SELECTED); }

    // Types into the editor as the user would replace its selected text.
    void Type(const char* text) { ::SetWindowTextA(list.Editor(), text); }
};

using Pairs = std::vector<std::pair<int, int>>;
