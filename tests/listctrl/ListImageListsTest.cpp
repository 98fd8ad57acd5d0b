// The small image list and the header's image list: a caller's stays the
// caller's; one built from a bitmap of this program is the control's, released
// when it builds another, and never left in use once released.
#include "ListTestSupport.h"
#include "ListEditResources.h"

namespace {
const COLORREF kMask = RGB(255, 0, 255);

HIMAGELIST Small(QELListCtrl& list) { return (HIMAGELIST)list.SendMessage(LVM_GETIMAGELIST, LVSIL_SMALL); }
}

TEST_F(ListEditTest, ItemImagesFromABitmapOfTheApplication)
{
    EXPECT_EQ(list.GetImageList(), nullptr);
    EXPECT_EQ(list.SetImageList(IDB_LISTEDIT_FOUR, kMask), nullptr) << "there was none before";
    HIMAGELIST hFirst = Small(list);
    ASSERT_NE(hFirst, nullptr);
    ASSERT_NE(list.GetImageList(), nullptr);
    EXPECT_EQ(list.GetImageList()->GetSafeHandle(), hFirst);
    EXPECT_EQ(ImageList_GetImageCount(hFirst), 4);
    int cx = 0, cy = 0;
    ImageList_GetIconSize(hFirst, &cx, &cy);
    EXPECT_EQ(cx, 16);
    EXPECT_EQ(cy, 16);
    IMAGEINFO info = {};
    ASSERT_TRUE(ImageList_GetImageInfo(hFirst, 0, &info));
    EXPECT_NE(info.hbmMask, nullptr) << "the mask colour makes a mask";

    // A second build replaces the first: the one returned is none, because the
    // list held before was the control's own and is gone.
    EXPECT_EQ(list.SetImageList(IDB_LISTEDIT_THREE, kMask), nullptr);
    HIMAGELIST hSecond = Small(list);
    ASSERT_NE(hSecond, nullptr);
    EXPECT_NE(hSecond, hFirst);
    EXPECT_EQ(ImageList_GetImageCount(hSecond), 3);
    EXPECT_NE((HIMAGELIST)list.SendMessage(LVM_GETIMAGELIST, LVSIL_NORMAL), hFirst);
    EXPECT_NE((HIMAGELIST)list.SendMessage(LVM_GETIMAGELIST, LVSIL_STATE), hFirst);

    // A bitmap that is not there leaves no list at all.
    EXPECT_EQ(list.SetImageList(IDB_LISTEDIT_MISSING, kMask), nullptr);
    EXPECT_EQ(Small(list), nullptr);
    EXPECT_EQ(list.GetImageList(), nullptr);
}

TEST_F(ListEditTest, ACallersImageListStaysTheCallers)
{
    CImageList mine;
    ASSERT_TRUE(mine.Create(16, 16, ILC_COLOR24 | ILC_MASK, 2, 2));
    list.SetImageList(IDB_LISTEDIT_FOUR, kMask);
    HIMAGELIST hOwned = Small(list);
    // Handing in a list gives back the control's own, which it still holds.
    CImageList* pBefore = list.SetImageList(&mine);
    ASSERT_NE(pBefore, nullptr);
    EXPECT_EQ(pBefore->GetSafeHandle(), hOwned);
    EXPECT_EQ(ImageList_GetImageCount(hOwned), 4) << "still alive";
    EXPECT_EQ(list.GetImageList()->GetSafeHandle(), mine.GetSafeHandle());
    // A build from a bitmap afterwards gives the caller's list back untouched.
    pBefore = list.SetImageList(IDB_LISTEDIT_THREE, kMask);
    ASSERT_NE(pBefore, nullptr);
    EXPECT_EQ(pBefore->GetSafeHandle(), mine.GetSafeHandle());
    EXPECT_EQ(mine.GetImageCount(), 0);
    HIMAGELIST hBuilt = Small(list);
    EXPECT_NE(hBuilt, hOwned);
    EXPECT_EQ(list.SetImageList((CImageList*)nullptr)->GetSafeHandle(), hBuilt);
    EXPECT_EQ(list.GetImageList(), nullptr);
}

TEST_F(ListEditTest, HeaderImagesFromABitmapOfTheApplication)
{
    EXPECT_EQ(list.SetHeaderImageList(IDB_LISTEDIT_FOUR, kMask), nullptr);
    HIMAGELIST hFirst = (HIMAGELIST)::SendMessageA(list.Header(), HDM_GETIMAGELIST, 0, 0);
    ASSERT_NE(hFirst, nullptr);
    EXPECT_EQ(ImageList_GetImageCount(hFirst), 4);
    EXPECT_EQ(Small(list), nullptr) << "the item images are another list";
    // A second build releases the first.
    EXPECT_EQ(list.SetHeaderImageList(IDB_LISTEDIT_THREE, kMask), nullptr);
    HIMAGELIST hSecond = (HIMAGELIST)::SendMessageA(list.Header(), HDM_GETIMAGELIST, 0, 0);
    EXPECT_NE(hSecond, hFirst);
    EXPECT_EQ(ImageList_GetImageCount(hSecond), 3);
    // A caller's list in its place; the control's own comes back while it still holds it.
    CImageList mine;
    ASSERT_TRUE(mine.Create(16, 16, ILC_COLOR24, 1, 1));
    CImageList* pBefore = list.SetHeaderImageList(&mine);
    ASSERT_NE(pBefore, nullptr);
    EXPECT_EQ(pBefore->GetSafeHandle(), hSecond);
    EXPECT_EQ(list.SetHeaderImageList(IDB_LISTEDIT_MISSING, kMask)->GetSafeHandle(), mine.GetSafeHandle());
    EXPECT_EQ((HIMAGELIST)::SendMessageA(list.Header(), HDM_GETIMAGELIST, 0, 0), nullptr);
}

TEST_F(ListEditTest, AHeaderShowingTheSmallImagesFollowsTheirRebuild)
{
    list.SetImageList(IDB_LISTEDIT_FOUR, kMask);
    ASSERT_TRUE(list.SetHeaderImage(1, 2, TRUE));
    EXPECT_EQ((HIMAGELIST)::SendMessageA(list.Header(), HDM_GETIMAGELIST, 0, 0), Small(list));
    // Rebuilding the small images must not leave the header on a released list.
    list.SetImageList(IDB_LISTEDIT_THREE, kMask);
    EXPECT_EQ((HIMAGELIST)::SendMessageA(list.Header(), HDM_GETIMAGELIST, 0, 0), Small(list));
    EXPECT_NE(Small(list), nullptr);
    list.SetImageList(IDB_LISTEDIT_MISSING, kMask);
    EXPECT_EQ((HIMAGELIST)::SendMessageA(list.Header(), HDM_GETIMAGELIST, 0, 0), nullptr);
    ::RedrawWindow(list.Header(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

TEST(ListImageLists, OwnedListsGoWithTheWindowAndCallersListsStay)
{
    CRecordingFrame frame;
    CImageList mine;
    ASSERT_TRUE(mine.Create(16, 16, ILC_COLOR24, 1, 1));
    {
        TestableListCtrl list;
        ASSERT_TRUE(list.Create(&frame, 1, CRect(0, 0, 300, 200)));
        FillStock(list);
        list.SetImageList(IDB_LISTEDIT_FOUR, kMask);
        list.SetHeaderImageList(&mine);
        list.SetHeaderImage(0, 0, TRUE);
        list.SetImageList(IDB_LISTEDIT_THREE, kMask);
        list.DestroyWindow();
        // Without a window there is nothing to build for.
        EXPECT_EQ(list.SetImageList(IDB_LISTEDIT_FOUR, kMask), nullptr);
        EXPECT_EQ(list.GetImageList(), nullptr);
        EXPECT_EQ(list.SetHeaderImageList(&mine), nullptr);
    }
    EXPECT_EQ(mine.GetImageCount(), 0);
    EXPECT_TRUE(mine.Add(::LoadIcon(nullptr, IDI_APPLICATION)) >= 0) << "the caller's list is alive";
}
