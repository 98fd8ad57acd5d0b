// Fuzzes the cell-text readings of the list sort against the C runtime, and
// the sort itself with comparisons that follow no order.
#include "CellTextFormat.h"
#include "ListCompare.h"
#include "ListSortAlgorithm.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

using namespace list_sort;

namespace {

bool IsCSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

const char* SkipSpaceAndSign(const char* p, bool* pNegative)
{
    while (IsCSpace(*p))
        ++p;
    *pNegative = *p == '-';
    if (*p == '+' || *p == '-')
        ++p;
    return p;
}

void CheckHex(const char* text)
{
    uint32_t value = 0;
    bool ok = ParseHexText(text, value);

    errno = 0;
    char* end = nullptr;
    unsigned long long v = std::strtoull(text, &end, 16);
    bool overflow = errno == ERANGE;
    bool okRef = *text != '\0' && *end == '\0';
    if (ok != okRef)
        std::abort();
    if (!ok)
        return;
    bool negative = false;
    SkipSpaceAndSign(text, &negative);
    unsigned long long magnitude = negative ? 0ull - v : v;
    uint32_t expected;
    if (overflow || magnitude > 0xFFFFFFFFull)
        expected = 0xFFFFFFFFu;
    else
        expected = negative ? 0u - static_cast<uint32_t>(magnitude) : static_cast<uint32_t>(magnitude);
    if (value != expected)
        std::abort();
}

void CheckReal(const char* text)
{
    bool negative = false;
    const char* subject = SkipSpaceAndSign(text, &negative);
    // The C99 forms the list does not read as numbers.
    if ((subject[0] == '0' && (subject[1] == 'x' || subject[1] == 'X')) || std::strchr("iInN", subject[0]) != nullptr)
        return;
    double value = 0;
    bool ok = ParseRealText(text, value);
    char* end = nullptr;
    double expected = std::strtod(text, &end);
    bool okRef = *text != '\0' && (*end == '\0' || (*end == '%' && end[1] == '\0'));
    if (ok != okRef)
        std::abort();
    if (ok && !(value == expected || (std::isnan(value) && std::isnan(expected))))
        std::abort();
}

bool ParseFakeDate(const char* text, double& date)
{
    // Deterministic and partial, like a real parser.
    size_t n = std::strlen(text);
    if (n < 2 || text[0] != '#')
        return false;
    date = (static_cast<unsigned char>(text[1]) - 128) / 3.0;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string input(reinterpret_cast<const char*>(data), size);
    size_t split = input.find('\0');
    std::string text1 = input.substr(0, split);
    std::string text2 = split == std::string::npos ? std::string() : input.substr(split + 1);
    text2 = text2.substr(0, text2.find('\0'));

    CheckHex(text1.c_str());
    CheckHex(text2.c_str());
    CheckReal(text1.c_str());
    CheckReal(text2.c_str());

    int c12 = CompareCellTexts(text1.c_str(), text2.c_str(), ParseFakeDate, nullptr);
    int c21 = CompareCellTexts(text2.c_str(), text1.c_str(), ParseFakeDate, nullptr);
    if ((c12 < 0) != (c21 > 0) || (c12 == 0) != (c21 == 0))
        std::abort();

    if (size >= 12) {
        double value;
        std::memcpy(&value, data, sizeof value);
        int precision;
        std::memcpy(&precision, data + 8, sizeof precision);
        std::string text = FormatCellReal(value, precision % 2000);
        double back = 0;
        if (std::isfinite(value) && !ParseRealText(text.c_str(), back))
            std::abort();
    }

    // The bytes as a table of answers: the sort must stay in range and keep every item.
    int n = static_cast<int>(size < 64 ? size : 64);
    if (n >= 2) {
        std::vector<int> items(n);
        for (int i = 0; i < n; ++i)
            items[i] = i;
        auto chaos = [&](int x, int y) { return x == y ? 0 : static_cast<int>(data[(x * 31 + y) % size] % 3) - 1; };
        PartitionExchangeSort(items.data(), 0, n - 1, (data[0] & 1) != 0, chaos);
        std::vector<bool> seen(n, false);
        for (int item : items) {
            if (item < 0 || item >= n || seen[item])
                std::abort();
            seen[item] = true;
        }
    }
    return 0;
}
