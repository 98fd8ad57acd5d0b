// Message maps: dispatch, chaining to base maps, reflection to the child.
#include "RecordingParent.h"
#include "PixelReader.h"
#include <gtest/gtest.h>
#include <string>

namespace {
const UINT WM_TEST_BASE = WM_APP + 1;
const UINT WM_TEST_BOTH = WM_APP + 2;
const UINT WM_TEST_NONE = WM_APP + 3;

class CBaseTestWnd : public CWnd
{
public:
    std::string trace;

protected:
    LRESULT OnTestBase(WPARAM w, LPARAM)
    {
        trace += "base:" + std::to_string(w) + ";";
        return 11;
    }
    LRESULT OnTestBothInBase(WPARAM, LPARAM)
    {
        trace += "base-both;";
        return 12;
    }
    void OnTimer(UINT_PTR nID) { trace += "timer:" + std::to_string(nID) + ";"; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseTestWnd, CWnd)
    ON_MESSAGE(WM_TEST_BASE, OnTestBase)
    ON_MESSAGE(WM_TEST_BOTH, OnTestBothInBase)
    ON_WM_TIMER()
END_MESSAGE_MAP()

class CDerivedTestWnd : public CBaseTestWnd
{
protected:
    LRESULT OnTestBoth(WPARAM, LPARAM)
    {
        trace += "derived-both;";
        return 22;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedTestWnd, CBaseTestWnd)
    ON_MESSAGE(WM_TEST_BOTH, OnTestBoth)
END_MESSAGE_MAP()

TEST(MessageMap, DerivedEntriesComeFirstAndBaseMapsChain)
{
    CRecordingFrame frame;
    CDerivedTestWnd wnd;
    ASSERT_TRUE(wnd.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), &frame, 100));

    EXPECT_EQ(wnd.SendMessage(WM_TEST_BASE, 7), 11);
    EXPECT_EQ(wnd.SendMessage(WM_TEST_BOTH), 22);
    // No entry anywhere: the default procedure answers.
    EXPECT_EQ(wnd.SendMessage(WM_TEST_NONE), 0);
    wnd.SendMessage(WM_TIMER, 42);
    EXPECT_EQ(wnd.trace, "base:7;derived-both;timer:42;");
    wnd.DestroyWindow();
    EXPECT_EQ(wnd.m_hWnd, nullptr);
}

// A child control that handles some of its own notifications.
class CSelfHandlingButton : public CButton
{
public:
    int nClicks = 0;
    int nNotifies = 0;
    BOOL bLetParentSeeNotify = FALSE;
    CBrush brush;

protected:
    void OnReflectedClick() { ++nClicks; }
    BOOL OnReflectedNotify(NMHDR*, LRESULT* pResult)
    {
        ++nNotifies;
        *pResult = 77;
        return !bLetParentSeeNotify;
    }
    HBRUSH CtlColor(CDC* pDC, UINT)
    {
        pDC->SetBkColor(RGB(0, 128, 0));
        return (HBRUSH)brush.GetSafeHandle();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSelfHandlingButton, CButton)
    ON_CONTROL_REFLECT(BN_CLICKED, OnReflectedClick)
    ON_NOTIFY_REFLECT_EX(NM_CUSTOMDRAW, OnReflectedNotify)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

class CParentOfButton : public CRecordingFrame
{
public:
    int nParentClicks = 0;
    int nParentNotifies = 0;
    int nParentColors = 0;

protected:
    void OnClicked() { ++nParentClicks; }
    void OnCustomDraw(NMHDR*, LRESULT* pResult)
    {
        ++nParentNotifies;
        *pResult = 99;
    }
    HBRUSH OnCtlColor(CDC*, CWnd*, UINT)
    {
        ++nParentColors;
        return (HBRUSH)::GetStockObject(WHITE_BRUSH);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CParentOfButton, CRecordingFrame)
    ON_BN_CLICKED(200, OnClicked)
    ON_NOTIFY(NM_CUSTOMDRAW, 200, OnCustomDraw)
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

TEST(MessageMap, NotificationsAreReflectedToTheControlFirst)
{
    CParentOfButton parent;
    CSelfHandlingButton button;
    button.brush.CreateSolidBrush(RGB(0, 128, 0));
    ASSERT_TRUE(button.Create("Push", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(10, 10, 110, 40), &parent, 200));

    // A real click: the button's own handler takes it, the parent's does not run.
    button.SendMessage(BM_CLICK);
    EXPECT_EQ(button.nClicks, 1);
    EXPECT_EQ(parent.nParentClicks, 0);

    NMHDR hdr = { button.m_hWnd, 200, (UINT)NM_CUSTOMDRAW };
    EXPECT_EQ(parent.SendMessage(WM_NOTIFY, 200, (LPARAM)&hdr), 77);
    EXPECT_EQ(parent.nParentNotifies, 0);
    // A handler that returns FALSE lets the parent see the notification too.
    button.bLetParentSeeNotify = TRUE;
    EXPECT_EQ(parent.SendMessage(WM_NOTIFY, 200, (LPARAM)&hdr), 99);
    EXPECT_EQ(button.nNotifies, 2);
    EXPECT_EQ(parent.nParentNotifies, 1);

    // The colour request goes to the control, which answers with its brush.
    HDC hDC = ::GetDC(button.m_hWnd);
    LRESULT hbr = parent.SendMessage(WM_CTLCOLORBTN, (WPARAM)hDC, (LPARAM)button.m_hWnd);
    EXPECT_EQ((HBRUSH)hbr, (HBRUSH)button.brush.GetSafeHandle());
    EXPECT_EQ(::GetBkColor(hDC), RGB(0, 128, 0));
    ::ReleaseDC(button.m_hWnd, hDC);
    EXPECT_EQ(parent.nParentColors, 0);

    // A control that is not ours falls back to the parent's handler.
    CStatic other;
    other.Create("x", WS_CHILD | WS_VISIBLE, CRect(120, 10, 160, 30), &parent, 201);
    HWND hRaw = other.UnsubclassWindow();
    hDC = ::GetDC(hRaw);
    EXPECT_EQ((HBRUSH)parent.SendMessage(WM_CTLCOLORSTATIC, (WPARAM)hDC, (LPARAM)hRaw),
              (HBRUSH)::GetStockObject(WHITE_BRUSH));
    ::ReleaseDC(hRaw, hDC);
    EXPECT_EQ(parent.nParentColors, 1);
    ::DestroyWindow(hRaw);
}

class COwnerDrawButton : public CButton
{
public:
    int nDraws = 0;
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override
    {
        ++nDraws;
        ::FillRect(lpDIS->hDC, &lpDIS->rcItem, (HBRUSH)::GetStockObject(BLACK_BRUSH));
    }
};

TEST(MessageMap, OwnerDrawIsReflectedToTheControl)
{
    CRecordingFrame parent;
    COwnerDrawButton button;
    ASSERT_TRUE(button.Create("", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 60, 40), &parent, 300));
    button.Invalidate();
    button.UpdateWindow();
    EXPECT_GE(button.nDraws, 1);
    EXPECT_EQ(PixelAt(button.m_hWnd, 25, 15), RGB(0, 0, 0));
}

// ----- creation and subclassing ------------------------------------------------

class CTracingList : public CWnd
{
public:
    std::string trace;
    BOOL bFailCreate = FALSE;
    BOOL bDeleteOnNcDestroy = FALSE;
    int* pPostNcDestroyCount = nullptr;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override
    {
        trace += "precreate;";
        cs.style |= LVS_REPORT;
        return TRUE;
    }
    void PreSubclassWindow() override { trace += "presubclass;"; }
    void PostNcDestroy() override
    {
        if (pPostNcDestroyCount != nullptr)
            ++*pPostNcDestroyCount;
    }

protected:
    int OnCreate(LPCREATESTRUCT lpcs)
    {
        trace += "create;";
        if (bFailCreate)
            return -1;
        return CWnd::OnCreate(lpcs);
    }
    void OnDestroy()
    {
        trace += "destroy;";
        CWnd::OnDestroy();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTracingList, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

TEST(WindowLife, CreationHookAttachesBeforeCreateMessage)
{
    CRecordingFrame frame;
    CTracingList list;
    ASSERT_TRUE(list.Create(WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 100), &frame, 400));
    EXPECT_EQ(list.trace, "precreate;presubclass;create;");
    EXPECT_EQ(CWnd::FromHandlePermanent(list.m_hWnd), &list);
    EXPECT_TRUE(list.GetStyle() & LVS_REPORT);
    // The list view's own procedure still works underneath.
    LVCOLUMNA col = { LVCF_TEXT | LVCF_WIDTH, 0, 80, const_cast<LPSTR>("A") };
    EXPECT_EQ(list.SendMessage(LVM_INSERTCOLUMNA, 0, (LPARAM)&col), 0);

    HWND hWnd = list.m_hWnd;
    list.DestroyWindow();
    EXPECT_EQ(list.trace, "precreate;presubclass;create;destroy;");
    EXPECT_EQ(list.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
}

TEST(WindowLife, FailedCreateLeavesTheObjectDetached)
{
    CRecordingFrame frame;
    CTracingList list;
    int nPostNcDestroy = 0;
    list.bFailCreate = TRUE;
    list.pPostNcDestroyCount = &nPostNcDestroy;
    EXPECT_FALSE(list.Create(WC_LISTVIEWA, "", WS_CHILD, CRect(0, 0, 10, 10), &frame, 401));
    EXPECT_EQ(list.m_hWnd, nullptr);
    EXPECT_EQ(nPostNcDestroy, 1);
    // The object can be used again.
    list.bFailCreate = FALSE;
    EXPECT_TRUE(list.Create(WC_LISTVIEWA, "", WS_CHILD, CRect(0, 0, 10, 10), &frame, 401));
    // A class that does not exist fails cleanly.
    CWnd missing;
    EXPECT_FALSE(missing.Create("NoSuchClass", "", WS_CHILD, CRect(0, 0, 1, 1), &frame, 402));
    EXPECT_EQ(missing.m_hWnd, nullptr);
    // A child without a parent is refused.
    EXPECT_FALSE(missing.Create(nullptr, "", WS_CHILD, CRect(0, 0, 1, 1), nullptr, 403));
}

// A CBT hook installed after the framework's refuses every window.
LRESULT CALLBACK RefuseCreation(int code, WPARAM, LPARAM) { return code == HCBT_CREATEWND ? 1 : 0; }

TEST(WindowLife, WindowRefusedByAnotherHookLeavesNoDeadHandle)
{
    CRecordingFrame frame;
    CWnd wnd;
    // The framework sets its hook for each creation, so it runs first and
    // attaches the window before this one refuses it.
    HHOOK hHook = ::SetWindowsHookExA(WH_CBT, RefuseCreation, nullptr, ::GetCurrentThreadId());
    ASSERT_NE(hHook, nullptr);
    BOOL bCreated = wnd.Create(nullptr, "", WS_CHILD, CRect(0, 0, 10, 10), &frame, 405);
    ::UnhookWindowsHookEx(hHook);
    EXPECT_FALSE(bCreated);
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_TRUE(wnd.Create(nullptr, "", WS_CHILD, CRect(0, 0, 10, 10), &frame, 406));
}

class CCountingEdit : public CEdit
{
public:
    int nChars = 0;
    int nPreSubclass = 0;
    void PreSubclassWindow() override { ++nPreSubclass; }

protected:
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
    {
        ++nChars;
        if (nChar != 'x')
            CEdit::OnChar(nChar, nRepCnt, nFlags);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCountingEdit, CEdit)
    ON_WM_CHAR()
END_MESSAGE_MAP()

TEST(WindowLife, SubclassingRoutesAnExistingControlThroughTheMap)
{
    CRecordingFrame frame;
    HWND hEdit = ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, frame.m_hWnd, (HMENU)500,
                                   nullptr, nullptr);
    WNDPROC pfnOriginal = (WNDPROC)::GetWindowLongPtrA(hEdit, GWLP_WNDPROC);
    CCountingEdit edit;
    ASSERT_TRUE(edit.SubclassWindow(hEdit));
    EXPECT_EQ(edit.nPreSubclass, 1);
    // A second object cannot take the same window.
    CEdit second;
    EXPECT_FALSE(second.SubclassWindow(hEdit));

    for (char c : std::string("axb"))
        edit.SendMessage(WM_CHAR, (WPARAM)c, 1);
    EXPECT_EQ(edit.nChars, 3);
    CString text;
    edit.GetWindowText(text);
    EXPECT_STREQ(text, "ab");

    EXPECT_EQ(edit.UnsubclassWindow(), hEdit);
    EXPECT_EQ((WNDPROC)::GetWindowLongPtrA(hEdit, GWLP_WNDPROC), pfnOriginal);
    ::SendMessageA(hEdit, WM_CHAR, 'x', 1);
    EXPECT_EQ(edit.nChars, 3);
    ::DestroyWindow(hEdit);
}

TEST(WindowLife, TemporaryObjectsAreReleasedWhenIdle)
{
    CRecordingFrame frame;
    HWND hRaw =
        ::CreateWindowExA(0, "STATIC", "raw", WS_CHILD, 0, 0, 10, 10, frame.m_hWnd, (HMENU)600, nullptr, nullptr);
    CWnd* pTemp = CWnd::FromHandle(hRaw);
    ASSERT_NE(pTemp, nullptr);
    EXPECT_EQ(CWnd::FromHandle(hRaw), pTemp);
    EXPECT_EQ(CWnd::FromHandlePermanent(hRaw), nullptr);
    EXPECT_EQ(frame.GetDlgItem(600), pTemp);
    AfxDeleteTempMaps();
    // The window itself survives the release of its wrapper.
    EXPECT_TRUE(::IsWindow(hRaw));
    CStatic permanent;
    ASSERT_TRUE(permanent.SubclassWindow(hRaw));
    EXPECT_EQ(CWnd::FromHandle(hRaw), &permanent);
    EXPECT_EQ(CWnd::FromHandle(nullptr), nullptr);
}
}
