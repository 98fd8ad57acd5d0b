// The reference sort: the specified algorithm as plainly as it reads, with the
// C runtime's and the platform's own conversions.
#include "SortReference.h"
#include "ListSortReference.h"
#include <mbstring.h>
#include <oleauto.h>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

bool HexOk(const char* s, unsigned long& value)
{
    static_assert(sizeof(unsigned long) == 4, "strtoul is 32 bits on Windows");
    if (*s == '\0')
        return false;
    char* end = nullptr;
    value = std::strtoul(s, &end, 16);
    return *end == '\0';
}

bool RealOk(const char* s, double& value)
{
    if (*s == '\0')
        return false;
    // Decimal only: the hexadecimal floats, inf and nan of newer runtimes are no decimal numbers.
    const char* p = s;
    while (std::isspace((unsigned char)*p))
        ++p;
    if (*p == '+' || *p == '-')
        ++p;
    if ((p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) || (*p != '\0' && std::strchr("iInN", *p) != nullptr))
        return false;
    char* end = nullptr;
    value = std::strtod(s, &end);
    return *end == '\0' || (*end == '%' && end[1] == '\0');
}

bool DateOk(const char* s, double& value)
{
    WCHAR wide[512];
    if (!::MultiByteToWideChar(CP_ACP, 0, s, -1, wide, 512))
        return false;
    DATE d = 0;
    if (FAILED(::VarDateFromStr(wide, 0x0400, 0, &d)))
        return false;
    value = d < 0 ? 2 * std::ceil(d) - d : d;
    return true;
}

}  // namespace

int ReferenceCompare(const std::string& text1, const std::string& text2)
{
    const char* t1 = text1.c_str();
    const char* t2 = text2.c_str();
    unsigned long h1, h2;
    if (HexOk(t1, h1) && HexOk(t2, h2))
        return h1 > h2 ? 1 : (h1 < h2 ? -1 : 0);
    double r1, r2;
    if (RealOk(t1, r1) && RealOk(t2, r2))
        return r1 < r2 ? -1 : (r1 > r2 ? 1 : 0);
    double d1, d2;
    if (DateOk(t1, d1) && DateOk(t2, d2))
        return d1 < d2 ? -1 : (d1 > d2 ? 1 : 0);
    return _mbscmp((const unsigned char*)t1, (const unsigned char*)t2);
}

std::vector<int> ReferenceSortOrder(const std::vector<std::string>& texts, const char* pszSeparator, bool bAscending)
{
    const int n = (int)texts.size();
    std::vector<int> rows(n);
    for (int i = 0; i < n; ++i)
        rows[i] = i;
    auto find = [&](int after) {
        if (pszSeparator == nullptr)
            return -1;
        for (int i = after + 1; i < n; ++i)
            if (texts[rows[i]] == pszSeparator)
                return i;
        return -1;
    };
    auto partialSort = [&](int first, int last) {
        if (!(first < last && first >= 0 && last < n))
            return;
        std::vector<int> a;
        for (int i = first; i <= last; ++i)
            a.push_back(rows[i]);
        ReferenceSort(a, 0, last - first, bAscending,
                      [&](int x, int y) { return ReferenceCompare(texts[x], texts[y]); });
        for (int k = 0; k <= last - first; ++k)
            rows[first + k] = a[k];
    };
    int sep = find(-1), prev = -1;
    bool last = false;
    do {
        if (sep < 0) {
            sep = n;
            last = true;
        }
        partialSort(prev + 1, sep - 1);
        prev = find(sep - 1);
        sep = find(prev);
    } while (!last && prev >= 0);
    return rows;
}
