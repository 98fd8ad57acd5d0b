// The colour combo box: its list, selection by colour, owner drawing and the
// custom colour chosen in the system colour dialog.
#include "LabelTestSupport.h"
#include "ModalAnswerer.h"
#include <gtest/gtest.h>
#include <string>

namespace {
const UINT kComboId = 301;
const COLORREF kWhite = RGB(255, 255, 255);

struct ComboDialog : ColourComboDialog
{
    ComboDialog() : ColourComboDialog(kComboId) {}
    std::string Name(int i)
    {
        CString s;
        combo.GetLBText(i, s);
        return std::string(s);
    }
    // What the user does: pick an entry; the combo box tells its parent.
    void UserSelects(int i)
    {
        combo.SetCurSel(i);
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(kComboId, CBN_SELCHANGE), (LPARAM)combo.m_hWnd);
    }
    int SelChanges() const
    {
        int n = 0;
        for (const RecordedMessage& m : dlg.log.Of(WM_COMMAND))
            n += HIWORD(m.wParam) == CBN_SELCHANGE && LOWORD(m.wParam) == kComboId;
        return n;
    }
    int InField(COLORREF color) { return FindColor(combo.m_hWnd, ClientRect(combo.m_hWnd), color).count; }
};
}

TEST(ColorCombo, AttachFillsTheNamedColoursThenCustom)
{
    ComboDialog t;
    ASSERT_EQ(t.combo.GetCount(), 25);
    for (int i = 0; i < QELColorComboBox::NamedColorCount; ++i) {
        EXPECT_EQ(t.Name(i), std::string(QELColorComboBox::m_NamedColors[i].strName)) << "entry " << i;
        EXPECT_EQ((COLORREF)t.combo.GetItemData(i), QELColorComboBox::m_NamedColors[i].crColor) << "entry " << i;
    }
    // A few entries against the table's fixed values.
    EXPECT_EQ(t.Name(0), "White");
    EXPECT_EQ(t.Name(6), "Brown");
    EXPECT_EQ((COLORREF)t.combo.GetItemData(6), 0x003F3FBFu);
    EXPECT_EQ(t.Name(13), "Sea Green");
    EXPECT_EQ((COLORREF)t.combo.GetItemData(13), 0x007FBF3Fu);
    EXPECT_EQ(t.Name(23), "Pink");
    EXPECT_EQ((COLORREF)t.combo.GetItemData(23), 0x00BFBFFFu);
    EXPECT_EQ(t.Name(24), "Custom...");
    EXPECT_EQ((COLORREF)t.combo.GetItemData(24), kWhite);
    EXPECT_EQ(t.combo.GetCurSel(), 0);
    EXPECT_EQ(t.combo.GetColor(), kWhite);
}

TEST(ColorCombo, SetColorMatchesFromTheTopElseCustom)
{
    ComboDialog t;
    t.combo.SetColor(RGB(255, 0, 0));
    EXPECT_EQ(t.combo.GetCurSel(), 5);
    EXPECT_EQ(t.Name(5), "Red");
    EXPECT_EQ(t.combo.GetColor(), RGB(255, 0, 0));

    // White is both the first entry and the custom one's colour: the first wins.
    t.combo.SetColor(kWhite);
    EXPECT_EQ(t.combo.GetCurSel(), 0);

    t.combo.SetColor(RGB(0x12, 0x34, 0x56));
    EXPECT_EQ(t.combo.GetCurSel(), 24);
    EXPECT_EQ(t.combo.GetColor(), RGB(0x12, 0x34, 0x56));
    EXPECT_EQ(t.Name(24), "Custom...");
    // The field shows the new custom swatch.
    EXPECT_GT(t.InField(RGB(0x12, 0x34, 0x56)), 20);

    // White now matches only the first entry; the custom colour stays.
    t.combo.SetColor(kWhite);
    EXPECT_EQ(t.combo.GetCurSel(), 0);
    EXPECT_EQ((COLORREF)t.combo.GetItemData(24), RGB(0x12, 0x34, 0x56));
    t.combo.SetColor(RGB(0x12, 0x34, 0x56));
    EXPECT_EQ(t.combo.GetCurSel(), 24);
    t.combo.SetColor(RGB(1, 1, 1));
    EXPECT_EQ(t.combo.GetCurSel(), 24);
    EXPECT_EQ(t.combo.GetColor(), RGB(1, 1, 1));
    EXPECT_EQ(t.combo.GetCount(), 25);
}

TEST(ColorCombo, AddColorAndEmptyList)
{
    ComboDialog t;
    t.combo.AddColor("Salmon", RGB(250, 128, 114));
    t.combo.AddColor("Olive", RGB(128, 128, 0));
    // Added colours go in before "Custom...", which stays last.
    ASSERT_EQ(t.combo.GetCount(), 27);
    EXPECT_EQ(t.Name(24), "Salmon");
    EXPECT_EQ((COLORREF)t.combo.GetItemData(24), RGB(250, 128, 114));
    EXPECT_EQ(t.Name(25), "Olive");
    EXPECT_EQ(t.Name(26), "Custom...");
    // An unknown colour goes to the custom entry, not over an added one.
    t.combo.SetColor(RGB(9, 9, 9));
    EXPECT_EQ(t.combo.GetCurSel(), 26);
    EXPECT_EQ(t.combo.GetColor(), RGB(9, 9, 9));
    EXPECT_EQ((COLORREF)t.combo.GetItemData(25), RGB(128, 128, 0));
    t.combo.SetColor(RGB(250, 128, 114));
    EXPECT_EQ(t.combo.GetCurSel(), 24);
    // The custom entry still opens the colour dialog, from its own colour.
    {
        ModalAnswerer answer(ChooseInDialog(RGB(1, 2, 3)));
        t.UserSelects(26);
        EXPECT_TRUE(answer.Answered());
        EXPECT_EQ(answer.controlText[706], "9");
    }
    EXPECT_EQ(t.combo.GetColor(), RGB(1, 2, 3));
    EXPECT_EQ((COLORREF)t.combo.GetItemData(24), RGB(250, 128, 114));

    t.combo.ResetContent();
    EXPECT_EQ(t.combo.GetColor(), (COLORREF)CB_ERR);
    t.combo.SetColor(RGB(9, 9, 9));
    EXPECT_EQ(t.combo.GetCurSel(), CB_ERR);
    EXPECT_EQ(t.combo.GetCount(), 0);

    // Without a window nothing is added and nothing breaks.
    QELColorComboBox loose;
    loose.AddColor("Nowhere", 0);
    loose.SetColor(0);
    EXPECT_EQ(loose.GetColor(), (COLORREF)CB_ERR);
}

TEST(ColorCombo, CustomChoiceThroughTheColourDialog)
{
    ComboDialog t;
    const COLORREF chosen = RGB(0x20, 0x90, 0xC0);
    {
        ModalAnswerer answer(ChooseInDialog(chosen));
        t.UserSelects(24);
        EXPECT_TRUE(answer.Answered());
    }
    EXPECT_EQ(t.combo.GetCurSel(), 24);
    EXPECT_EQ(t.combo.GetColor(), chosen);
    EXPECT_GT(t.InField(chosen), 20);
    // The parent hears of the change after the choice.
    EXPECT_EQ(t.SelChanges(), 1);

    // Cancel leaves the custom colour as it was.
    {
        ModalAnswerer answer(ModalAnswerer::PressButton(IDCANCEL));
        t.UserSelects(24);
        EXPECT_TRUE(answer.Answered());
    }
    EXPECT_EQ(t.combo.GetCurSel(), 24);
    EXPECT_EQ(t.combo.GetColor(), chosen);
}

TEST(ColorCombo, CancelOnTheFirstCustomChoiceKeepsWhite)
{
    ComboDialog t;
    ModalAnswerer answer(ModalAnswerer::PressButton(IDCANCEL));
    t.UserSelects(24);
    EXPECT_TRUE(answer.Answered());
    EXPECT_EQ(t.combo.GetColor(), kWhite);
    EXPECT_EQ(t.combo.GetCurSel(), 24);
}

TEST(ColorCombo, NamedEntriesOpenNoDialog)
{
    ComboDialog t;
    ModalAnswerer answer(ModalAnswerer::PressButton(IDCANCEL), 600);
    t.UserSelects(10);
    PumpUntil([&] { return answer.TimedOut(); }, 1500);
    EXPECT_EQ(answer.DialogsSeen(), 0);
    EXPECT_EQ(t.combo.GetColor(), RGB(127, 255, 0));
    EXPECT_EQ(t.SelChanges(), 1);
}

namespace {
// An entry drawn straight into a bitmap, as the combo box asks for it.
struct DrawnItem
{
    CDC dc;
    HBITMAP hBitmap = nullptr;
    HGDIOBJ hOld = nullptr;
    DrawnItem(QELColorComboBox& combo, int nItem, UINT nState, COLORREF crData)
    {
        dc.CreateCompatibleDC(nullptr);
        BITMAPINFO bi = {};
        bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
        bi.bmiHeader.biWidth = 160;
        bi.bmiHeader.biHeight = -20;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        void* pBits = nullptr;
        hBitmap = ::CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &pBits, nullptr, 0);
        hOld = ::SelectObject(dc, hBitmap);
        dc.FillSolidRect(0, 0, 160, 20, RGB(1, 2, 3));
        DRAWITEMSTRUCT dis = {};
        dis.CtlType = ODT_COMBOBOX;
        dis.CtlID = kComboId;
        dis.itemID = (UINT)nItem;
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState = nState;
        dis.hwndItem = combo.m_hWnd;
        dis.hDC = dc;
        dis.rcItem = { 0, 0, 160, 20 };
        dis.itemData = crData;
        combo.DrawItem(&dis);
    }
    ~DrawnItem()
    {
        ::SelectObject(dc, hOld);
        ::DeleteObject(hBitmap);
    }
    COLORREF At(int x, int y) { return dc.GetPixel(x, y); }
    int Count(COLORREF c, int x0, int x1)
    {
        int n = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = x0; x < x1; ++x)
                n += dc.GetPixel(x, y) == c;
        return n;
    }
};
}

TEST(ColorCombo, OwnerDrawnSwatchAndName)
{
    ComboDialog t;
    const COLORREF window = ::GetSysColor(COLOR_WINDOW);
    const COLORREF text = ::GetSysColor(COLOR_WINDOWTEXT);
    DrawnItem item(t.combo, 5, 0, RGB(255, 0, 0));
    // Swatch: 2 pixels in, up to a quarter of the width (40), framed in black.
    EXPECT_EQ(item.At(1, 1), window);
    EXPECT_EQ(item.At(2, 2), RGB(0, 0, 0));
    EXPECT_EQ(item.At(39, 17), RGB(0, 0, 0));
    EXPECT_EQ(item.At(3, 3), RGB(255, 0, 0));
    EXPECT_EQ(item.At(38, 16), RGB(255, 0, 0));
    EXPECT_EQ(item.Count(RGB(255, 0, 0), 0, 160), 36 * 14);
    EXPECT_EQ(item.At(40, 10), window);
    EXPECT_EQ(item.At(0, 19), window);
    // The name, right of the swatch.
    EXPECT_GT(item.Count(text, 42, 160), 10);
    EXPECT_EQ(item.Count(text, 40, 42), 0);
}

TEST(ColorCombo, SelectedDisabledAndEmptyItems)
{
    ComboDialog t;
    const COLORREF highlight = ::GetSysColor(COLOR_HIGHLIGHT);
    const COLORREF inverse = ~::GetSysColor(COLOR_WINDOWTEXT) & 0xFFFFFF;
    {
        DrawnItem item(t.combo, 18, ODS_SELECTED, RGB(0, 0, 255));
        EXPECT_EQ(item.At(1, 1), highlight);
        EXPECT_EQ(item.At(10, 10), RGB(0, 0, 255));
        EXPECT_GT(item.Count(inverse, 42, 160), 10);
        EXPECT_EQ(item.At(150, 1), highlight);
    }
    {
        const COLORREF inactive = ::GetSysColor(COLOR_INACTIVECAPTIONTEXT);
        DrawnItem item(t.combo, 18, ODS_DISABLED, RGB(0, 0, 255));
        EXPECT_EQ(item.At(10, 10), inactive);
        EXPECT_EQ(item.Count(RGB(0, 0, 255), 0, 160), 0);
        EXPECT_GT(item.Count(inactive, 42, 160), 10);
    }
    {
        // An empty field: background only.
        DrawnItem item(t.combo, -1, 0, 0);
        EXPECT_EQ(item.Count(::GetSysColor(COLOR_WINDOW), 0, 160), 160 * 20);
    }
    {
        // A focus rectangle over the item's edge.
        DrawnItem item(t.combo, 3, ODS_FOCUS, RGB(128, 128, 128));
        int dotted = 0;
        for (int x = 0; x < 160; ++x)
            dotted += item.At(x, 0) != ::GetSysColor(COLOR_WINDOW);
        EXPECT_GT(dotted, 40);
    }
}

TEST(ColorCombo, DisabledComboDrawsInInactiveColour)
{
    ComboDialog t;
    t.combo.SetColor(RGB(255, 0, 0));
    ASSERT_GT(t.InField(RGB(255, 0, 0)), 20);
    t.combo.EnableWindow(FALSE);
    t.combo.RedrawWindow();
    EXPECT_EQ(t.InField(RGB(255, 0, 0)), 0);
    EXPECT_GT(t.InField(::GetSysColor(COLOR_INACTIVECAPTIONTEXT)), 20);
}

TEST(ColorCombo, CreatedComboIsFilledToo)
{
    CRecordingFrame frame;
    QELColorComboBox combo;
    ASSERT_TRUE(
        combo.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
                     CRect(10, 10, 170, 200), &frame, kComboId));
    EXPECT_EQ(combo.GetCount(), 25);
    EXPECT_EQ(combo.GetCurSel(), 0);
    combo.SetColor(RGB(0, 0, 191));
    EXPECT_EQ(combo.GetCurSel(), 19);
}
