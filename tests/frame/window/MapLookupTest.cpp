// One lookup through message maps for commands, notifications and window
// messages; the framework's window classes; a window's own procedure coming
// back to it; dialogs that fail to appear.
#include "RecordingParent.h"
#include "DialogTemplate.h"
#include "WindowQueries.h"
#include <gtest/gtest.h>
#include <string>

namespace {
const UINT ID_SHARED = 3000;
const UINT ID_RANGE_FIRST = 3010;
const UINT ID_RANGE_LAST = 3019;

class CBaseTarget : public CCmdTarget
{
public:
    std::string trace;
    const AFX_MSGMAP_ENTRY* Find(UINT nMessage, UINT nCode, UINT nID) const
    {
        return FindMessageEntry(nMessage, nCode, nID);
    }

protected:
    void OnBaseCommand() { trace += "base;"; }
    void OnBaseRange(UINT nID) { trace += "range:" + std::to_string(nID) + ";"; }
    void OnUpdateBase(CCmdUI*) { trace += "update-base;"; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseTarget, CCmdTarget)
    ON_COMMAND(ID_SHARED, OnBaseCommand)
    ON_COMMAND_RANGE(ID_RANGE_FIRST, ID_RANGE_LAST, OnBaseRange)
    ON_UPDATE_COMMAND_UI(ID_SHARED, OnUpdateBase)
END_MESSAGE_MAP()

// Its handlers take a command only when told to; otherwise the base map's turn comes.
class CDerivedTarget : public CBaseTarget
{
public:
    BOOL bTake = FALSE;

protected:
    BOOL OnDerivedCommand(UINT nID)
    {
        trace += "derived:" + std::to_string(nID) + ";";
        return bTake;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedTarget, CBaseTarget)
    ON_COMMAND_EX(ID_SHARED, OnDerivedCommand)
    ON_COMMAND_EX(ID_RANGE_FIRST + 1, OnDerivedCommand)
END_MESSAGE_MAP()

TEST(MapLookup, CommandsGoOnIntoBaseMapsPastDeclinedEntries)
{
    struct Case
    {
        UINT nID;
        BOOL bTake;
        BOOL bHandled;
        const char* trace;
    };
    const Case cases[] = {
        { ID_SHARED, FALSE, TRUE, "derived:3000;base;" },
        { ID_SHARED, TRUE, TRUE, "derived:3000;" },
        { ID_RANGE_FIRST + 1, FALSE, TRUE, "derived:3011;range:3011;" },
        { ID_RANGE_FIRST + 1, TRUE, TRUE, "derived:3011;" },
        { ID_RANGE_FIRST, FALSE, TRUE, "range:3010;" },
        { ID_RANGE_LAST, FALSE, TRUE, "range:3019;" },
        { ID_RANGE_LAST + 1, FALSE, FALSE, "" },
        { ID_RANGE_FIRST - 1, FALSE, FALSE, "" },
    };
    for (const Case& c : cases) {
        CDerivedTarget target;
        target.bTake = c.bTake;
        EXPECT_EQ(target.OnCmdMsg(c.nID, CN_COMMAND, nullptr, nullptr), c.bHandled) << c.nID << " take " << c.bTake;
        EXPECT_EQ(target.trace, c.trace) << c.nID << " take " << c.bTake;
    }

    // Update requests and notifications find only their own kind of entry.
    CDerivedTarget target;
    CCmdUI state;
    state.m_nID = ID_SHARED;
    EXPECT_TRUE(target.OnCmdMsg(ID_SHARED, (int)CN_UPDATE_COMMAND_UI, &state, nullptr));
    EXPECT_FALSE(target.OnCmdMsg(ID_RANGE_FIRST, (int)CN_UPDATE_COMMAND_UI, &state, nullptr));
    NMHDR hdr = { nullptr, ID_SHARED, (UINT)NM_CLICK };
    LRESULT lResult = 0;
    AFX_NOTIFY notify = { &lResult, &hdr };
    EXPECT_FALSE(target.OnCmdMsg(ID_SHARED, (int)MAKELONG(NM_CLICK, WM_NOTIFY), &notify, nullptr));
    EXPECT_EQ(target.trace, "update-base;");
}

TEST(MapLookup, HandlerQueriesReportTheFirstEntryWithoutCallingIt)
{
    CDerivedTarget target;
    AFX_CMDHANDLERINFO info = {};
    ASSERT_TRUE(target.OnCmdMsg(ID_SHARED, CN_COMMAND, nullptr, &info));
    EXPECT_EQ(info.pTarget, &target);
    EXPECT_EQ(info.pEntry, target.Find(WM_COMMAND, CN_COMMAND, ID_SHARED));
    EXPECT_EQ(target.trace, "");
    // It is the derived class's entry, though the base one would take the command.
    LRESULT lResult = 0;
    AFX_MSGCALL call = { WM_COMMAND, 0, 0, ID_SHARED, nullptr, &lResult };
    ASSERT_NE(info.pEntry, nullptr);
    info.pEntry->pfn(&target, call);
    EXPECT_EQ(target.trace, "derived:3000;");

    AFX_CMDHANDLERINFO none = {};
    EXPECT_FALSE(target.OnCmdMsg(ID_RANGE_LAST + 1, CN_COMMAND, nullptr, &none));
    EXPECT_EQ(none.pEntry, nullptr);

    // Ranges match anywhere inside, codes compare as 16 bits, and the kinds stay apart.
    const AFX_MSGMAP_ENTRY* pRange = target.Find(WM_COMMAND, CN_COMMAND, ID_RANGE_FIRST + 5);
    ASSERT_NE(pRange, nullptr);
    EXPECT_EQ(pRange->nID, ID_RANGE_FIRST);
    EXPECT_EQ(pRange->nLastID, ID_RANGE_LAST);
    EXPECT_EQ(target.Find(WM_COMMAND, 0x10000 | CN_COMMAND, ID_RANGE_FIRST + 5), pRange);
    const AFX_MSGMAP_ENTRY* pUpdate = target.Find(WM_COMMAND, CN_UPDATE_COMMAND_UI, ID_SHARED);
    ASSERT_NE(pUpdate, nullptr);
    EXPECT_EQ(pUpdate->nCode, CN_UPDATE_COMMAND_UI);
    EXPECT_EQ(target.Find(WM_NOTIFY, CN_COMMAND, ID_SHARED), nullptr);
    EXPECT_EQ(target.Find(WM_COMMAND, CN_COMMAND, ID_RANGE_LAST + 1), nullptr);
}

const UINT g_msgBase = ::RegisterWindowMessageA("ZUZIVU70.MapLookup.Base");
const UINT g_msgDerived = ::RegisterWindowMessageA("ZUZIVU70.MapLookup.Derived");
const UINT g_msgNobody = ::RegisterWindowMessageA("ZUZIVU70.MapLookup.Nobody");

class CRegisteredBase : public CWnd
{
public:
    std::string trace;

protected:
    LRESULT OnBase(WPARAM w, LPARAM)
    {
        trace += "base:" + std::to_string(w) + ";";
        return 31;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRegisteredBase, CWnd)
    ON_REGISTERED_MESSAGE(g_msgBase, OnBase)
END_MESSAGE_MAP()

class CRegisteredDerived : public CRegisteredBase
{
protected:
    LRESULT OnDerived(WPARAM w, LPARAM)
    {
        trace += "derived:" + std::to_string(w) + ";";
        return 32;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRegisteredDerived, CRegisteredBase)
    ON_REGISTERED_MESSAGE(g_msgDerived, OnDerived)
END_MESSAGE_MAP()

TEST(MapLookup, RegisteredMessagesReachTheEntryOfTheirOwnNumber)
{
    CRecordingFrame frame;
    CRegisteredDerived wnd;
    ASSERT_TRUE(wnd.Create(nullptr, "", WS_CHILD, CRect(0, 0, 10, 10), &frame, 700));
    ASSERT_NE(g_msgBase, g_msgDerived);
    // The derived entry for another registered message declines, so the base's is found.
    EXPECT_EQ(wnd.SendMessage(g_msgBase, 1), 31);
    EXPECT_EQ(wnd.SendMessage(g_msgDerived, 2), 32);
    EXPECT_EQ(wnd.SendMessage(g_msgNobody, 3), 0);
    // A plain user message never matches the registered entries.
    EXPECT_EQ(wnd.SendMessage(WM_APP + 40, 4), 0);
    EXPECT_EQ(wnd.trace, "base:1;derived:2;");
}

// Attributes of a registered class of this program.
struct ClassAttributes
{
    bool bFound;
    UINT style;
    HCURSOR hCursor;
    HBRUSH hbrBackground;
    HICON hIcon;
};

ClassAttributes ClassOf(LPCSTR lpszClass)
{
    WNDCLASSA wc = {};
    bool bFound = ::GetClassInfoA(::GetModuleHandleA(nullptr), lpszClass, &wc) != FALSE;
    return { bFound, wc.style, wc.hCursor, wc.hbrBackground, wc.hIcon };
}

TEST(WindowClasses, EqualRequestsShareOneClassWithExactlyTheAttributesAsked)
{
    HCURSOR hCross = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32515));  // IDC_CROSS
    HBRUSH hbr = reinterpret_cast<HBRUSH>(COLOR_3DFACE + 1);
    HICON hIcon = ::LoadIconA(nullptr, MAKEINTRESOURCEA(32516));  // IDI_INFORMATION
    LPCSTR a = AfxRegisterWndClass(CS_HREDRAW | CS_DBLCLKS, hCross, hbr, hIcon);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(AfxRegisterWndClass(CS_HREDRAW | CS_DBLCLKS, hCross, hbr, hIcon), a);
    LPCSTR b = AfxRegisterWndClass(CS_VREDRAW, hCross, hbr, hIcon);
    ASSERT_NE(b, nullptr);
    EXPECT_STRNE(a, b);
    LPCSTR c = AfxRegisterWndClass(0);
    ASSERT_NE(c, nullptr);
    EXPECT_STRNE(a, c);

    ClassAttributes attrA = ClassOf(a);
    ASSERT_TRUE(attrA.bFound);
    EXPECT_EQ(attrA.style, (UINT)(CS_HREDRAW | CS_DBLCLKS | CS_GLOBALCLASS));
    EXPECT_EQ(attrA.hCursor, hCross);
    EXPECT_EQ(attrA.hbrBackground, hbr);
    EXPECT_EQ(attrA.hIcon, hIcon);
    ClassAttributes attrC = ClassOf(c);
    ASSERT_TRUE(attrC.bFound);
    EXPECT_EQ(attrC.style, (UINT)CS_GLOBALCLASS);
    EXPECT_EQ(attrC.hCursor, nullptr);
    EXPECT_EQ(attrC.hbrBackground, nullptr);

    // A window of such a class runs through its object's map like any other.
    CRecordingFrame frame;
    CRegisteredDerived wnd;
    ASSERT_TRUE(wnd.Create(a, "", WS_CHILD, CRect(0, 0, 10, 10), &frame, 701));
    EXPECT_EQ(ClassOf(wnd.m_hWnd), a);
    EXPECT_EQ(wnd.SendMessage(g_msgDerived, 5), 32);
}

TEST(WindowClasses, DefaultClassesOfWindowsAndFrames)
{
    HCURSOR hArrow = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    CRecordingFrame frame;
    EXPECT_EQ(ClassOf(frame.m_hWnd), AFX_FRAME_CLASS);
    ClassAttributes attrFrame = ClassOf(AFX_FRAME_CLASS);
    ASSERT_TRUE(attrFrame.bFound);
    EXPECT_EQ(attrFrame.style, (UINT)(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW | CS_GLOBALCLASS));
    EXPECT_EQ(attrFrame.hCursor, hArrow);
    EXPECT_EQ(attrFrame.hbrBackground, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    EXPECT_EQ(attrFrame.hIcon, nullptr);

    CWnd child;
    ASSERT_TRUE(child.Create(nullptr, "", WS_CHILD, CRect(0, 0, 10, 10), &frame, 702));
    EXPECT_EQ(ClassOf(child.m_hWnd), AFX_WND_CLASS);
    ClassAttributes attrWnd = ClassOf(AFX_WND_CLASS);
    ASSERT_TRUE(attrWnd.bFound);
    EXPECT_EQ(attrWnd.style, (UINT)(CS_DBLCLKS | CS_GLOBALCLASS));
    EXPECT_EQ(attrWnd.hCursor, hArrow);
    EXPECT_EQ(attrWnd.hbrBackground, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    EXPECT_EQ(attrWnd.hIcon, nullptr);
}

WNDPROC g_pfnUnderOutsider = nullptr;
LRESULT CALLBACK OutsiderProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::CallWindowProcA(g_pfnUnderOutsider, hWnd, message, wParam, lParam);
}

TEST(WindowLife, AWindowStillAliveGoesWithItsObject)
{
    CRecordingFrame frame;
    HWND hEdit = ::CreateWindowExA(0, "EDIT", "", WS_CHILD, 0, 0, 100, 20, frame.m_hWnd, (HMENU)710, nullptr, nullptr);
    ASSERT_NE(hEdit, nullptr);
    {
        CEdit edit;
        ASSERT_TRUE(edit.SubclassWindow(hEdit));
        EXPECT_EQ((WNDPROC)::GetWindowLongPtrA(hEdit, GWLP_WNDPROC), AfxWndProc);
    }
    // It used to stay behind, with its own procedure back: whatever it ran
    // (a label's flash timer) went on without the object.
    EXPECT_FALSE(::IsWindow(hEdit));
    EXPECT_EQ(CWnd::FromHandlePermanent(hEdit), nullptr);

    // Someone else subclassed the window after us: it is destroyed all the
    // same, through their procedure, which still reaches ours safely.
    hEdit = ::CreateWindowExA(0, "EDIT", "", WS_CHILD, 0, 0, 100, 20, frame.m_hWnd, (HMENU)711, nullptr, nullptr);
    {
        CEdit edit;
        ASSERT_TRUE(edit.SubclassWindow(hEdit));
        g_pfnUnderOutsider = (WNDPROC)::SetWindowLongPtrA(hEdit, GWLP_WNDPROC, (LONG_PTR)OutsiderProc);
        EXPECT_EQ(g_pfnUnderOutsider, AfxWndProc);
    }
    EXPECT_FALSE(::IsWindow(hEdit));

    // A wrapper that only borrowed the handle (detached before it goes, or a
    // temporary one) leaves the window alone.
    hEdit = ::CreateWindowExA(0, "EDIT", "", WS_CHILD, 0, 0, 100, 20, frame.m_hWnd, (HMENU)712, nullptr, nullptr);
    {
        CEdit edit;
        ASSERT_TRUE(edit.Attach(hEdit));
        edit.Detach();
    }
    EXPECT_TRUE(::IsWindow(hEdit));
    EXPECT_EQ(CWnd::FromHandle(hEdit)->m_hWnd, hEdit);
    CWnd::DeleteTempMap();
    EXPECT_TRUE(::IsWindow(hEdit));
    ::DestroyWindow(hEdit);
}

TEST(WindowLife, AnObjectDeletedFirstTakesAFrameAndItsChildrenWithIt)
{
    auto* pFrame = new CRecordingFrame;
    HWND hFrame = pFrame->m_hWnd;
    CEdit child;
    ASSERT_TRUE(child.Create(WS_CHILD, CRect(0, 0, 50, 20), pFrame, 713));
    HWND hChild = child.m_hWnd;
    delete pFrame;
    EXPECT_FALSE(::IsWindow(hFrame));
    EXPECT_FALSE(::IsWindow(hChild));
    EXPECT_EQ(child.m_hWnd, nullptr) << "the child's object heard its window go";
}

LRESULT CALLBACK RefuseDialogs(int code, WPARAM, LPARAM) { return code == HCBT_CREATEWND ? 1 : 0; }

TEST(WindowLife, ADialogThatFailsToAppearLeavesTheObjectReusable)
{
    CRecordingFrame frame;
    DialogTemplate broken("Broken", 100, 60);
    broken.Add("ZUZIVU70NoSuchControlClass", "", 100, WS_VISIBLE, 5, 5, 50, 12);
    DialogTemplate good("Good", 100, 60);
    good.Add("EDIT", "", 101, WS_VISIBLE | WS_BORDER, 5, 5, 50, 12);

    CRecordingDialog dlg(broken);
    EXPECT_FALSE(dlg.CreateModeless(&frame));
    EXPECT_EQ(dlg.m_hWnd, nullptr);

    // Refused by a hook that runs after the framework attached the dialog.
    CRecordingDialog refused(good);
    HHOOK hHook = ::SetWindowsHookExA(WH_CBT, RefuseDialogs, nullptr, ::GetCurrentThreadId());
    ASSERT_NE(hHook, nullptr);
    BOOL bCreated = refused.CreateModeless(&frame);
    ::UnhookWindowsHookEx(hHook);
    EXPECT_FALSE(bCreated);
    EXPECT_EQ(refused.m_hWnd, nullptr);

    ASSERT_TRUE(refused.CreateModeless(&frame));
    EXPECT_EQ(CWnd::FromHandlePermanent(refused.m_hWnd), &refused);
    EXPECT_NE(refused.GetDlgItem(101), nullptr);
    refused.DestroyWindow();
    EXPECT_EQ(refused.m_hWnd, nullptr);
}
}  // namespace
