// The registry page's calls of QELRegistry's typed Write and Read operations,
// each with the call written out as the page shows it.
#pragma once
#include "RegistryValueText.h"
#include "QELRegistry.h"

namespace registry_page {
// Writes the text as a value of the kind: 1 or 0 as the Write operation
// answers, -1 when the text is no value of the kind. *pstrCall (when given)
// receives the call as written.
int WriteValue(QELRegistry& reg, Kind kind, const CString& strName, const CString& strValue, CString* pstrCall);
// The value as the kind's Read operation gives it, in the text the Write
// accepts. pbRead (when given) says whether the read found a value or fell
// back on the default: a scalar read asked with two different defaults
// answers the same only when it read something.
CString ReadValue(QELRegistry& reg, Kind kind, const CString& strName, BOOL* pbRead = nullptr);
// The value read, or a note that the read gave the default.
CString ReadText(QELRegistry& reg, Kind kind, const CString& strName);
// The Read call written out with what it returned.
CString ReadCall(QELRegistry& reg, Kind kind, const CString& strName);
}  // namespace registry_page
