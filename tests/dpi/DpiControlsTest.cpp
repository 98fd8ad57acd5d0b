// The controls at the screen's DPI: the colour combo's swatch, the 3D text's
// offset, the tooltip edit's wrapping width, the list editor beside a cell
// image, and the flat toolbar's borders and image sizes. Each expected amount is the 96-DPI
// one scaled, so the same cases hold at 96, 144 and 192 DPI.
#include "DpiTestSupport.h"
#include "ControlTestSupport.h"
#include "ListTestSupport.h"
#include "ToolbarTestSupport.h"
#include <gtest/gtest.h>
#include <commctrl.h>

namespace {
struct TestFrame
{
    CFrameWnd* pFrame = new CFrameWnd;
    TestFrame()
    {
        pFrame->Create(nullptr, "DPI", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, Scaled(460), Scaled(320)));
    }
    ~TestFrame() { pFrame->DestroyWindow(); }
    CWnd* operator->() { return pFrame; }
    operator CWnd*() { return pFrame; }
};

// Draws one entry of the combo as the combo box would ask for it, into a
// bitmap, and reads the pixels back.
class DrawnEntry
{
public:
    DrawnEntry(QELColorComboBox& combo, int nItem, const RECT& rcItem) : m_cx(rcItem.right), m_cy(rcItem.bottom)
    {
        HDC hScreen = ::GetDC(nullptr);
        m_hDC = ::CreateCompatibleDC(hScreen);
        m_hBitmap = ::CreateCompatibleBitmap(hScreen, m_cx, m_cy);
        ::ReleaseDC(nullptr, hScreen);
        m_hOld = ::SelectObject(m_hDC, m_hBitmap);
        ::SelectObject(m_hDC, (HFONT)combo.SendMessage(WM_GETFONT));
        DRAWITEMSTRUCT dis = {};
        dis.CtlType = ODT_COMBOBOX;
        dis.itemID = (UINT)nItem;
        dis.itemAction = ODA_DRAWENTIRE;
        dis.hwndItem = combo.m_hWnd;
        dis.hDC = m_hDC;
        dis.rcItem = rcItem;
        dis.itemData = combo.GetItemData(nItem);
        combo.DrawItem(&dis);
    }
    ~DrawnEntry()
    {
        ::SelectObject(m_hDC, m_hOld);
        ::DeleteObject(m_hBitmap);
        ::DeleteDC(m_hDC);
    }
    COLORREF At(int x, int y) const { return ::GetPixel(m_hDC, x, y); }

private:
    int m_cx, m_cy;
    HDC m_hDC = nullptr;
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hOld = nullptr;
};

// The flat toolbar's non-client pixels, in window coordinates.
COLORREF FramePixel(HWND hWnd, int x, int y)
{
    HDC hDC = ::GetWindowDC(hWnd);
    COLORREF cr = ::GetPixel(hDC, x, y);
    ::ReleaseDC(hWnd, hDC);
    return cr;
}
}

TEST(DpiColorComboBox, TheSwatchInsetAndFrameScale)
{
    TestFrame frame;
    HWND hCombo = ::CreateWindowExA(
        0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
        10, 10, Scaled(180), Scaled(300), frame->m_hWnd, (HMENU)1, nullptr, nullptr);
    ::SendMessageA(hCombo, WM_SETFONT, (WPARAM)::GetStockObject(DEFAULT_GUI_FONT), FALSE);
    QELColorComboBox combo;
    ASSERT_TRUE(combo.SubclassWindow(hCombo));
    const int nRed = 5;
    ASSERT_EQ(combo.GetItemData(nRed), RGB(255, 0, 0));

    const int cx = Scaled(160), cy = Scaled(20);
    DrawnEntry entry(combo, nRed, RECT{ 0, 0, cx, cy });
    const int nInset = Scaled(2), t = Scaled(1), q = cx / 4;
    const COLORREF crWindow = ::GetSysColor(COLOR_WINDOW);
    // The background around the swatch, a black frame t pixels thick, red inside.
    EXPECT_EQ(entry.At(nInset - 1, cy / 2), crWindow);
    for (int i = 0; i < t; ++i) {
        EXPECT_EQ(entry.At(nInset + i, cy / 2), RGB(0, 0, 0)) << "left frame column " << nInset + i;
        EXPECT_EQ(entry.At(q - 1 - i, cy / 2), RGB(0, 0, 0)) << "right frame column " << q - 1 - i;
        EXPECT_EQ(entry.At(q / 2, nInset + i), RGB(0, 0, 0)) << "top frame row " << nInset + i;
        EXPECT_EQ(entry.At(q / 2, cy - nInset - 1 - i), RGB(0, 0, 0)) << "bottom frame row";
    }
    EXPECT_EQ(entry.At(nInset + t, cy / 2), RGB(255, 0, 0));
    EXPECT_EQ(entry.At(q - 1 - t, cy / 2), RGB(255, 0, 0));
    EXPECT_EQ(entry.At(q, cy / 2), crWindow);
    EXPECT_EQ(entry.At(q / 2, cy - nInset), crWindow);
    combo.UnsubclassWindow();
}

TEST(DpiStatic, The3DCopyIsOffsetByAScaledPixel)
{
    TestFrame frame;
    QELStatic label;
    ASSERT_TRUE(label.Create("Heading", WS_CHILD | WS_VISIBLE | SS_CENTER | SS_CENTERIMAGE,
                             CRect(10, 10, 10 + Scaled(200), 10 + Scaled(40)), frame, 1));
    const COLORREF crBack = RGB(0, 128, 0);
    label.SetFontName("Tahoma").SetFontSize(14).SetFontBold(TRUE);
    label.SetTextColor(RGB(0, 0, 0)).SetBkColor(crBack).SetText3DHiliteColor(RGB(255, 255, 255));

    RECT plain = ClientPixels(label.m_hWnd).BoundsOfAllBut(crBack);
    ASSERT_LT(plain.left, plain.right) << "no text was painted";
    label.SetFont3D(TRUE, QELStatic::Embossed);
    RECT embossed = ClientPixels(label.m_hWnd).BoundsOfAllBut(crBack);
    label.SetFont3D(TRUE, QELStatic::Engraved);
    RECT engraved = ClientPixels(label.m_hWnd).BoundsOfAllBut(crBack);

    const int s = Scaled(1);
    // The highlight copy adds s pixels up and left, or down and right.
    EXPECT_EQ(embossed.left, plain.left - s);
    EXPECT_EQ(embossed.top, plain.top - s);
    EXPECT_EQ(embossed.right, plain.right);
    EXPECT_EQ(embossed.bottom, plain.bottom);
    EXPECT_EQ(engraved.left, plain.left);
    EXPECT_EQ(engraved.top, plain.top);
    EXPECT_EQ(engraved.right, plain.right + s);
    EXPECT_EQ(engraved.bottom, plain.bottom + s);
}

TEST(DpiEdit, TipsWrapAtAWidthThatGrowsWithTheText)
{
    TestFrame frame;
    TestableEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 10, 200, 40), frame, 1));
    edit.SetTooltipText("Whole numbers from 1 to 999, as the order form allows them.");
    ASSERT_NE(edit.Tip().GetSafeHwnd(), nullptr);
    // 400 pixels at 96 DPI: a tip wraps after the same words at any DPI.
    EXPECT_EQ((int)::SendMessageA(edit.Tip().GetSafeHwnd(), TTM_GETMAXTIPWIDTH, 0, 0), Scaled(400));
}

TEST(DpiListEditor, TheEditorStartsPastTheImageListsOwnImageWidth)
{
    TestFrame frame;
    // The image list the application made for this DPI, and one twice as
    // wide: the editor follows the list, not a size of its own.
    for (int cxImage : { Scaled(16), Scaled(32) }) {
        TestableListCtrl list;
        ASSERT_TRUE(list.Create(frame, 1, CRect(0, 0, Scaled(440), Scaled(200))));
        ASSERT_TRUE(list.SetColumnHeader("Item,150;On hand,120;Notes,100"));
        CImageList images;
        ASSERT_TRUE(images.Create(cxImage, cxImage, ILC_COLOR24, 1, 1));
        HDC hScreen = ::GetDC(nullptr);
        HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, cxImage, cxImage);
        ::ReleaseDC(nullptr, hScreen);
        ASSERT_EQ(::ImageList_Add(images.m_hImageList, hBitmap, nullptr), 0);
        ::DeleteObject(hBitmap);
        list.SetImageList(&images);
        ASSERT_EQ(list.InsertItem(0, "Oak panel"), 0);
        ASSERT_TRUE(list.SetItemImage(0, 1, 0));

        ASSERT_TRUE(list.FakeEdit(0, 1, "12"));
        CRect rcCell;
        ASSERT_TRUE(list.CListCtrl::GetSubItemRect(0, 1, LVIR_LABEL, rcCell));
        RECT rcEditor = ChildRect(list.Editor());
        EXPECT_EQ(rcEditor.left, rcCell.left + cxImage) << "image list of " << cxImage << " pixels";
        EXPECT_EQ(rcEditor.right, rcCell.right);
        list.EndEdit(FALSE);
        list.SetImageList(static_cast<CImageList*>(nullptr));
        list.DestroyWindow();
    }
}

TEST(DpiToolbar, FlatBordersAndTheEtchedLineScale)
{
    TestFrame frame;
    QELToolbar bar;
    ASSERT_TRUE(bar.CreateEx(frame, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_BORDER_ANY));
    const UINT ids[] = { 101, 102, 103 };
    ASSERT_TRUE(bar.SetButtons(ids, 3));
    frame.pFrame->RecalcLayout();
    bar.RedrawWindow(nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);

    CRect rcWindow, rcClient;
    bar.GetWindowRect(&rcWindow);
    bar.GetClientRect(&rcClient);
    bar.ClientToScreen(&rcClient);
    const int w = rcWindow.Width(), h = rcWindow.Height();
    const int t = Scaled(1);
    const COLORREF crShadow = ::GetSysColor(COLOR_BTNSHADOW);
    const COLORREF crHighlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    ASSERT_GE(rcClient.left - rcWindow.left, t);
    // Left and right borders t pixels wide, in the shadow colour; inside them the face.
    const int y = h / 2;
    for (int i = 0; i < t; ++i) {
        EXPECT_EQ(FramePixel(bar.m_hWnd, i, y), crShadow) << "left column " << i;
        EXPECT_EQ(FramePixel(bar.m_hWnd, w - 1 - i, y), crShadow) << "right column " << w - 1 - i;
        EXPECT_EQ(FramePixel(bar.m_hWnd, w / 2, h - 1 - i), crShadow) << "bottom row " << h - 1 - i;
    }
    EXPECT_NE(FramePixel(bar.m_hWnd, t, y), crShadow);
    EXPECT_NE(FramePixel(bar.m_hWnd, w - 1 - t, y), crShadow);
    // A bar that never docks: the etched line at its top, each line as thick
    // as the room above the buttons allows (up to t).
    const int nRoom = (rcClient.top - rcWindow.top) / 2;
    const int e = t < nRoom ? t : (nRoom > 1 ? nRoom : 1);
    for (int i = 0; i < e; ++i) {
        EXPECT_EQ(FramePixel(bar.m_hWnd, w / 2, i), crShadow) << "etched shadow row " << i;
        EXPECT_EQ(FramePixel(bar.m_hWnd, w / 2, e + i), crHighlight) << "etched highlight row " << e + i;
    }
    bar.DestroyWindow();
}

TEST(DpiToolbar, SmallAndLargeImagesScaleFromTheirSizesAt96Dpi)
{
    TestFrame frame;
    TestableToolbar bar;
    ASSERT_TRUE(bar.CreateEx(frame, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP));
    const UINT ids[] = { 101, 102 };
    ASSERT_TRUE(bar.SetButtons(ids, 2));
    bar.SetIconOptions(QELToolbar::SmallIcons, FALSE);
    EXPECT_EQ(bar.ImageSize(), CSize(Scaled(16), Scaled(16)));
    // The control measures its buttons round images of that size.
    const CSize sizeSmallButton = bar.GetToolBarCtrl().GetButtonSize();
    EXPECT_GE(sizeSmallButton.cx, Scaled(16));
    bar.SetIconOptions(QELToolbar::LargeIcons, FALSE);
    EXPECT_EQ(bar.ImageSize(), CSize(Scaled(24), Scaled(24)));
    EXPECT_GT(bar.GetToolBarCtrl().GetButtonSize().cx, sizeSmallButton.cx);
    bar.DestroyWindow();
}
