#include "RegistryValueText.h"
#include <cctype>
#include <cstdio>
#include <cstdlib>

namespace {
// Font sizes are shown in points at the screen's resolution.
int ScreenDpi()
{
    HDC hDC = ::GetDC(nullptr);
    int nDpi = ::GetDeviceCaps(hDC, LOGPIXELSY);
    ::ReleaseDC(nullptr, hDC);
    return nDpi > 0 ? nDpi : 96;
}
}  // namespace

namespace registry_page {
const KindInfo kKinds[kKindCount] = {
    { "Integer", "Int", "-42" },
    { "Boolean", "Bool", "1" },
    { "Colour", "Color", "RGB(0, 120, 215) or #0078D7" },
    { "Double word", "Dword", "4294967295 or 0xFFFF0000" },
    { "Real", "Float", "3.14159" },
    { "String", "String", "any text" },
    { "Date and time", "DateTime", "2024-03-15 18:45, null or invalid" },
    { "Font", "Font", "Tahoma, 10 pt, bold, italic" },
    { "Point", "Point", "640, 120" },
    { "Size", "Size", "320 x 240" },
    { "Rectangle", "Rect", "left, top, right, bottom" },
};

std::vector<long> NumbersIn(LPCSTR psz)
{
    std::vector<long> numbers;
    while (*psz != '\0') {
        bool bNegative = *psz == '-' && std::isdigit((unsigned char)psz[1]);
        if (bNegative || std::isdigit((unsigned char)*psz)) {
            char* pEnd = nullptr;
            numbers.push_back(std::strtol(psz, &pEnd, 10));
            psz = pEnd;
        } else {
            ++psz;
        }
    }
    return numbers;
}

CString ColorText(COLORREF cr)
{
    CString str;
    str.Format("RGB(%d, %d, %d)", GetRValue(cr), GetGValue(cr), GetBValue(cr));
    return str;
}

BOOL ParseColor(const CString& strText, COLORREF* pcr)
{
    CString str = strText;
    str.Trim();
    if (!str.IsEmpty() && str[0] == '#' && str.GetLength() == 7) {
        unsigned long rgb = std::strtoul(str.Mid(1), nullptr, 16);
        *pcr = RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
        return TRUE;
    }
    std::vector<long> n = NumbersIn(str);
    if (n.size() != 3)
        return FALSE;
    *pcr = RGB(n[0] & 0xFF, n[1] & 0xFF, n[2] & 0xFF);
    return TRUE;
}

CString DateText(const COleDateTime& dt)
{
    if (dt.GetStatus() == COleDateTime::null)
        return "null";
    if (dt.GetStatus() == COleDateTime::invalid)
        return "invalid";
    return dt.Format("%Y-%m-%d %H:%M");
}

BOOL ParseDate(const CString& strText, COleDateTime* pdt)
{
    CString str = strText;
    str.Trim();
    if (str.CompareNoCase("null") == 0) {
        pdt->m_dt = 0;
        pdt->SetStatus(COleDateTime::null);
        return TRUE;
    }
    if (str.CompareNoCase("invalid") == 0) {
        pdt->m_dt = 0;
        pdt->SetStatus(COleDateTime::invalid);
        return TRUE;
    }
    int y = 0, m = 0, d = 0, hh = 0, mm = 0;
    int nFields = std::sscanf(str, "%d-%d-%d %d:%d", &y, &m, &d, &hh, &mm);
    if (nFields != 3 && nFields != 5)
        return FALSE;
    return pdt->SetDateTime(y, m, d, hh, mm, 0) == 0;
}

CString FontText(const LOGFONTA& lf)
{
    CString str;
    str.Format("%s, %d pt", lf.lfFaceName, ::MulDiv(lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight, 72, ScreenDpi()));
    if (lf.lfWeight >= FW_SEMIBOLD)
        str += ", bold";
    if (lf.lfItalic)
        str += ", italic";
    return str;
}

// "Face, size pt, bold, italic": the face name, then the first number as the size.
BOOL ParseFont(const CString& strText, LOGFONTA* plf)
{
    int nComma = strText.Find(',');
    CString strFace = nComma < 0 ? strText : strText.Left(nComma);
    strFace.Trim();
    std::vector<long> n = NumbersIn(nComma < 0 ? "" : (LPCSTR)strText.Mid(nComma));
    if (strFace.IsEmpty() || strFace.GetLength() >= LF_FACESIZE || n.empty() || n[0] < 4 || n[0] > 200)
        return FALSE;
    CString strLower = strText;
    strLower.MakeLower();
    *plf = LOGFONTA();
    plf->lfHeight = -::MulDiv((int)n[0], ScreenDpi(), 72);
    plf->lfWeight = strLower.Find("bold") >= 0 ? FW_BOLD : FW_NORMAL;
    plf->lfItalic = strLower.Find("italic") >= 0;
    plf->lfCharSet = DEFAULT_CHARSET;
    plf->lfQuality = DEFAULT_QUALITY;
    lstrcpynA(plf->lfFaceName, strFace, LF_FACESIZE);
    return TRUE;
}

CString TypeName(DWORD dwType)
{
    switch (dwType) {
    case REG_NONE:
        return "(none)";
    case REG_SZ:
        return "REG_SZ";
    case REG_EXPAND_SZ:
        return "REG_EXPAND_SZ";
    case REG_BINARY:
        return "REG_BINARY";
    case REG_DWORD:
        return "REG_DWORD";
    case REG_MULTI_SZ:
        return "REG_MULTI_SZ";
    case REG_QWORD:
        return "REG_QWORD";
    default:
        CString str;
        str.Format("type %lu", (unsigned long)dwType);
        return str;
    }
}

CString Quoted(const CString& strName) { return "\"" + strName + "\""; }
}  // namespace registry_page
