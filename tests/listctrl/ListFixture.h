// A QELListCtrl in a recording frame, with a list view that can be made to
// refuse insertions, and rows of realistic data.
#pragma once
#include "RecordingParent.h"
#include "PixelReader.h"
#include "ListTestSupport.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

class TestList : public EditableTestList
{
public:
    // The item parameter exactly as the list view holds it.
    LPARAM RawParam(int nItem) { return ListRawParam(*this, nItem); }

    // The list view refuses this many of the next insertions.
    int nRefuseInserts = 0;
    // While set, the list view's own sort claims success and does nothing, so
    // the control puts the rows in order by rewriting them.
    bool bIgnorePlatformSort = false;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == LVM_INSERTITEMA && nRefuseInserts > 0) {
            --nRefuseInserts;
            return -1;
        }
        if (message == LVM_SORTITEMS && bIgnorePlatformSort)
            return TRUE;
        return QELListCtrl::WindowProc(message, wParam, lParam);
    }
};

class ListTest : public testing::Test
{
protected:
    static const UINT kListId = 100;
    CRecordingFrame frame;
    TestList list;

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
