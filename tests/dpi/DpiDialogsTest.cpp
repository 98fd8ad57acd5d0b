// The library's dialogs at the screen's DPI: their templates are laid out in
// dialog units, which follow the dialog font, and the font follows the DPI;
// so every control keeps its text whole and stays inside its dialog. A
// control sized in pixels, or a font made at a fixed pixel height, would
// fail here at 144 DPI while passing at 96.
#include "DpiTestSupport.h"
#include "ModalAnswerer.h"
#include <gtest/gtest.h>

namespace {
// What does not fit in hDlg, one line each; empty when all fits.
std::string Misfits(HWND hDlg)
{
    std::string misfits;
    RECT rcClient = {};
    ::GetClientRect(hDlg, &rcClient);
    for (HWND hChild = ::GetWindow(hDlg, GW_CHILD); hChild != nullptr; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        if (!::IsWindowVisible(hChild))
            continue;
        RECT rc = ChildRect(hChild);
        std::string name = ClassOf(hChild) + " \"" + WindowText(hChild) + "\"";
        if (rc.left < 0 || rc.top < 0 || rc.right > rcClient.right || rc.bottom > rcClient.bottom)
            misfits += name + " sticks out of the dialog\n";
        const std::string cls = ClassOf(hChild);
        LONG style = ::GetWindowLongA(hChild, GWL_STYLE);
        if (WindowText(hChild).empty() || (cls != "Button" && cls != "Static"))
            continue;
        if (cls == "Static" && (style & SS_TYPEMASK) > SS_RIGHT)
            continue;  // pictures, frames and lines have no text to fit
        if (cls == "Button" && (style & BS_TYPEMASK) == BS_GROUPBOX)
            continue;
        SIZE text = TextExtent(hChild);
        const int cx = rc.right - rc.left, cy = rc.bottom - rc.top;
        if (cls == "Button" && text.cx > cx)
            misfits += name + " is wider than its button\n";
        // A static wraps onto further lines: at least as many as its width
        // goes into the text's, each a line high.
        const int nLines = cls == "Static" && cx > 0 ? (int)((text.cx + cx - 1) / cx) : 1;
        if ((nLines > 0 ? nLines : 1) * text.cy > cy)
            misfits += name + " is cut at the bottom\n";
    }
    return misfits;
}

// The first dialog window shown on the thread, into *(HWND*)lParam.
BOOL CALLBACK FindShownDialog(HWND hWnd, LPARAM lParam)
{
    if (ClassOf(hWnd) == "#32770" && ::IsWindowVisible(hWnd)) {
        *reinterpret_cast<HWND*>(lParam) = hWnd;
        return FALSE;
    }
    return TRUE;
}

// Opens a dialog through run() and reads what does not fit in it.
template <class Run>
std::string MisfitsOf(Run run, int nClose = IDCANCEL)
{
    std::string misfits = "(no dialog)";
    ModalAnswerer answer([&](HWND hDlg) {
        misfits = Misfits(hDlg);
        ModalAnswerer::PressButton(nClose)(hDlg);
    });
    run();
    return misfits;
}
}

TEST(DpiDialogs, EveryPromptKeepsItsTextWholeAndInside)
{
    double dValue = 2.5, dX = 1, dY = 2, dZ = 3;
    EXPECT_EQ(MisfitsOf([&] { QELGUIUtils::Real(dValue, "Cut length", "Length in metres:", 0.0, 12.0); }), "");
    EXPECT_EQ(MisfitsOf([&] { QELGUIUtils::Coordinates(dX, dY, dZ, "Insertion point"); }), "");
    EXPECT_EQ(MisfitsOf([&] { QELGUIUtils::UnitConverter(1, 6); }), "");
    EXPECT_EQ(MisfitsOf([&] { QELGUIUtils::About("Plant Designer 7", "Registered to J. Smith", "Keller GmbH"); }, IDOK),
              "");
}

TEST(DpiDialogs, TheProgressWindowKeepsItsTextWholeAndInside)
{
    QELProgress progress("Exporting drawings", "Drawing 3 of 14: section B-B", 0, 14);
    progress.StartProgress();
    HWND hDlg = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), FindShownDialog, (LPARAM)&hDlg);
    ASSERT_NE(hDlg, nullptr);
    PumpMessages(100);
    EXPECT_EQ(Misfits(hDlg), "");
    progress.EndProgress();
}

TEST(DpiDialogs, TheAboutBannerIsScaledAndLetGoOf)
{
    auto banner = [](HWND hDlg) {
        SIZE size = {};
        for (HWND h = ::GetWindow(hDlg, GW_CHILD); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT)) {
            if (ClassOf(h) != "Static" || (::GetWindowLongA(h, GWL_STYLE) & SS_TYPEMASK) != SS_BITMAP)
                continue;
            BITMAP bm = {};
            if (::GetObjectA((HBITMAP)::SendMessageA(h, STM_GETIMAGE, IMAGE_BITMAP, 0), sizeof(bm), &bm))
                size = { bm.bmWidth, bm.bmHeight };
        }
        return size;
    };
    auto openAbout = [&] {
        SIZE shown = {};
        ModalAnswerer answer([&](HWND hDlg) {
            shown = banner(hDlg);
            ModalAnswerer::PressButton(IDOK)(hDlg);
        });
        QELGUIUtils::About("Plant Designer 7", "J. Smith", "Keller GmbH");
        return shown;
    };
    // The first box loads what stays loaded (the module's resources, fonts).
    SIZE first = openAbout();
    EXPECT_EQ(first.cx, Scaled(270));
    EXPECT_EQ(first.cy, Scaled(102));
    const DWORD nGdiBefore = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    for (int i = 0; i < 3; ++i)
        openAbout();
    EXPECT_EQ(::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS), nGdiBefore);
}
