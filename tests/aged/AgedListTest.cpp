// The list control in an aged session: a sort from the header, an edit, a
// check box and the editor's Enter reach the parent as in a young one, and the
// framework finds the list from either form of its handle.
#include "AgedHandles.h"
#include "ListTestSupport.h"

namespace {

class AgedList : public AgedTest
{
protected:
    CRecordingFrame frame;
    TestableListCtrl list;

    void SetUp() override
    {
        AgedTest::SetUp();
        ASSERT_TRUE(list.Create(&frame, 200, CRect(0, 0, 600, 300)));
        FillStock(list);
        ExpectAged(frame.m_hWnd, "the frame");
        ExpectAged(list.m_hWnd, "the list");
        ExpectAged(list.Header(), "the header");
        frame.log.Clear();
    }
    void Click(int nItem, int nColumn)
    {
        CPoint pt = CellPoint(list, nItem, nColumn);
        input::Click(list.m_hWnd, pt.x, pt.y);
    }
};

TEST_F(AgedList, FoundFromEitherFormOfItsHandle)
{
    EXPECT_EQ(CWnd::FromHandlePermanent(SignExtended(list.m_hWnd)), &list);
    EXPECT_EQ(CWnd::FromHandlePermanent(ZeroExtended(list.m_hWnd)), &list);
    EXPECT_EQ(CWnd::FromHandle(ZeroExtended(list.m_hWnd)), &list);
    // GetParent answers the zero-extended form under Wine: still the frame object.
    EXPECT_EQ(list.GetParent(), &frame);
    EXPECT_EQ(list.GetParentFrame(), &frame);
}

TEST_F(AgedList, SortEditAndCheckReachTheParent)
{
    list.SetSortable(TRUE);
    CRect rc;
    list.GetHeaderCtrl()->GetItemRect(1, &rc);
    input::Click(list.Header(), rc.CenterPoint().x, rc.CenterPoint().y);
    ASSERT_EQ(frame.log.Count(LISTMSG_SORTED), 1) << "the header click sorted nothing the parent heard of";
    EXPECT_EQ(frame.log.Of(LISTMSG_SORTED)[0].wParam, 1u);
    EXPECT_EQ(ListCellText(list, 0, 1), "0");

    // An edit opened by a click, committed by the next click elsewhere.
    list.SetEditable(TRUE);
    Click(2, 3);
    ASSERT_TRUE(list.EditorVisible());
    ExpectAged(list.Editor(), "the editor");
    ::SetWindowTextA(list.Editor(), "Compostable");
    Click(4, 1);
    EXPECT_EQ(ListCellText(list, 2, 3), "Compostable");
    // An edit committed by Enter, which reaches the editor through the message loop.
    ::SetWindowTextA(list.Editor(), "99");
    input::PressKey(list.Editor(), VK_RETURN);
    EXPECT_FALSE(list.EditorVisible());
    EXPECT_EQ(ListCellText(list, 4, 1), "99");
    const std::vector<RecordedMessage> edited = frame.log.Of(LISTMSG_CELLEDITED);
    ASSERT_EQ(edited.size(), 2u) << frame.log.Describe(LISTMSG_CELLEDITED);
    EXPECT_EQ(edited[0].wParam, 2u);
    EXPECT_EQ(edited[1].wParam, 4u);

    list.SetEditable(FALSE);
    list.SetCheckboxeStyle(CHECKSTYLE_MULTIPLE);
    frame.log.Clear();
    CPoint pt = CheckBoxPoint(list, 1);
    input::Click(list.m_hWnd, pt.x, pt.y);
    EXPECT_EQ(frame.log.Count(LISTMSG_CHECKCLICKED), 1);
    EXPECT_TRUE(list.ExamItemStates(1, ITEMSTATE_CHECKED));
}

}  // namespace
