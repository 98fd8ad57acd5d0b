// CFrameWnd bar state: where each bar is (side, row, place, floating frame),
// whether it shows, and where it last docked and floated, saved and restored
// through the application's profile functions.
//
// Layout under the profile name P:
//   P-Summary: Bars = number of records
//   P-Bar<n>:  BarID, Visible, Floating, XPos, YPos (floating frame on the
//              screen, or place in the dock bar), MRUWidth, and the dock
//              context's MRUDockID, MRUDockLeft/Top/Right/Bottom,
//              MRUFloatStyle, MRUFloatX/Y; a dock bar adds Bars = entry count
//              and Bar#<i> = a bar's id, a placeholder's id + 0x10000, or 0
//              for a row end.
#include "AfxDockBar.h"
#include "afxext.h"

namespace {
const UINT kPlaceholderFlag = 0x10000;

struct CBarRecord
{
    UINT nID = 0;
    bool bVisible = true;
    bool bFloating = false;
    CPoint ptPos;
    UINT nMRUWidth = 32767;
    bool bDockBar = false;
    CUIntArray arrEntries;
    UINT uMRUDockID = 0;
    CRect rectMRUDockPos;
    DWORD dwMRUFloatStyle = CBRS_ALIGN_TOP;
    CPoint ptMRUFloatPos;
};

CString SectionName(LPCSTR lpszProfileName, int nIndex)
{
    CString str;
    str.Format("%s-Bar%d", lpszProfileName, nIndex);
    return str;
}

void WriteInt(CWinApp* pApp, LPCSTR lpszSection, LPCSTR lpszEntry, int nValue)
{
    pApp->WriteProfileInt(lpszSection, lpszEntry, nValue);
}

int ReadInt(CWinApp* pApp, LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault)
{
    return (int)pApp->GetProfileInt(lpszSection, lpszEntry, nDefault);
}

bool ReadRecord(CWinApp* pApp, LPCSTR lpszSection, CBarRecord& rec)
{
    rec.nID = (UINT)ReadInt(pApp, lpszSection, "BarID", 0);
    if (rec.nID == 0 || rec.nID >= kPlaceholderFlag)
        return false;
    rec.bVisible = ReadInt(pApp, lpszSection, "Visible", TRUE) != 0;
    rec.bFloating = ReadInt(pApp, lpszSection, "Floating", FALSE) != 0;
    rec.ptPos = CPoint(ReadInt(pApp, lpszSection, "XPos", -2), ReadInt(pApp, lpszSection, "YPos", -2));
    rec.nMRUWidth = (UINT)ReadInt(pApp, lpszSection, "MRUWidth", 32767);
    rec.uMRUDockID = (UINT)ReadInt(pApp, lpszSection, "MRUDockID", 0);
    rec.rectMRUDockPos =
        CRect(ReadInt(pApp, lpszSection, "MRUDockLeft", 0), ReadInt(pApp, lpszSection, "MRUDockTop", 0),
              ReadInt(pApp, lpszSection, "MRUDockRight", 0), ReadInt(pApp, lpszSection, "MRUDockBottom", 0));
    rec.dwMRUFloatStyle = (DWORD)ReadInt(pApp, lpszSection, "MRUFloatStyle", CBRS_ALIGN_TOP);
    rec.ptMRUFloatPos =
        CPoint(ReadInt(pApp, lpszSection, "MRUFloatX", -1), ReadInt(pApp, lpszSection, "MRUFloatY", -1));
    int nEntries = ReadInt(pApp, lpszSection, "Bars", -1);
    rec.bDockBar = nEntries >= 0;
    // A damaged count is not followed into a huge loop.
    for (int i = 0; i < nEntries && i < 4096; i++) {
        CString strEntry;
        strEntry.Format("Bar#%d", i);
        rec.arrEntries.Add((UINT)ReadInt(pApp, lpszSection, strEntry, 0));
    }
    return true;
}

const CBarRecord* FindRecord(const CArray<CBarRecord*, CBarRecord*>& records, UINT nID)
{
    for (INT_PTR i = 0; i < records.GetSize(); i++)
        if (records[i]->nID == nID && !records[i]->bDockBar)
            return records[i];
    return nullptr;
}
}

void CFrameWnd::SaveBarState(LPCSTR lpszProfileName) const
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr || lpszProfileName == nullptr)
        return;
    int nIndex = 0;
    POSITION pos = m_listControlBars.GetHeadPosition();
    while (pos != nullptr) {
        auto* pBar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
        UINT nID = pBar->m_hWnd != nullptr ? (UINT)pBar->GetDlgCtrlID() : 0;
        if (nID == 0 || nID >= kPlaceholderFlag)
            continue;
        // Floating dock bars come and go with their bars.
        if (pBar->IsDockBar() && static_cast<CDockBar*>(pBar)->m_bFloating)
            continue;
        CString strSection = SectionName(lpszProfileName, nIndex++);
        WriteInt(pApp, strSection, "BarID", (int)nID);
        WriteInt(pApp, strSection, "Visible", pBar->IsVisible() ? 1 : 0);
        BOOL bFloating = !pBar->IsDockBar() && pBar->IsFloating();
        WriteInt(pApp, strSection, "Floating", bFloating ? 1 : 0);
        CRect rect;
        if (bFloating) {
            pBar->GetDockingFrame()->GetWindowRect(&rect);
        } else {
            pBar->GetWindowRect(&rect);
            CWnd* pParent = pBar->GetParent();
            if (pParent != nullptr)
                pParent->ScreenToClient(&rect);
        }
        WriteInt(pApp, strSection, "XPos", rect.left);
        WriteInt(pApp, strSection, "YPos", rect.top);
        WriteInt(pApp, strSection, "MRUWidth", (int)pBar->m_nMRUWidth);
        if (const CDockContext* pContext = pBar->m_pDockContext) {
            WriteInt(pApp, strSection, "MRUDockID", (int)pContext->m_uMRUDockID);
            WriteInt(pApp, strSection, "MRUDockLeft", pContext->m_rectMRUDockPos.left);
            WriteInt(pApp, strSection, "MRUDockTop", pContext->m_rectMRUDockPos.top);
            WriteInt(pApp, strSection, "MRUDockRight", pContext->m_rectMRUDockPos.right);
            WriteInt(pApp, strSection, "MRUDockBottom", pContext->m_rectMRUDockPos.bottom);
            WriteInt(pApp, strSection, "MRUFloatStyle", (int)pContext->m_dwMRUFloatStyle);
            WriteInt(pApp, strSection, "MRUFloatX", pContext->m_ptMRUFloatPos.x);
            WriteInt(pApp, strSection, "MRUFloatY", pContext->m_ptMRUFloatPos.y);
        }
        if (pBar->IsDockBar()) {
            auto* pDockBar = static_cast<CDockBar*>(pBar);
            int nEntries = 0;
            for (INT_PTR i = 1; i < pDockBar->m_arrBars.GetSize(); i++) {
                void* pEntry = pDockBar->m_arrBars[i];
                UINT nEntry = 0;
                if (CDockBar::IsPlaceholder(pEntry))
                    nEntry = (UINT)(UINT_PTR)pEntry | kPlaceholderFlag;
                else if (pEntry != nullptr)
                    nEntry = static_cast<CControlBar*>(pEntry)->m_hWnd != nullptr
                                 ? (UINT) static_cast<CControlBar*>(pEntry)->GetDlgCtrlID()
                                 : 0;
                if (pEntry != nullptr && (nEntry == 0 || (nEntry & 0xFFFF) == 0))
                    continue;  // a bar without an id cannot be found again
                CString strEntry;
                strEntry.Format("Bar#%d", nEntries++);
                WriteInt(pApp, strSection, strEntry, (int)nEntry);
            }
            WriteInt(pApp, strSection, "Bars", nEntries);
        } else {
            WriteInt(pApp, strSection, "Bars", -1);
        }
    }
    CString strSummary;
    strSummary.Format("%s-Summary", lpszProfileName);
    WriteInt(pApp, strSummary, "Bars", nIndex);
}

void CFrameWnd::LoadBarState(LPCSTR lpszProfileName)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr || lpszProfileName == nullptr)
        return;
    CString strSummary;
    strSummary.Format("%s-Summary", lpszProfileName);
    int nCount = ReadInt(pApp, strSummary, "Bars", 0);
    if (nCount <= 0 || nCount > 1024)
        return;
    CArray<CBarRecord*, CBarRecord*> records;
    for (int i = 0; i < nCount; i++) {
        auto* pRec = new CBarRecord;
        if (ReadRecord(pApp, SectionName(lpszProfileName, i), *pRec))
            records.Add(pRec);
        else
            delete pRec;
    }

    // Bars that floated float again where they were.
    for (INT_PTR i = 0; i < records.GetSize(); i++) {
        const CBarRecord& rec = *records[i];
        CControlBar* pBar = GetControlBar(rec.nID);
        if (rec.bDockBar || pBar == nullptr || pBar->IsDockBar())
            continue;
        pBar->m_nMRUWidth = rec.nMRUWidth;
        if (rec.bFloating)
            FloatControlBar(pBar, rec.ptPos, rec.dwMRUFloatStyle);
    }

    // Each side gets its rows back: bars, placeholders and row ends in order.
    for (INT_PTR i = 0; i < records.GetSize(); i++) {
        const CBarRecord& rec = *records[i];
        CControlBar* pFound = GetControlBar(rec.nID);
        if (!rec.bDockBar || pFound == nullptr || !pFound->IsDockBar())
            continue;
        auto* pDockBar = static_cast<CDockBar*>(pFound);
        CPtrArray arrOld;
        arrOld.Copy(pDockBar->m_arrBars);
        pDockBar->m_arrBars.RemoveAll();
        pDockBar->m_arrBars.Add(nullptr);
        for (INT_PTR n = 0; n < rec.arrEntries.GetSize(); n++) {
            UINT nEntry = rec.arrEntries[n];
            if (nEntry == 0) {
                if (pDockBar->m_arrBars[pDockBar->m_arrBars.GetUpperBound()] != nullptr)
                    pDockBar->m_arrBars.Add(nullptr);
                continue;
            }
            UINT nID = nEntry & 0xFFFF;
            CControlBar* pBar = GetControlBar(nID);
            const CBarRecord* pBarRec = FindRecord(records, nID);
            if ((nEntry & kPlaceholderFlag) || pBar == nullptr || pBar->IsDockBar() ||
                (pBarRec != nullptr && pBarRec->bFloating)) {
                // The place of a bar that is elsewhere now.
                if (pDockBar->FindPlaceholder(nID) < 0)
                    pDockBar->m_arrBars.Add(reinterpret_cast<void*>((UINT_PTR)nID));
                continue;
            }
            if (pDockBar->FindBar(pBar) >= 0)
                continue;
            // Moved in: parent first, then out of where it was.
            CDockBar* pOld = pBar->m_pDockBar;
            if (pBar->GetParent() != pDockBar)
                pBar->SetParent(pDockBar);
            pBar->m_pDockBar = pDockBar;
            if (pOld != nullptr && pOld != pDockBar) {
                if (pOld->m_bFloating) {
                    pOld->RemoveControlBar(pBar);
                } else {
                    pOld->ForgetBar(pBar);
                    // Its old place may not have been restored yet.
                    for (INT_PTR k = 0; k < arrOld.GetSize(); k++)
                        if (arrOld[k] == pBar)
                            arrOld[k] = reinterpret_cast<void*>((UINT_PTR)nID);
                }
            }
            pBar->m_pDockBar = pDockBar;
            DWORD dwStyle = (pBar->GetBarStyle() & ~(CBRS_ALIGN_ANY | CBRS_FLOATING)) |
                            (pDockBar->m_dwStyle & CBRS_ALIGN_ANY) | CBRS_BORDER_ANY;
            pBar->SetBarStyle(dwStyle);
            if (pBarRec != nullptr)
                pBar->SetWindowPos(nullptr, pBarRec->ptPos.x, pBarRec->ptPos.y, 0, 0,
                                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            pDockBar->m_arrBars.Add(pBar);
        }
        if (pDockBar->m_arrBars[pDockBar->m_arrBars.GetUpperBound()] != nullptr)
            pDockBar->m_arrBars.Add(nullptr);
        // Bars docked here that the saved state does not know keep a row.
        for (INT_PTR k = 0; k < arrOld.GetSize(); k++) {
            void* pEntry = arrOld[k];
            if (pEntry == nullptr || CDockBar::IsPlaceholder(pEntry))
                continue;
            auto* pBar = static_cast<CControlBar*>(pEntry);
            if (pBar->m_pDockBar == pDockBar && pDockBar->FindBar(pBar) < 0) {
                pDockBar->m_arrBars.Add(pBar);
                pDockBar->m_arrBars.Add(nullptr);
            }
        }
    }

    // Visibility and the places to go back to.
    for (INT_PTR i = 0; i < records.GetSize(); i++) {
        const CBarRecord& rec = *records[i];
        CControlBar* pBar = GetControlBar(rec.nID);
        if (rec.bDockBar || pBar == nullptr || pBar->IsDockBar())
            continue;
        if (CDockContext* pContext = pBar->m_pDockContext) {
            pContext->m_uMRUDockID = rec.uMRUDockID;
            pContext->m_rectMRUDockPos = rec.rectMRUDockPos;
            pContext->m_dwMRUFloatStyle = rec.dwMRUFloatStyle;
            pContext->m_ptMRUFloatPos = rec.ptMRUFloatPos;
        }
        ShowControlBar(pBar, rec.bVisible, TRUE);
    }
    for (INT_PTR i = 0; i < records.GetSize(); i++)
        delete records[i];

    RecalcLayout();
    POSITION pos = m_listControlBars.GetHeadPosition();
    while (pos != nullptr) {
        auto* pBar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
        if (pBar->IsDockBar() && static_cast<CDockBar*>(pBar)->m_bFloating) {
            CFrameWnd* pFrame = pBar->GetDockingFrame();
            if (pFrame != nullptr && pFrame != this)
                pFrame->RecalcLayout();
        }
    }
}
