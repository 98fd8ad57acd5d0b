#include "QELEdit.h"
#include "QELDpi.h"

namespace {
// The edit's single tool.
const UINT_PTR kToolId = 1;
// Longer tips wrap onto further lines: 400 pixels at 96 DPI, wider as the
// tip's font grows with the DPI, so a tip wraps after the same words.
const int kMaxTipWidth = 400;
}

IMPLEMENT_DYNAMIC(QELEdit, CEdit)

BEGIN_MESSAGE_MAP(QELEdit, CEdit)
END_MESSAGE_MAP()

QELEdit::QELEdit() = default;

QELEdit::~QELEdit()
{
    if (m_ToolTip.GetSafeHwnd() != nullptr)
        m_ToolTip.DestroyWindow();
}

void QELEdit::InitToolTip()
{
    // A tooltip with no edit to belong to would float free of any window.
    if (m_ToolTip.GetSafeHwnd() != nullptr || !::IsWindow(GetSafeHwnd()))
        return;
    if (!m_ToolTip.Create(this, 0))
        return;
    m_ToolTip.Activate(FALSE);
    m_ToolTip.SetMaxTipWidth(qel_dpi::Scale(kMaxTipWidth, qel_dpi::DpiOf(m_hWnd)));
}

void QELEdit::SetTooltipText(const char* text, BOOL bActivate)
{
    if (text == nullptr)
        return;
    InitToolTip();
    if (m_ToolTip.GetSafeHwnd() == nullptr)
        return;
    if (m_ToolTip.GetToolCount() == 0) {
        GetClientRect(&m_rectTool);
        m_ToolTip.AddTool(this, text, &m_rectTool, kToolId);
    }
    m_ToolTip.UpdateTipText(text, this, kToolId);
    m_ToolTip.Activate(bActivate);
}

void QELEdit::SetTooltipText(int nId, BOOL bActivate)
{
    CString strText;
    if (strText.LoadString(static_cast<UINT>(nId)) && !strText.IsEmpty())
        SetTooltipText(static_cast<LPCSTR>(strText), bActivate);
}

void QELEdit::ActivateTooltip(BOOL bActivate)
{
    if (m_ToolTip.GetToolCount() != 0)
        m_ToolTip.Activate(bActivate);
}

BOOL QELEdit::PreTranslateMessage(MSG* pMsg)
{
    InitToolTip();
    if (pMsg != nullptr && pMsg->message == WM_MOUSEMOVE && m_ToolTip.GetToolCount() != 0) {
        // The tool was placed over the client area as it was then; keep it covering the edit.
        CRect rectClient;
        GetClientRect(&rectClient);
        if (rectClient != m_rectTool) {
            m_rectTool = rectClient;
            m_ToolTip.SetToolRect(this, kToolId, &m_rectTool);
        }
    }
    m_ToolTip.RelayEvent(pMsg);
    return CEdit::PreTranslateMessage(pMsg);
}

void QELEdit::PostNcDestroy()
{
    // The tip is owned by the edit's top-level window and would outlive the edit.
    if (m_ToolTip.GetSafeHwnd() != nullptr)
        m_ToolTip.DestroyWindow();
    CEdit::PostNcDestroy();
}
