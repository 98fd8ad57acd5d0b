// A QELListCtrl in a recording frame for the sorting and cell-text tests, with a
// list view whose own sort can be made to fail, and a plain reference of the
// sort the control must reproduce exactly.
#pragma once
#include "RecordingParent.h"
#include "UserInput.h"
#include "ListTestSupport.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

class SortList : public EditableTestList
{
public:
    // While set, the list view's own sort does nothing but claim success, as a
    // faulty platform sort would.
    bool bIgnorePlatformSort = false;
    // Added to every text length the list view reports, as Wine's reports more
    // than it copied into a buffer too small.
    LRESULT nOverstatedLength = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == LVM_SORTITEMS && bIgnorePlatformSort)
            return TRUE;
        if (message == LVM_GETITEMTEXTA && nOverstatedLength != 0)
            return QELListCtrl::WindowProc(message, wParam, lParam) + nOverstatedLength;
        return QELListCtrl::WindowProc(message, wParam, lParam);
    }
};

class SortTest : public testing::Test
{
protected:
    static const UINT kListId = 100;
    CRecordingFrame frame;
    SortList list;

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

    std::string Text(int nItem, int nColumn = 0) { return ListCellText(list, nItem, nColumn); }
    std::string Rows() { return ListRows(list); }
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

// The sort exactly as specified, written plainly and independently of the
// control: the C runtime's strtoul and strtod, the platform's date parser and
// multibyte comparison, the recursive partition-exchange sort, the separator
// blocks. Returns, for each row after the sort, the row it came from.
std::vector<int> ReferenceSortOrder(const std::vector<std::string>& texts, const char* pszSeparator, bool bAscending);
int ReferenceCompare(const std::string& text1, const std::string& text2);
