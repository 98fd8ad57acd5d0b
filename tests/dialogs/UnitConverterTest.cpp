// The unit converter: its lists from the template's data (and no dialog when
// they cannot be filled), the conversion at start and on every change, and a
// number field that holds no number.
#include "DialogsTestSupport.h"
#include "ModalAnswerer.h"
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {
const int IDC_FROM = 6005;
const int IDC_VALUE = 6006;
const int IDC_RESULT = 6007;
const int IDC_TO = 6008;

const std::vector<std::string> kUnits = { "Microns",     "Millimeters", "Centimeters", "Meters", "Kilometers",
                                          "Microinches", "Mils",        "Inches",      "Feet",   "Miles" };

std::vector<std::string> ComboEntries(HWND hDlg, int nID)
{
    std::vector<std::string> entries;
    int n = (int)::SendDlgItemMessageA(hDlg, nID, CB_GETCOUNT, 0, 0);
    for (int i = 0; i < n; ++i) {
        char text[64] = "";
        ::SendDlgItemMessageA(hDlg, nID, CB_GETLBTEXT, i, (LPARAM)text);
        entries.push_back(text);
    }
    return entries;
}

// A user's choice in a list: the selection moves and the list tells the dialog.
void Choose(HWND hDlg, int nID, int nIndex)
{
    ::SendDlgItemMessageA(hDlg, nID, CB_SETCURSEL, nIndex, 0);
    ::SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(nID, CBN_SELCHANGE), (LPARAM)::GetDlgItem(hDlg, nID));
}

int Selection(HWND hDlg, int nID) { return (int)::SendDlgItemMessageA(hDlg, nID, CB_GETCURSEL, 0, 0); }

// While it lives, every combo box made on this thread refuses the entries
// given to it, as a combo box without memory for them does.
class RefuseComboEntries
{
public:
    RefuseComboEntries() : m_hHook(::SetWindowsHookExA(WH_CBT, OnCreate, nullptr, ::GetCurrentThreadId()))
    {
        s_nRefused = 0;
    }
    ~RefuseComboEntries() { ::UnhookWindowsHookEx(m_hHook); }
    RefuseComboEntries(const RefuseComboEntries&) = delete;
    RefuseComboEntries& operator=(const RefuseComboEntries&) = delete;
    int Refused() const { return s_nRefused; }

private:
    static LRESULT CALLBACK OnCreate(int nCode, WPARAM wParam, LPARAM lParam)
    {
        char cls[32] = "";
        if (nCode == HCBT_CREATEWND && ::GetClassNameA((HWND)wParam, cls, sizeof(cls)) &&
            lstrcmpiA(cls, "ComboBox") == 0)
            s_pfnCombo = (WNDPROC)::SetWindowLongPtrA((HWND)wParam, GWLP_WNDPROC, (LONG_PTR)ComboProc);
        return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
    }
    static LRESULT CALLBACK ComboProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == CB_ADDSTRING) {
            ++s_nRefused;
            return CB_ERRSPACE;
        }
        return ::CallWindowProcA(s_pfnCombo, hWnd, message, wParam, lParam);
    }
    static WNDPROC s_pfnCombo;
    static int s_nRefused;
    HHOOK m_hHook;
};
WNDPROC RefuseComboEntries::s_pfnCombo = nullptr;
int RefuseComboEntries::s_nRefused = 0;

// Opens the converter, runs inspect inside it and closes it with "Close".
void RunConverter(int nFrom, int nTo, const std::function<void(HWND)>& inspect, std::string* pCaption = nullptr)
{
    ModalAnswerer answer([&](HWND hDlg) {
        inspect(hDlg);
        ModalAnswerer::PressButton(IDOK)(hDlg);
    });
    QELGUIUtils::UnitConverter(nFrom, nTo, nullptr);
    EXPECT_TRUE(answer.Answered());
    if (pCaption != nullptr)
        *pCaption = answer.caption;
}
}

TEST(UnitConverter, OpensWithBothListsTheUnitsAndMetresInFeet)
{
    std::string caption, value, result, layout;
    std::vector<std::string> from, to;
    int nFrom = -2, nTo = -2;
    RunConverter(
        3, 8,
        [&](HWND hDlg) {
            from = ComboEntries(hDlg, IDC_FROM);
            to = ComboEntries(hDlg, IDC_TO);
            nFrom = Selection(hDlg, IDC_FROM);
            nTo = Selection(hDlg, IDC_TO);
            value = ItemText(hDlg, IDC_VALUE);
            result = ItemText(hDlg, IDC_RESULT);
            for (auto [id, place] : { std::pair<int, DialogUnits>{ IDC_VALUE, { 7, 7, 55, 12 } },
                                      { IDC_RESULT, { 136, 7, 55, 12 } },
                                      { IDOK, { 104, 36, 50, 14 } } })
                layout += CheckPlacement(hDlg, id, place);
            // A closed drop-down list is as high as its field, not as its list.
            layout += CheckPlacement(hDlg, IDC_FROM, { 67, 7, 55, 113 }, false);
            layout += CheckPlacement(hDlg, IDC_TO, { 196, 7, 55, 113 }, false);
        },
        &caption);
    EXPECT_EQ(caption, "Unit Converter");
    EXPECT_EQ(from, kUnits);
    EXPECT_EQ(to, kUnits);
    EXPECT_EQ(nFrom, 3);
    EXPECT_EQ(nTo, 8);
    EXPECT_EQ(value, "1");
    EXPECT_EQ(result, "3.280840");
    EXPECT_EQ(layout, "");
}

TEST(UnitConverter, EveryChangeConvertsAtOnce)
{
    std::vector<std::string> results;
    RunConverter(3, 8, [&](HWND hDlg) {
        ::SetDlgItemTextA(hDlg, IDC_VALUE, "2");
        results.push_back(ItemText(hDlg, IDC_RESULT));  // 2 m in ft
        Choose(hDlg, IDC_FROM, 9);
        results.push_back(ItemText(hDlg, IDC_RESULT));  // 2 mi in ft
        Choose(hDlg, IDC_TO, 4);
        results.push_back(ItemText(hDlg, IDC_RESULT));  // 2 mi in km
        ::SetDlgItemTextA(hDlg, IDC_VALUE, "-0.5");
        results.push_back(ItemText(hDlg, IDC_RESULT));  // -0.5 mi in km
        Choose(hDlg, IDC_FROM, 4);
        results.push_back(ItemText(hDlg, IDC_RESULT));  // same unit
        Choose(hDlg, IDC_TO, 7);
        ::SetDlgItemTextA(hDlg, IDC_VALUE, "1");
        results.push_back(ItemText(hDlg, IDC_RESULT));  // 1 km in in
    });
    EXPECT_EQ(results, (std::vector<std::string>{ "6.561680", "10560.000000", "3.218688", "-0.804672", "-0.500000",
                                                  "39370.078740" }));
}

TEST(UnitConverter, UnknownOrEqualUnitsAndTinyResults)
{
    int nFrom = 0, nTo = 0;
    std::string result, tiny;
    RunConverter(-1, 12, [&](HWND hDlg) {
        nFrom = Selection(hDlg, IDC_FROM);
        nTo = Selection(hDlg, IDC_TO);
        result = ItemText(hDlg, IDC_RESULT);
    });
    EXPECT_EQ(nFrom, CB_ERR);
    EXPECT_EQ(nTo, CB_ERR);
    EXPECT_EQ(result, "1.000000");

    RunConverter(6, 6, [&](HWND hDlg) {
        ::SetDlgItemTextA(hDlg, IDC_VALUE, "12.5");
        result = ItemText(hDlg, IDC_RESULT);
    });
    EXPECT_EQ(result, "12.500000");

    // One micron in miles is below the six decimals.
    RunConverter(0, 9, [&](HWND hDlg) { tiny = ItemText(hDlg, IDC_RESULT); });
    EXPECT_EQ(tiny, "0.000000");
}

TEST(UnitConverter, AFieldWithoutANumberIsExplainedAndTheLastValueStays)
{
    std::string before, after, message;
    int nBoxes = 0;
    RunConverter(1, 2, [&](HWND hDlg) {
        ::SetDlgItemTextA(hDlg, IDC_VALUE, "25");
        before = ItemText(hDlg, IDC_RESULT);
        // The explanation is a modal box of its own, answered while it shows.
        auto box = std::make_unique<ModalAnswerer>(ModalAnswerer::PressButton(IDOK));
        ::SetDlgItemTextA(hDlg, IDC_VALUE, "12abc");
        nBoxes = box->DialogsSeen();
        message = box->messageText;
        // The units still change, explained again; the number is the one read last.
        auto again = std::make_unique<ModalAnswerer>(ModalAnswerer::PressButton(IDOK));
        Choose(hDlg, IDC_TO, 0);
        nBoxes += again->DialogsSeen();
        after = ItemText(hDlg, IDC_RESULT);
        // "Close" then closes, number or not.
    });
    EXPECT_EQ(before, "2.500000");
    EXPECT_EQ(nBoxes, 2);
    EXPECT_FALSE(message.empty());
    EXPECT_EQ(after, "25000.000000");
}

TEST(UnitConverter, ListsThatCannotBeFilledKeepItFromOpening)
{
    RefuseComboEntries refuse;
    ModalAnswerer answer(ModalAnswerer::PressButton(IDOK), 1000);
    QELGUIUtils::UnitConverter(3, 8, nullptr);
    EXPECT_GT(refuse.Refused(), 0);
    // It returned at once, without a window for the user to close.
    EXPECT_EQ(answer.DialogsSeen(), 0);
    EXPECT_FALSE(answer.Answered());
}
