// An application as a customer writes it: it includes ZUZIVU70.h and nothing
// else of ours, is compiled with only the public header folders on its include
// path and links the import libraries. It builds each family of the library in
// a frame window, checks a few answers and exits with 0 when all held.
#include "ZUZIVU70.h"
#include <cstdio>

namespace {
int g_nFailures = 0;

void Check(bool bHeld, const char* lpszWhat)
{
    if (!bHeld) {
        ++g_nFailures;
        ::OutputDebugStringA(lpszWhat);
        std::fprintf(stderr, "consumer: %s failed\n", lpszWhat);
    }
}
}

class CConsumerApp : public CWinApp
{
public:
    CConsumerApp() : CWinApp("ZUZIVU70 Consumer") {}

    BOOL InitInstance() override
    {
        CFrameWnd* pFrame = new CFrameWnd;
        if (!pFrame->Create(nullptr, "Consumer", WS_OVERLAPPEDWINDOW, CRect(0, 0, 640, 480)))
            return FALSE;
        m_pMainWnd = pFrame;

        QELListCtrl list;
        Check(list.Create(pFrame, 100, CRect(0, 0, 300, 200)) != FALSE, "list created");
        Check(list.SetColumnHeader("Name,100;Size,60,2") != FALSE, "columns defined");
        Check(list.InsertItemEx(0, "b", "2", nullptr) == 0 && list.InsertItemEx(1, "a", "10", nullptr) == 1,
              "rows inserted");
        list.SortItems(1, TRUE);
        Check(list.GetItemText(1, 0) == "a", "rows sorted by number");

        QELStatic label;
        Check(label.Create("Label", WS_CHILD | WS_VISIBLE, CRect(0, 210, 100, 230), pFrame, 101) != FALSE,
              "label created");
        QELHyperlink link;
        Check(link.Create("Link", WS_CHILD | WS_VISIBLE | SS_NOTIFY, CRect(0, 240, 100, 260), pFrame, 102) != FALSE,
              "hyperlink created");
        QELColorComboBox colors;
        Check(colors.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
                            CRect(110, 210, 250, 400), pFrame, 103) != FALSE,
              "colour combo box created");
        QELIntegerEdit number;
        Check(number.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(260, 210, 360, 230), pFrame, 104) != FALSE,
              "integer edit created");
        number.SetRange(1, 99);
        number.SetWindowText("100");
        Check(number.IsValid() == 1, "integer range checked");

        QELRegistry registry;
        Check(registry.ReadInt("NoSuchValue", 7) == 7, "registry default answered");

        pFrame->DestroyWindow();
        m_pMainWnd = nullptr;
        return FALSE;  // no message loop: the checks are done
    }

    int ExitInstance() override
    {
        CWinApp::ExitInstance();
        return g_nFailures == 0 ? 0 : 1;
    }
};

CConsumerApp theApp;
