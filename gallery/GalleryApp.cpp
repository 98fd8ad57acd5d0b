// The gallery application. With "--screenshots <folder>" it saves a PNG of
// every page into the folder and exits (the headless mode of scripts/gallery).
#include "GalleryFrame.h"
#include "GalleryPage.h"
#include "GalleryResources.h"
#include "Screenshot.h"
#include <cstdio>

class CGalleryApp : public CWinApp
{
public:
    CGalleryApp() : CWinApp("ZUZIVU70 Gallery") {}

    BOOL InitInstance() override
    {
        SetRegistryKey("ZUZIVU70");
        auto* pFrame = new CGalleryFrame;
        if (!pFrame->LoadFrame(IDR_GALLERY, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN)) {
            delete pFrame;
            return FALSE;
        }
        m_pMainWnd = pFrame;
        pFrame->SetWindowPos(nullptr, 0, 0, GalleryPx(960), GalleryPx(700), SWP_NOMOVE | SWP_NOZORDER);

        CString strShots = ScreenshotFolder();
        if (!strShots.IsEmpty()) {
            pFrame->ShowWindow(SW_SHOWNORMAL);
            pFrame->UpdateWindow();
            ::CreateDirectoryA(strShots, nullptr);
            int nSaved = SaveAllPages(*pFrame, strShots);
            int nToolbars = SaveToolbarStates(*pFrame, strShots);
            nToolbars += SaveToolbarOptions(*pFrame, strShots);
            std::printf("gallery: saved %d of %d pages, %d of 5 toolbar pictures\n", nSaved, pFrame->GetPageCount(),
                        nToolbars);
            std::fflush(stdout);
            m_nExitCode = nSaved == pFrame->GetPageCount() && nToolbars == 5 ? 0 : 1;
            pFrame->DestroyWindow();
            return FALSE;
        }
        pFrame->ShowWindow(pFrame->RestoreSettings(m_nCmdShow));
        pFrame->UpdateWindow();
        return TRUE;
    }

    BOOL OnIdle(LONG lCount) override
    {
        // With the temporary objects: nothing of the main loop's messages is
        // being handled now, so no page switched away from is still in use.
        // The main window is the gallery's frame while it lives (the framework
        // forgets it as it goes).
        if (lCount == 1 && m_pMainWnd != nullptr)
            static_cast<CGalleryFrame*>(m_pMainWnd)->DeleteRetiredPages();
        return CWinApp::OnIdle(lCount);
    }

    int ExitInstance() override { return m_nExitCode >= 0 ? m_nExitCode : CWinApp::ExitInstance(); }

private:
    CString ScreenshotFolder() const
    {
        CString strCmd = m_lpCmdLine != nullptr ? m_lpCmdLine : "";
        int nPos = strCmd.Find("--screenshots");
        if (nPos < 0)
            return CString();
        CString strDir = strCmd.Mid(nPos + 13);
        strDir.Trim();
        strDir.Trim('"');
        return strDir;
    }

    int m_nExitCode = -1;
};

CGalleryApp theApp;
