// The label map a derived toolbar shares with CToolBar: made once by the bar,
// filled by either, never a string added to the pool twice.
#include "BarsTestFrame.h"
#include <gtest/gtest.h>

namespace {
class CLabelBar : public CToolBar
{
public:
    using CToolBar::CreateStringMap;
    int nAdded = 0;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == TB_ADDSTRINGA)
            nAdded++;
        return CToolBar::DefWindowProc(message, wParam, lParam);
    }
};
}  // namespace

TEST(ToolBar, ADerivedBarsLabelsAndSetButtonTextShareOneMap)
{
    CBarsFrame frame;
    ASSERT_TRUE(frame.Make());
    CLabelBar bar;
    ASSERT_TRUE(bar.Create(&frame));
    ASSERT_TRUE(bar.LoadToolBar(IDR_TESTBAR));
    EXPECT_EQ(bar.m_pStringMap, nullptr) << "made on first use only";

    // A derived bar adds "Open" itself and records it in the bar's map...
    CMapStringToPtr* pMap = bar.CreateStringMap();
    ASSERT_NE(pMap, nullptr);
    EXPECT_EQ(bar.CreateStringMap(), pMap);
    char szOpen[] = "Open\0";
    INT_PTR nOpen = bar.DefWindowProc(TB_ADDSTRINGA, 0, (LPARAM)szOpen);
    ASSERT_NE(nOpen, -1);
    pMap->SetAt("Open", (void*)nOpen);
    // ...and SetButtonText finds it there instead of adding it again.
    ASSERT_TRUE(bar.SetButtonText(0, "Open"));
    ASSERT_TRUE(bar.SetButtonText(1, "Save"));
    EXPECT_EQ(bar.nAdded, 2);
    EXPECT_EQ(bar.GetButtonText(0), CString("Open"));
    TBBUTTON button = {};
    bar.SendMessage(TB_GETBUTTON, 0, (LPARAM)&button);
    EXPECT_EQ(button.iString, nOpen);
    EXPECT_EQ(bar.m_pStringMap, pMap);
    EXPECT_EQ(pMap->GetCount(), 2);
}
