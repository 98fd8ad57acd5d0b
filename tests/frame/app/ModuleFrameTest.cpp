// The library module: loading, its application object, the resource chain and
// the resource-context guard; an application object given no name.
#include "TestApp.h"
#include "ModalAnswerer.h"
#include "module/QELModuleContext.h"
#include <gtest/gtest.h>
#include <stdexcept>

namespace {
HMODULE LibraryModule() { return ::GetModuleHandleA("ZUZIVU70.dll"); }

int BitmapWidth(HINSTANCE hInst, UINT nID)
{
    HBITMAP hBmp = ::LoadBitmapA(hInst, MAKEINTRESOURCEA(nID));
    if (hBmp == nullptr)
        return -1;
    BITMAP bm = {};
    ::GetObjectA(hBmp, sizeof(bm), &bm);
    ::DeleteObject(hBmp);
    return bm.bmWidth;
}

int CurrentBannerWidth() { return BitmapWidth(AfxFindResourceHandle(MAKEINTRESOURCEA(5000), RT_BITMAP), 5000); }

// Leaves the guarded scope early, as an operation does when it fails.
HINSTANCE ResourceHandleAfterEarlyReturn(bool bFail)
{
    QELModuleContext context;
    if (bFail)
        return AfxGetResourceHandle();
    return nullptr;
}
}

TEST(ModuleFrame, LibraryIsLoadedWithItsOwnApplicationObject)
{
    HMODULE hLib = LibraryModule();
    ASSERT_NE(hLib, nullptr);
    EXPECT_EQ(QELModuleContext::GetInstanceHandle(), hLib);
    // The application's own object stays the current one outside the guard.
    ASSERT_NE(AfxGetApp(), nullptr);
    EXPECT_STREQ(AfxGetApp()->m_pszAppName, "ZUZIVU70 Tests");
    {
        QELModuleContext context;
        ASSERT_NE(AfxGetApp(), nullptr);
        EXPECT_STREQ(AfxGetApp()->m_pszAppName, "ZUZIVU70");
        EXPECT_EQ(AfxGetInstanceHandle(), hLib);
    }
    EXPECT_STREQ(AfxGetApp()->m_pszAppName, "ZUZIVU70 Tests");
    EXPECT_EQ(AfxGetInstanceHandle(), ::GetModuleHandleA(nullptr));
}

TEST(ModuleFrame, AnApplicationGivenNoNameIsNamedAfterItsProgram)
{
    // A module state of its own, so the test program's application stays.
    AFX_MODULE_STATE state(FALSE);
    AFX_MANAGE_STATE(&state);
    CWinApp app;
    EXPECT_STREQ(AfxGetAppName(), "FrameTests");
    EXPECT_STREQ(app.m_pszAppName, "FrameTests");
    // Its message boxes carry the name as their caption.
    ModalAnswerer answer(ModalAnswerer::PressButton(IDOK));
    EXPECT_EQ(AfxMessageBox("Named?"), IDOK);
    EXPECT_EQ(answer.caption, "FrameTests");
}

TEST(ModuleFrame, ResourcesAreFoundThroughTheChainAndInsideTheGuard)
{
    HMODULE hLib = LibraryModule();
    // Only the library has a version resource of its own; the chain finds it
    // from the application's context.
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEA(1), RT_VERSION), hLib);
    bool bLinked = false;
    for (CDynLinkLibrary* p = AfxGetFirstDynLinkLibrary(); p != nullptr; p = p->m_pNextDLL)
        bLinked = bLinked || p->m_hResource == hLib;
    EXPECT_TRUE(bLinked);

    // Both modules carry bitmap 5000: the current module's wins.
    EXPECT_EQ(CurrentBannerWidth(), 16);
    {
        QELModuleContext context;
        EXPECT_EQ(AfxGetResourceHandle(), hLib);
        EXPECT_EQ(CurrentBannerWidth(), 270);
        // The application's strings are still found from inside the guard.
        CString str;
        EXPECT_TRUE(str.LoadString(100));
        EXPECT_STREQ(str, "string of the test program");
    }
    EXPECT_EQ(CurrentBannerWidth(), 16);
}

TEST(ModuleFrame, CallersContextComesBackOnEveryWayOut)
{
    HINSTANCE hApp = ::GetModuleHandleA(nullptr);
    AFX_MODULE_STATE* pAppState = AfxGetModuleState();

    EXPECT_EQ(ResourceHandleAfterEarlyReturn(true), LibraryModule());
    EXPECT_EQ(AfxGetResourceHandle(), hApp);
    ResourceHandleAfterEarlyReturn(false);
    EXPECT_EQ(AfxGetModuleState(), pAppState);

    try {
        QELModuleContext context;
        throw std::runtime_error("leaving by an exception of the caller's");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(AfxGetModuleState(), pAppState);

    {
        QELModuleContext outer;
        {
            QELModuleContext inner;
            EXPECT_EQ(AfxGetModuleState(), QELModuleContext::GetModuleState());
        }
        // The inner guard restores the outer one's state, not the application's.
        EXPECT_EQ(AfxGetModuleState(), QELModuleContext::GetModuleState());
    }
    EXPECT_EQ(AfxGetModuleState(), pAppState);
    EXPECT_EQ(AfxGetResourceHandle(), hApp);
}

DWORD WINAPI RecordModuleState(LPVOID p)
{
    *static_cast<AFX_MODULE_STATE**>(p) = AfxGetModuleState();
    return 0;
}

TEST(ModuleFrame, ModuleStateIsPerThread)
{
    // Another thread starts in the application's context even while this one
    // holds the library's.
    QELModuleContext context;
    AFX_MODULE_STATE* pSeen = nullptr;
    HANDLE hThread = ::CreateThread(nullptr, 0, RecordModuleState, &pSeen, 0, nullptr);
    ASSERT_NE(hThread, nullptr);
    ASSERT_EQ(::WaitForSingleObject(hThread, 5000), WAIT_OBJECT_0);
    ::CloseHandle(hThread);
    EXPECT_EQ(pSeen, AfxGetAppModuleState());
    EXPECT_EQ(AfxGetModuleState(), QELModuleContext::GetModuleState());
}
