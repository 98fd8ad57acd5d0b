// CDialog fills combo and list boxes from its template's initialisation data
// before the data exchange runs; damaged data never reads past its end, and a
// dialog whose data cannot be applied does not open.
#include "TestApp.h"
#include "ModalAnswerer.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {
const UINT IDD_LISTS = 7100;
const UINT IDD_DAMAGED = 7101;
const UINT IDD_MISSING = 7102;
const int IDC_COMBO = 101;
const int IDC_LIST = 102;

class CListsDialog : public CDialog
{
public:
    explicit CListsDialog(UINT nID) : CDialog(nID) {}
    int m_nChoice = -1;
    int m_nCountAtExchange = -1;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        m_nCountAtExchange = (int)SendDlgItemMessage(IDC_COMBO, CB_GETCOUNT);
        DDX_CBIndex(pDX, IDC_COMBO, m_nChoice);
    }
};

std::vector<std::string> Entries(CWnd& dlg, int nID, UINT nCount, UINT nGetText)
{
    std::vector<std::string> entries;
    int n = (int)dlg.SendDlgItemMessage(nID, nCount);
    for (int i = 0; i < n; ++i) {
        char text[64] = "";
        dlg.SendDlgItemMessage(nID, nGetText, i, (LPARAM)text);
        entries.push_back(text);
    }
    return entries;
}

std::vector<std::string> ComboEntries(CWnd& dlg) { return Entries(dlg, IDC_COMBO, CB_GETCOUNT, CB_GETLBTEXT); }
}

TEST(DialogInitData, ListsAreFilledBeforeTheExchangeSelects)
{
    CListsDialog dlg(IDD_LISTS);
    dlg.m_nChoice = 2;
    ASSERT_TRUE(dlg.Create(IDD_LISTS));
    // Unknown messages are skipped; a text without its zero still ends at its count.
    EXPECT_EQ(ComboEntries(dlg), (std::vector<std::string>{ "Alpha", "Beta", "Gamma" }));
    EXPECT_EQ(Entries(dlg, IDC_LIST, LB_GETCOUNT, LB_GETTEXT), (std::vector<std::string>{ "One", "Two" }));
    EXPECT_EQ(dlg.m_nCountAtExchange, 3);
    EXPECT_EQ(dlg.SendDlgItemMessage(IDC_COMBO, CB_GETCURSEL), 2);
    dlg.DestroyWindow();
}

TEST(DialogInitData, DamagedOrMisdirectedDataFailsWithoutOverrunAndTheDialogDoesNotOpen)
{
    // A dialog whose entries cannot all be applied would open half filled: it
    // is not created, modeless or modal (-1, as for a missing template).
    for (UINT nID : { IDD_DAMAGED, IDD_MISSING }) {
        SCOPED_TRACE(nID);
        CListsDialog modeless(nID);
        EXPECT_FALSE(modeless.Create(nID));
        EXPECT_EQ(modeless.m_hWnd, nullptr);
        CListsDialog modal(nID);
        ModalAnswerer answer(ModalAnswerer::PressButton(IDCANCEL), 1000);
        EXPECT_EQ(modal.DoModal(), -1);
        EXPECT_EQ(answer.DialogsSeen(), 0);
    }

    // Applied to a dialog that has the control: the record that fits goes
    // in, the one running past the data stops the run.
    CListsDialog plain(IDD_LISTS);
    EXPECT_FALSE(plain.ExecuteDlgInit(MAKEINTRESOURCEA(IDD_LISTS)));  // no window yet
    ASSERT_TRUE(plain.Create(IDD_LISTS));
    EXPECT_FALSE(plain.ExecuteDlgInit(MAKEINTRESOURCEA(IDD_DAMAGED)));
    EXPECT_EQ(ComboEntries(plain), (std::vector<std::string>{ "Alpha", "Beta", "Gamma", "Good" }));
    // A control the dialog lacks fails the run but not the entries after it.
    EXPECT_FALSE(plain.ExecuteDlgInit(MAKEINTRESOURCEA(IDD_MISSING)));
    EXPECT_EQ(ComboEntries(plain).back(), "Found");
    // No data at all is no failure.
    EXPECT_TRUE(plain.ExecuteDlgInit(MAKEINTRESOURCEA(7199)));
    EXPECT_TRUE(plain.ExecuteDlgInit(MAKEINTRESOURCEA(IDD_LISTS)));
    EXPECT_EQ(ComboEntries(plain).size(), 8u);
    plain.DestroyWindow();
}
