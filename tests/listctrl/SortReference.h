// The list's sort written out plainly, for the sort tests to compare with.
#pragma once
#include <string>
#include <vector>

// The sort as the control documents it, written plainly and independently of the
// control: the C runtime's strtoul and strtod, the platform's date parser and
// multibyte comparison, the recursive partition-exchange sort, the separator
// blocks. Returns, for each row after the sort, the row it came from.
std::vector<int> ReferenceSortOrder(const std::vector<std::string>& texts, const char* pszSeparator, bool bAscending);
int ReferenceCompare(const std::string& text1, const std::string& text2);
