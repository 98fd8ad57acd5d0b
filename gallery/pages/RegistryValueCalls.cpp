#include "RegistryValueCalls.h"
#include <cstdlib>

namespace registry_page {
int WriteValue(QELRegistry& reg, Kind kind, const CString& strName, const CString& strValue, CString* pstrCall)
{
    CString strCall;
    strCall.Format("Write%s(%s, ", kKinds[kind].suffix, (LPCSTR)Quoted(strName));
    std::vector<long> n = NumbersIn(strValue);
    int nResult = -1;
    switch (kind) {
    case kInt:
    case kBool:
        if (n.size() == 1) {
            nResult = kind == kInt ? reg.WriteInt(strName, (int)n[0]) : reg.WriteBool(strName, (int)n[0]);
            strCall.AppendFormat("%ld)", n[0]);
        }
        break;
    case kColor: {
        COLORREF cr;
        if (ParseColor(strValue, &cr)) {
            nResult = reg.WriteColor(strName, cr);
            strCall += ColorText(cr) + ")";
        }
        break;
    }
    case kDword: {
        char* pEnd = nullptr;
        CString strTrimmed = strValue;
        strTrimmed.Trim();
        unsigned long dw = std::strtoul(strTrimmed, &pEnd, 0);
        if (!strTrimmed.IsEmpty() && *pEnd == '\0') {
            nResult = reg.WriteDword(strName, dw);
            strCall.AppendFormat("%lu)", dw);
        }
        break;
    }
    case kFloat: {
        char* pEnd = nullptr;
        double d = std::strtod(strValue, &pEnd);
        if (pEnd != (LPCSTR)strValue && *pEnd == '\0') {
            nResult = reg.WriteFloat(strName, d);
            strCall.AppendFormat("%.10g)", d);
        }
        break;
    }
    case kString:
        nResult = reg.WriteString(strName, strValue);
        strCall += Quoted(strValue) + ")";
        break;
    case kDate: {
        COleDateTime dt;
        if (ParseDate(strValue, &dt)) {
            nResult = reg.WriteDateTime(strName, dt);
            strCall += DateText(dt) + ")";
        }
        break;
    }
    case kFont: {
        LOGFONTA lf;
        CFont font;
        if (ParseFont(strValue, &lf) && font.CreateFontIndirect(&lf)) {
            nResult = reg.WriteFont(strName, &font);
            strCall += "&font)";
        }
        break;
    }
    case kPoint:
    case kSize:
        if (n.size() == 2) {
            CPoint pt((int)n[0], (int)n[1]);
            CSize sz((int)n[0], (int)n[1]);
            nResult = kind == kPoint ? reg.WritePoint(strName, &pt) : reg.WriteSize(strName, &sz);
            strCall.AppendFormat(kind == kPoint ? "&CPoint(%ld, %ld))" : "&CSize(%ld, %ld))", n[0], n[1]);
        }
        break;
    case kRect:
        if (n.size() == 4) {
            CRect rc((int)n[0], (int)n[1], (int)n[2], (int)n[3]);
            nResult = reg.WriteRect(strName, &rc);
            strCall.AppendFormat("&CRect(%ld, %ld, %ld, %ld))", n[0], n[1], n[2], n[3]);
        }
        break;
    default:
        break;
    }
    if (pstrCall != nullptr)
        *pstrCall = strCall;
    return nResult;
}

CString ReadValue(QELRegistry& reg, Kind kind, const CString& strName, BOOL* pbRead)
{
    CString str;
    BOOL bRead = FALSE;
    switch (kind) {
    case kInt: {
        int n = reg.ReadInt(strName, 0);
        bRead = n == reg.ReadInt(strName, 1);
        str.Format("%d", n);
        break;
    }
    case kBool: {
        int b = reg.ReadBool(strName, 0);
        bRead = b == reg.ReadBool(strName, 1);
        str.Format("%d", b);
        break;
    }
    case kColor: {
        COLORREF cr = reg.ReadColor(strName, 0);
        bRead = cr == reg.ReadColor(strName, 1);
        str = ColorText(cr);
        break;
    }
    case kDword: {
        unsigned long dw = reg.ReadDword(strName, 0);
        bRead = dw == reg.ReadDword(strName, 1);
        str.Format("%lu", dw);
        break;
    }
    case kFloat: {
        double d = reg.ReadFloat(strName, 0.0);
        bRead = d == reg.ReadFloat(strName, 1.0);
        str.Format("%.10g", d);
        break;
    }
    case kString:
        str = reg.ReadString(strName, "");
        bRead = str == reg.ReadString(strName, "-");
        break;
    case kDate: {
        COleDateTime dt = reg.ReadDateTime(strName, COleDateTime(0.0));
        bRead = dt.m_dt == reg.ReadDateTime(strName, COleDateTime(1.0)).m_dt;
        str = DateText(dt);
        break;
    }
    case kFont: {
        CFont font;
        LOGFONTA lf = {};
        bRead = reg.ReadFont(strName, &font) && font.GetLogFont(&lf);
        str = FontText(lf);
        break;
    }
    case kPoint: {
        CPoint pt(0, 0);
        bRead = reg.ReadPoint(strName, &pt);
        str.Format("%ld, %ld", pt.x, pt.y);
        break;
    }
    case kSize: {
        CSize sz(0, 0);
        bRead = reg.ReadSize(strName, &sz);
        str.Format("%ld x %ld", sz.cx, sz.cy);
        break;
    }
    case kRect: {
        CRect rc(0, 0, 0, 0);
        bRead = reg.ReadRect(strName, &rc);
        str.Format("%ld, %ld, %ld, %ld", rc.left, rc.top, rc.right, rc.bottom);
        break;
    }
    default:
        break;
    }
    if (pbRead != nullptr)
        *pbRead = bRead;
    return bRead ? str : CString();
}

CString ReadText(QELRegistry& reg, Kind kind, const CString& strName)
{
    BOOL bRead = FALSE;
    CString str = ReadValue(reg, kind, strName, &bRead);
    return bRead ? str : CString("(no value of this type: the read gives the default)");
}

CString ReadCall(QELRegistry& reg, Kind kind, const CString& strName)
{
    BOOL bRead = FALSE;
    CString strValue = ReadValue(reg, kind, strName, &bRead);
    BOOL bStructure = kind == kFont || kind == kPoint || kind == kSize || kind == kRect;
    CString str;
    str.Format("Read%s(%s, ...) ", kKinds[kind].suffix, (LPCSTR)Quoted(strName));
    if (bStructure)
        str.AppendFormat("returned %d", bRead ? 1 : 0);
    else
        str += bRead ? "returned the stored value" : "returned the caller's default";
    if (bRead)
        str += ": " + strValue;
    str += bRead ? "." : " (missing, or stored with another size or type).";
    return str;
}
}  // namespace registry_page
