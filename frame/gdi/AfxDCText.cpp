// CDC: text output and measurement.
#include "AfxDC.h"
#include "AfxDCAttrib.h"
#include <vector>

using namespace afx_dc;

// ----- text --------------------------------------------------------------------------------------

UINT CDC::SetTextAlign(UINT nFlags)
{
    return SetOnBoth(m_hDC, m_hAttribDC, static_cast<UINT>(GDI_ERROR),
                     [nFlags](HDC h) { return ::SetTextAlign(h, nFlags); });
}

UINT CDC::GetTextAlign() const
{
    return m_hAttribDC != nullptr ? ::GetTextAlign(m_hAttribDC) : static_cast<UINT>(GDI_ERROR);
}

int CDC::SetTextCharacterExtra(int nCharExtra)
{
    return SetOnBoth(m_hDC, m_hAttribDC, (int)0x80000000,
                     [nCharExtra](HDC h) { return ::SetTextCharacterExtra(h, nCharExtra); });
}

int CDC::GetTextCharacterExtra() const
{
    return m_hAttribDC != nullptr ? ::GetTextCharacterExtra(m_hAttribDC) : (int)0x80000000;
}

BOOL CDC::TextOut(int x, int y, LPCSTR lpszString, int nCount)
{
    if (m_hDC == nullptr || nCount < 0 || (lpszString == nullptr && nCount > 0))
        return FALSE;
    return ::TextOutA(m_hDC, x, y, lpszString != nullptr ? lpszString : "", nCount);
}

BOOL CDC::TextOut(int x, int y, const CString& str) { return TextOut(x, y, static_cast<LPCSTR>(str), str.GetLength()); }

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCSTR lpszString, UINT nCount, LPINT lpDxWidths)
{
    if (m_hDC == nullptr)
        return FALSE;
    if (lpszString == nullptr)
        nCount = 0;
    return ::ExtTextOutA(m_hDC, x, y, nOptions, lpRect, lpszString, nCount, lpDxWidths);
}

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, const CString& str, LPINT lpDxWidths)
{
    return ExtTextOut(x, y, nOptions, lpRect, static_cast<LPCSTR>(str), static_cast<UINT>(str.GetLength()), lpDxWidths);
}

CSize CDC::TabbedTextOut(int x, int y, LPCSTR lpszString, int nCount, int nTabPositions, LPINT lpnTabStopPositions,
                         int nTabOrigin)
{
    if (m_hDC == nullptr || lpszString == nullptr || nCount < 0)
        return CSize(0, 0);
    LONG extent = ::TabbedTextOutA(m_hDC, x, y, lpszString, nCount, nTabPositions, lpnTabStopPositions, nTabOrigin);
    return CSize(LOWORD(extent), HIWORD(extent));
}

int CDC::DrawText(LPCSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat)
{
    if (m_hDC == nullptr || lpszString == nullptr || lpRect == nullptr)
        return 0;
    return ::DrawTextA(m_hDC, lpszString, nCount, lpRect, nFormat);
}

int CDC::DrawText(const CString& str, LPRECT lpRect, UINT nFormat)
{
    // Writing into a shared string's buffer would change every copy of it.
    return DrawText(static_cast<LPCSTR>(str), str.GetLength(), lpRect, nFormat & ~static_cast<UINT>(DT_MODIFYSTRING));
}

CSize CDC::GetTextExtent(LPCSTR lpszString, int nCount) const
{
    SIZE size{};
    if (m_hAttribDC != nullptr && lpszString != nullptr && nCount >= 0)
        ::GetTextExtentPoint32A(m_hAttribDC, lpszString, nCount, &size);
    return CSize(size.cx, size.cy);
}

CSize CDC::GetTextExtent(const CString& str) const { return GetTextExtent(static_cast<LPCSTR>(str), str.GetLength()); }

CSize CDC::GetOutputTextExtent(LPCSTR lpszString, int nCount) const
{
    SIZE size{};
    if (m_hDC != nullptr && lpszString != nullptr && nCount >= 0)
        ::GetTextExtentPoint32A(m_hDC, lpszString, nCount, &size);
    return CSize(size.cx, size.cy);
}

CSize CDC::GetOutputTextExtent(const CString& str) const
{
    return GetOutputTextExtent(static_cast<LPCSTR>(str), str.GetLength());
}

CSize CDC::GetTabbedTextExtent(LPCSTR lpszString, int nCount, int nTabPositions, LPINT lpnTabStopPositions) const
{
    if (m_hAttribDC == nullptr || lpszString == nullptr || nCount < 0)
        return CSize(0, 0);
    DWORD extent = ::GetTabbedTextExtentA(m_hAttribDC, lpszString, nCount, nTabPositions, lpnTabStopPositions);
    return CSize(LOWORD(extent), HIWORD(extent));
}

BOOL CDC::GetTextMetrics(LPTEXTMETRICA lpMetrics) const
{
    return m_hAttribDC != nullptr && lpMetrics != nullptr && ::GetTextMetricsA(m_hAttribDC, lpMetrics);
}

BOOL CDC::GetOutputTextMetrics(LPTEXTMETRICA lpMetrics) const
{
    return m_hDC != nullptr && lpMetrics != nullptr && ::GetTextMetricsA(m_hDC, lpMetrics);
}

int CDC::GetTextFace(int nCount, LPSTR lpszFacename) const
{
    if (m_hAttribDC == nullptr || lpszFacename == nullptr || nCount <= 0)
        return 0;
    return ::GetTextFaceA(m_hAttribDC, nCount, lpszFacename);
}

int CDC::GetTextFace(CString& rString) const
{
    rString.Empty();
    if (m_hAttribDC == nullptr)
        return 0;
    // Asked without a buffer, GDI tells the size the name needs, zero included.
    int nNeeded = ::GetTextFaceA(m_hAttribDC, 0, nullptr);
    if (nNeeded <= 0)
        return 0;
    std::vector<char> buffer(static_cast<size_t>(nNeeded) + 1, '\0');
    int nCopied = ::GetTextFaceA(m_hAttribDC, nNeeded, buffer.data());
    rString = buffer.data();
    return nCopied;
}
