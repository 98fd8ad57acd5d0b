// The registry page's value kinds and the texts it shows and accepts for them:
// colours as RGB(r, g, b) or #RRGGBB, dates, fonts, whole-number lists.
#pragma once
#include "afxdisp.h"
#include "afxwin.h"
#include <vector>

namespace registry_page {
enum Kind {
    kInt,
    kBool,
    kColor,
    kDword,
    kFloat,
    kString,
    kDate,
    kFont,
    kPoint,
    kSize,
    kRect,
    kKindCount,
    kUnknown = kKindCount
};

struct KindInfo
{
    const char* name;
    const char* suffix;  // of the Write... and Read... operations
    const char* example;
};

// Name, operation suffix and an example text for each kind.
extern const KindInfo kKinds[kKindCount];

// The signed whole numbers in a text, in order ("(20, -5)" gives 20 and -5).
std::vector<long> NumbersIn(LPCSTR psz);
CString ColorText(COLORREF cr);
BOOL ParseColor(const CString& strText, COLORREF* pcr);
CString DateText(const COleDateTime& dt);
BOOL ParseDate(const CString& strText, COleDateTime* pdt);
CString FontText(const LOGFONTA& lf);
BOOL ParseFont(const CString& strText, LOGFONTA* plf);
// The registry's name of a value type (REG_SZ ...).
CString TypeName(DWORD dwType);
CString Quoted(const CString& strName);
}  // namespace registry_page
