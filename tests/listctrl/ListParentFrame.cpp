// The frame whose message map hands item notifications to the test.
#include "ListParentFrame.h"

BEGIN_MESSAGE_MAP(CListParentFrame, CFrameWnd)
    ON_NOTIFY_RANGE(LVN_ITEMCHANGING, 0, 0xFFFF, OnItemChanging)
    ON_NOTIFY_RANGE(LVN_ITEMCHANGED, 0, 0xFFFF, OnItemChanged)
    ON_NOTIFY_RANGE(LVN_DELETEITEM, 0, 0xFFFF, OnDeleteItem)
    ON_NOTIFY_RANGE(LVN_DELETEALLITEMS, 0, 0xFFFF, OnDeleteAllItems)
END_MESSAGE_MAP()

CListParentFrame::CListParentFrame()
{
    Create(nullptr, "List parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 500, 400));
}

CListParentFrame::~CListParentFrame()
{
    if (m_hWnd != nullptr)
        DestroyWindow();
}
