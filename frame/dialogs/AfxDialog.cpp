// CDialog: modal dialogs through the framework's own loop, and modeless ones.
#include "AfxDialog.h"
#include "AfxModalOwner.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog() = default;

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_lpszTemplateName(MAKEINTRESOURCEA(nIDTemplate)), m_nIDHelp(nIDTemplate), m_pParentWnd(pParentWnd)
{}

CDialog::CDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd)
    : m_lpszTemplateName(lpszTemplateName), m_pParentWnd(pParentWnd)
{}

CDialog::~CDialog()
{
    if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
}

BOOL CDialog::LoadTemplate(LPCDLGTEMPLATE* ppTemplate, HINSTANCE* phInst) const
{
    if (m_lpDialogTemplate != nullptr) {
        *ppTemplate = m_lpDialogTemplate;
        *phInst = AfxGetResourceHandle();
        return TRUE;
    }
    if (m_lpszTemplateName == nullptr)
        return FALSE;
    HINSTANCE hInst = AfxFindResourceHandle(m_lpszTemplateName, MAKEINTRESOURCEA(5) /* RT_DIALOG */);
    HRSRC hResource = ::FindResourceA(hInst, m_lpszTemplateName, MAKEINTRESOURCEA(5));
    HGLOBAL hTemplate = hResource != nullptr ? ::LoadResource(hInst, hResource) : nullptr;
    if (hTemplate == nullptr)
        return FALSE;
    *ppTemplate = static_cast<LPCDLGTEMPLATE>(::LockResource(hTemplate));
    *phInst = hInst;
    return *ppTemplate != nullptr;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM, LPARAM)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    auto* pDlg = DYNAMIC_DOWNCAST(CDialog, CWnd::FromHandlePermanent(hWnd));
    return pDlg != nullptr ? pDlg->OnInitDialog() : TRUE;
}

BOOL CDialog::CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst)
{
    if (lpDialogTemplate == nullptr || m_hWnd != nullptr)
        return FALSE;
    if (hInst == nullptr)
        hInst = AfxGetResourceHandle();
    // A dialog may end itself while it initialises (OnInitDialog when its
    // initial data cannot be applied). DoModal sees that by the modal flag;
    // a modeless dialog gets the flag for its creation, and one that ended
    // is not left behind half made: it counts as not created.
    const bool bModeless = (m_nFlags & WF_CONTINUEMODAL) == 0;
    if (bModeless)
        m_nFlags |= WF_CONTINUEMODAL;
    AfxHookWindowCreate(this);
    BOOL bCreated = EndHookedCreate(
        ::CreateDialogIndirectParamA(hInst, lpDialogTemplate, pParentWnd->GetSafeHwnd(), DialogProc, 0));
    if (!bModeless)
        return bCreated;
    const bool bEnded = (m_nFlags & WF_CONTINUEMODAL) == 0;
    m_nFlags &= ~WF_CONTINUEMODAL;
    if (bCreated && bEnded) {
        DestroyWindow();
        return FALSE;
    }
    return bCreated;
}

BOOL CDialog::Create(LPCSTR lpszTemplateName, CWnd* pParentWnd)
{
    m_lpszTemplateName = lpszTemplateName;
    if (pParentWnd == nullptr)
        pParentWnd = AfxGetMainWnd();
    m_pParentWnd = pParentWnd;
    LPCDLGTEMPLATE lpTemplate;
    HINSTANCE hInst;
    if (!LoadTemplate(&lpTemplate, &hInst))
        return FALSE;
    return CreateDlgIndirect(lpTemplate, pParentWnd, hInst);
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    m_nIDHelp = nIDTemplate;
    return Create(MAKEINTRESOURCEA(nIDTemplate), pParentWnd);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst)
{
    if (pParentWnd == nullptr)
        pParentWnd = AfxGetMainWnd();
    m_pParentWnd = pParentWnd;
    return CreateDlgIndirect(lpDialogTemplate, pParentWnd, hInst);
}

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd)
{
    m_lpDialogTemplate = lpDialogTemplate;
    m_pParentWnd = pParentWnd;
    return lpDialogTemplate != nullptr;
}

INT_PTR CDialog::DoModal()
{
    LPCDLGTEMPLATE lpTemplate;
    HINSTANCE hInst;
    if (!LoadTemplate(&lpTemplate, &hInst) || m_hWnd != nullptr)
        return -1;

    HWND hWndParent = GetSafeOwner(m_pParentWnd)->GetSafeHwnd();
    BOOL bEnableParent = FALSE;
    if (hWndParent != nullptr && ::IsWindowEnabled(hWndParent)) {
        ::EnableWindow(hWndParent, FALSE);
        bEnableParent = TRUE;
    }

    m_nModalResult = -1;
    m_nFlags |= WF_CONTINUEMODAL;
    // Holds the owner disabled while the loop is to go on.
    CAfxModalOwner record(hWndParent, this);
    if (CreateDlgIndirect(lpTemplate, CWnd::FromHandle(hWndParent), hInst)) {
        // OnInitDialog may already have ended the dialog.
        if (m_nFlags & WF_CONTINUEMODAL) {
            ::ShowWindow(m_hWnd, SW_SHOWNORMAL);
            RunModalLoop((GetStyle() & DS_NOIDLEMSG) ? MLF_NOIDLEMSG : 0);
        }
        if (m_hWnd != nullptr)
            ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                           SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    }
    m_nFlags &= ~WF_CONTINUEMODAL;

    // The owner is enabled again before the dialog goes, so activation returns to it.
    if (bEnableParent)
        ::EnableWindow(hWndParent, TRUE);
    if (hWndParent != nullptr && AfxIsSameHandle(::GetActiveWindow(), m_hWnd))
        ::SetActiveWindow(hWndParent);
    DestroyWindow();
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult)
{
    if (m_nFlags & (WF_MODALLOOP | WF_CONTINUEMODAL))
        EndModalLoop(nResult);
    if (m_hWnd != nullptr) {
        HWND hOwner = CAfxModalOwner::OwnerOf(m_hWnd);
        ::EndDialog(m_hWnd, nResult);
        // An owner another modal window still holds stays disabled.
        CAfxModalOwner::KeepHeld(hOwner, nullptr);
    }
}

BOOL CDialog::OnInitDialog()
{
    // The dialog manager leaves a template's list entries to us; they come
    // first so the data exchange can select in them. A dialog whose entries
    // could not all be applied would open with lists half filled: it ends
    // at once instead, as a dialog that could not be created (-1).
    if (m_lpDialogTemplate == nullptr && m_lpszTemplateName != nullptr && !ExecuteDlgInit(m_lpszTemplateName)) {
        EndDialog(-1);
        return FALSE;
    }
    // Controls show the members' values from the start.
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    // Keyboard and mouse input gets the dialog manager's navigation (Tab, Enter,
    // Escape, mnemonics) for this dialog's own controls.
    bool bKey = pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST;
    bool bMouse = pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST;
    if (!bKey && !bMouse)
        return FALSE;
    if (!AfxIsSameHandle(pMsg->hwnd, m_hWnd) && !::IsChild(m_hWnd, pMsg->hwnd))
        return FALSE;
    return ::IsDialogMessageA(m_hWnd, pMsg);
}

BOOL CDialog::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    // Commands the dialog does not handle may be the application's.
    if (nCode != CN_COMMAND && (UINT)nCode != CN_UPDATE_COMMAND_UI)
        return FALSE;
    CWinApp* pApp = AfxGetApp();
    return pApp != nullptr && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CDialog::MapDialogRect(LPRECT lpRect) const { ::MapDialogRect(m_hWnd, lpRect); }
void CDialog::NextDlgCtrl() const { ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 0, 0); }
void CDialog::PrevDlgCtrl() const { ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 1, 0); }
void CDialog::GotoDlgCtrl(CWnd* pWndCtrl)
{
    ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, (WPARAM)pWndCtrl->GetSafeHwnd(), 1L);
}
void CDialog::SetDefID(UINT nID) { ::SendMessageA(m_hWnd, DM_SETDEFID, nID, 0); }
DWORD CDialog::GetDefID() const { return (DWORD)::SendMessageA(m_hWnd, DM_GETDEFID, 0, 0); }
