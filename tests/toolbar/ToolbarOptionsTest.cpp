// Text and icon options on a real toolbar control: labels from the command
// strings, the string pool used once per label, list style for selective
// text, the image well stretched and mapped to the system colours pixel by
// pixel, and a change of system colours.
#include "ToolbarTestSupport.h"
#include <gtest/gtest.h>

namespace {
struct COptionsFixture : ::testing::Test
{
    CToolbarFrame frame;
    TestableToolbar bar;
    void SetUp() override
    {
        ASSERT_TRUE(frame.Make());
        ASSERT_TRUE(MakeToolbar(bar, &frame));
    }
    int ItemHeight(int i)
    {
        CRect r;
        ::SendMessageA(bar.m_hWnd, TB_GETITEMRECT, (WPARAM)i, (LPARAM)&r);
        return r.Height();
    }
};

// A bar of five buttons and two separators with a well of five blocks.
const UINT kSevenIDs[] = { ID_CMD_ONE, ID_CMD_TWO, ID_SEPARATOR, ID_CMD_THREE, ID_CMD_FOUR, ID_SEPARATOR, ID_CMD_FIVE };

// Expected colour of each 8-pixel block of the test wells once mapped.
COLORREF BlockColor(int nBlock)
{
    switch (nBlock) {
    case 0:
        return ::GetSysColor(COLOR_BTNFACE);
    case 1:
        return RGB(0xC0, 0xC0, 0xC1);  // one bit off light grey: the artist's colour
    case 2:
        return ::GetSysColor(COLOR_BTNTEXT);
    case 3:
        return ::GetSysColor(COLOR_BTNHIGHLIGHT);
    default:
        return ::GetSysColor(COLOR_BTNSHADOW);
    }
}

// Every pixel of a well stretched from the 40 by 8 test bitmap.
void ExpectWellPixels(HBITMAP hbm, int cx, int cy)
{
    ASSERT_NE(hbm, nullptr);
    ASSERT_EQ(BitmapSize(hbm), CSize(cx, cy));
    int nWrong = 0;
    for (int x = 0; x < cx && nWrong < 5; x++) {
        for (int y = 0; y < cy && nWrong < 5; y++) {
            COLORREF clr = BitmapPixel(hbm, x, y);
            COLORREF expected = BlockColor(x * 5 / cx);
            if (clr != expected) {
                ADD_FAILURE() << "pixel " << x << "," << y << ": " << std::hex << clr << " expected " << expected;
                nWrong++;
            }
        }
    }
}
}  // namespace

TEST_F(COptionsFixture, TheTableTakesTheBarsButtonsWithTheirTooltipTexts)
{
    CArray<QELToolbar::CToolBarButtonInfo, QELToolbar::CToolBarButtonInfo&> extra;
    QELToolbar::CToolBarButtonInfo four = {};
    four.tbButton.idCommand = ID_CMD_FOUR;
    four.tbButton.iBitmap = 3;
    four.tbButton.fsState = TBSTATE_ENABLED;
    four.tbButton.iString = -1;
    four.strText = "Added";
    four.bDefault = FALSE;
    extra.Add(four);
    bar.SetToolBarInfoForCustomization(&extra);

    ASSERT_EQ(bar.m_arrButtonInfo.GetSize(), 5);
    EXPECT_EQ(bar.m_nButtons, 4);
    const char* labels[] = { "First", "Second", "", "Third", "Added" };
    const int ids[] = { ID_CMD_ONE, ID_CMD_TWO, 0, ID_CMD_THREE, ID_CMD_FOUR };
    for (int i = 0; i < 5; i++) {
        EXPECT_EQ(bar.m_arrButtonInfo[i].strText, CString(labels[i])) << i;
        EXPECT_EQ(bar.m_arrButtonInfo[i].tbButton.idCommand, ids[i]) << i;
        EXPECT_EQ(bar.m_arrButtonInfo[i].bDefault, i < 4 ? TRUE : FALSE) << i;
    }
    // The control's own sense of the enabled bit, as the dialog needs it.
    EXPECT_TRUE(bar.m_arrButtonInfo[0].tbButton.fsState & TBSTATE_ENABLED);
    EXPECT_TRUE(bar.GetStyle() & CCS_ADJUSTABLE);
    EXPECT_EQ(bar.GetTextOptions(), QELToolbar::NoTextLabels);
    EXPECT_EQ(bar.GetIconOptions(), QELToolbar::SmallIcons);
    EXPECT_EQ(::SendMessageA(bar.m_hWnd, TB_GETTEXTROWS, 0, 0), 0);

    // A label without a newline is the whole string; with two, the last part.
    CArray<QELToolbar::CToolBarButtonInfo, QELToolbar::CToolBarButtonInfo&> none;
    UINT ids2[] = { ID_CMD_FOUR, ID_CMD_FIVE, ID_CMD_NOTEXT };
    ASSERT_TRUE(bar.SetButtons(ids2, 3));
    bar.SetToolBarInfoForCustomization(&none);
    ASSERT_EQ(bar.m_arrButtonInfo.GetSize(), 3);
    EXPECT_EQ(bar.m_arrButtonInfo[0].strText, CString("Fourth"));
    EXPECT_EQ(bar.m_arrButtonInfo[1].strText, CString("Fifth"));
    EXPECT_EQ(bar.m_arrButtonInfo[2].strText, CString(""));

    // Our own table handed back in is appended whole, not emptied first.
    bar.SetToolBarInfoForCustomization(&bar.m_arrButtonInfo);
    ASSERT_EQ(bar.m_arrButtonInfo.GetSize(), 6);
    EXPECT_EQ(bar.m_arrButtonInfo[4].strText, CString("Fifth"));
}

TEST_F(COptionsFixture, LabelsComeAndGoAndEachTextEntersThePoolOnce)
{
    bar.SetToolBarInfoForCustomization(nullptr);
    const int nPlainHeight = ItemHeight(0);
    bar.direct.clear();

    bar.SetTextOptions(QELToolbar::ShowTextLabels, TRUE);
    EXPECT_EQ(bar.Direct(TB_ADDSTRINGA), 3);
    EXPECT_EQ(bar.Label(0), "First");
    EXPECT_EQ(bar.Label(1), "Second");
    EXPECT_EQ(bar.Raw(2).iString, -1) << "a separator has no label";
    EXPECT_EQ(bar.Label(3), "Third");
    for (int i : { 0, 1, 3 }) {
        EXPECT_TRUE(bar.Raw(i).fsStyle & BTNS_AUTOSIZE) << i;
        EXPECT_FALSE(bar.Raw(i).fsStyle & BTNS_SHOWTEXT) << i;
        EXPECT_EQ(bar.m_arrButtonInfo[i].tbButton.iString, bar.Raw(i).iString) << i;
    }
    EXPECT_EQ(::SendMessageA(bar.m_hWnd, TB_GETTEXTROWS, 0, 0), 1);
    EXPECT_FALSE(bar.GetStyle() & TBSTYLE_LIST);
    EXPECT_GT(ItemHeight(0), nPlainHeight) << "labels stand below the images";
    const int nFirstString = bar.Raw(0).iString;

    bar.SetTextOptions(QELToolbar::NoTextLabels, TRUE);
    for (int i = 0; i < 4; i++)
        EXPECT_EQ(bar.Raw(i).iString, -1) << i;
    EXPECT_EQ(::SendMessageA(bar.m_hWnd, TB_GETTEXTROWS, 0, 0), 0);
    EXPECT_EQ(ItemHeight(0), nPlainHeight);

    bar.SetTextOptions(QELToolbar::ShowTextLabels, TRUE);
    EXPECT_EQ(bar.Direct(TB_ADDSTRINGA), 3) << "labels are found in the string map";
    EXPECT_EQ(bar.Raw(0).iString, nFirstString);
    EXPECT_EQ(bar.GetButtonText(0), CString("First"));
}

TEST_F(COptionsFixture, SelectiveTextStandsRightOfTheButtonsThatAskForIt)
{
    bar.SetToolBarInfoForCustomization(nullptr);
    bar.SetTextOptions(QELToolbar::ShowTextLabels, FALSE);
    const int nSecondString = bar.Raw(1).iString;
    bar.noText.insert(ID_CMD_TWO);

    bar.SetTextOptions(QELToolbar::SelectiveTextOnRight, TRUE);
    EXPECT_TRUE(bar.GetStyle() & TBSTYLE_LIST);
    EXPECT_TRUE(::SendMessageA(bar.m_hWnd, TB_GETEXTENDEDSTYLE, 0, 0) & TBSTYLE_EX_MIXEDBUTTONS);
    EXPECT_EQ(bar.Raw(0).fsStyle & (BTNS_SHOWTEXT | BTNS_AUTOSIZE), BTNS_SHOWTEXT | BTNS_AUTOSIZE);
    EXPECT_EQ(bar.Label(0), "First");
    // The refused button shows its image alone and keeps its label index.
    EXPECT_EQ(bar.Raw(1).fsStyle & (BTNS_SHOWTEXT | BTNS_AUTOSIZE), BTNS_AUTOSIZE);
    EXPECT_EQ(bar.Raw(1).iString, nSecondString);
    CRect rcFirst, rcSecond;
    ::SendMessageA(bar.m_hWnd, TB_GETITEMRECT, 0, (LPARAM)&rcFirst);
    ::SendMessageA(bar.m_hWnd, TB_GETITEMRECT, 1, (LPARAM)&rcSecond);
    EXPECT_GT(rcFirst.Width(), rcSecond.Width()) << "the label widens only the first";

    bar.SetTextOptions(QELToolbar::NoTextLabels, TRUE);
    EXPECT_FALSE(bar.GetStyle() & TBSTYLE_LIST);
    EXPECT_FALSE(::SendMessageA(bar.m_hWnd, TB_GETEXTENDEDSTYLE, 0, 0) & TBSTYLE_EX_MIXEDBUTTONS);

    // An option the toolbar does not know changes no record.
    bar.SetTextOptions(QELToolbar::ShowTextLabels, FALSE);
    std::vector<TBBUTTON> before = bar.Records();
    bar.SetTextOptions((QELToolbar::TextOptions)7, TRUE);
    std::vector<TBBUTTON> after = bar.Records();
    ASSERT_EQ(before.size(), after.size());
    for (size_t i = 0; i < before.size(); i++)
        EXPECT_EQ(0, memcmp(&before[i], &after[i], sizeof(TBBUTTON))) << i;
}

TEST(ToolbarImageWell, SixteenColourAndTrueColourWellsArePixelExact)
{
    CDistinctSysColors colors;
    for (UINT nID : { IDB_WELL4, IDB_WELL24 }) {
        SCOPED_TRACE(nID == IDB_WELL4 ? "4 bits" : "24 bits");
        HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCEA(nID), MAKEINTRESOURCEA(2));
        HRSRC hRsrc = ::FindResourceA(hInst, MAKEINTRESOURCEA(nID), MAKEINTRESOURCEA(2));
        ASSERT_NE(hRsrc, nullptr);
        for (CSize size : { CSize(80, 16), CSize(120, 24), CSize(40, 8) }) {
            HBITMAP hbm = TestableToolbar::LoadScaledImageWell(hRsrc, hInst, size.cx, size.cy);
            ExpectWellPixels(hbm, size.cx, size.cy);
            ::DeleteObject(hbm);
        }
        EXPECT_EQ(TestableToolbar::LoadScaledImageWell(hRsrc, hInst, 0, 16), nullptr);
        EXPECT_EQ(TestableToolbar::LoadScaledImageWell(hRsrc, hInst, 80, -1), nullptr);
        EXPECT_EQ(TestableToolbar::LoadScaledImageWell(nullptr, hInst, 80, 16), nullptr);
    }
}

TEST_F(COptionsFixture, TheWellIsStretchedToFiveImagesOfTheOptionsSize)
{
    CDistinctSysColors colors;
    for (UINT nID : { IDB_WELL4, IDB_WELL24 }) {
        SCOPED_TRACE(nID == IDB_WELL4 ? "4 bits" : "24 bits");
        ASSERT_TRUE(bar.SetButtons(kSevenIDs, 7));
        ASSERT_TRUE(bar.LoadBitmap(nID));
        bar.SetToolBarInfoForCustomization(nullptr);
        ASSERT_EQ(bar.m_nButtons, 7);
        ExpectWellPixels(bar.m_hbmImageWell, 80, 16);
        EXPECT_EQ(bar.m_sizeImage, CSize(16, 16));

        bar.SetIconOptions(QELToolbar::LargeIcons, TRUE);
        ExpectWellPixels(bar.m_hbmImageWell, 120, 24);
        EXPECT_EQ(bar.m_sizeImage, CSize(24, 24));
        EXPECT_GE(HIWORD(::SendMessageA(bar.m_hWnd, TB_GETBUTTONSIZE, 0, 0)), 24) << "the buttons hold the images";
        // The resource stays remembered for the next reload.
        EXPECT_NE(bar.m_hRsrcImageWell, nullptr);
        bar.SetIconOptions(QELToolbar::SmallIcons, TRUE);
        ExpectWellPixels(bar.m_hbmImageWell, 80, 16);
    }
}

TEST_F(COptionsFixture, WithoutAWellOnlyTheSizesChange)
{
    TestableToolbar plain;
    ASSERT_TRUE(plain.CreateEx(&frame, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP, CRect(0, 0, 0, 0), 0xE811));
    ASSERT_TRUE(plain.SetButtons(kSevenIDs, 7));
    EXPECT_FALSE(plain.LoadBitmap(999)) << "no such bitmap";
    EXPECT_FALSE(plain.LoadBitmap(0x10000u));
    EXPECT_FALSE(plain.LoadBitmap((LPCSTR) nullptr));
    EXPECT_FALSE(plain.SetIconOptionBitmap(QELToolbar::LargeIcons));
    plain.SetToolBarInfoForCustomization(nullptr);
    plain.SetIconOptions(QELToolbar::LargeIcons, TRUE);
    EXPECT_EQ(plain.m_hbmImageWell, nullptr);
    EXPECT_EQ(plain.m_sizeImage, CSize(24, 24));

    // A failed LoadBitmap keeps the well remembered before.
    ASSERT_TRUE(bar.LoadBitmap(IDB_WELL4));
    HRSRC hRemembered = bar.m_hRsrcImageWell;
    EXPECT_FALSE(bar.LoadBitmap(998));
    EXPECT_EQ(bar.m_hRsrcImageWell, hRemembered);

    // An icon option the toolbar does not know only makes the control measure again.
    bar.SetToolBarInfoForCustomization(nullptr);
    HBITMAP hbmBefore = bar.m_hbmImageWell;
    bar.direct.clear();
    bar.SetIconOptions((QELToolbar::IconOptions)5, FALSE);
    EXPECT_EQ((int)bar.GetIconOptions(), 5);
    EXPECT_EQ(bar.m_hbmImageWell, hbmBefore);
    EXPECT_EQ(bar.m_sizeImage, CSize(16, 16));
    EXPECT_EQ(bar.Direct(TB_SETBITMAPSIZE), 0);
    EXPECT_EQ(bar.Direct(TB_SETMAXTEXTROWS), 2);
}

TEST_F(COptionsFixture, ANewSystemColourReachesTheWellAndTheBorders)
{
    ASSERT_TRUE(bar.SetButtons(kSevenIDs, 7));
    ASSERT_TRUE(bar.LoadBitmap(IDB_WELL24));
    // Icons never chosen: the colours are read again, and the remembered well
    // is not loaded behind the options' back at the bitmap's own size.
    {
        HBITMAP hbmBefore = bar.m_hbmImageWell;
        CSize sizeBefore = BitmapSize(hbmBefore);
        CDistinctSysColors colors(RGB(1, 2, 3), RGB(4, 5, 6), RGB(7, 8, 9), RGB(10, 11, 12));
        bar.SendMessage(WM_SYSCOLORCHANGE, 0, 0);
        EXPECT_EQ(bar.m_clrBtnFace, RGB(7, 8, 9));
        EXPECT_EQ(bar.m_hbmImageWell, hbmBefore);
        EXPECT_EQ(BitmapSize(bar.m_hbmImageWell), sizeBefore);
        EXPECT_EQ((int)bar.GetIconOptions(), -1);
    }
    bar.SetToolBarInfoForCustomization(nullptr);
    bar.SetIconOptions(QELToolbar::LargeIcons, TRUE);
    {
        CDistinctSysColors colors(RGB(1, 2, 3), RGB(4, 5, 6), RGB(7, 8, 9), RGB(10, 11, 12));
        bar.SendMessage(WM_SYSCOLORCHANGE, 0, 0);
        EXPECT_EQ(bar.m_clrBtnFace, RGB(7, 8, 9));
        EXPECT_EQ(bar.m_clrBtnShadow, RGB(4, 5, 6));
        EXPECT_EQ(bar.m_clrBtnHilight, RGB(10, 11, 12));
        EXPECT_EQ(BitmapPixel(bar.m_hbmImageWell, 2, 2), RGB(7, 8, 9));
        EXPECT_EQ(BitmapPixel(bar.m_hbmImageWell, 119, 23), RGB(4, 5, 6));
        EXPECT_EQ(BitmapSize(bar.m_hbmImageWell), CSize(120, 24)) << "the icon option stays";
    }
    bar.SendMessage(WM_SYSCOLORCHANGE, 0, 0);
    EXPECT_EQ(BitmapPixel(bar.m_hbmImageWell, 2, 2), ::GetSysColor(COLOR_BTNFACE));
}
