// Fuzzes the column definition parser: the split agrees with a walk over the
// text character by character (never cutting a two-byte character, losing no
// byte but separators), and the columns stay well formed.
#include "ColumnDefinition.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

using namespace list_columns;

namespace {

bool ShiftJisLead(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

void CheckSplit(const std::string& text, char separator, LeadBytePredicate isLead)
{
    std::vector<std::string> pieces = SplitPieces(text.data(), text.size(), separator, isLead);
    // The reference walks the text character by character.
    std::vector<std::string> reference;
    std::string current;
    for (size_t i = 0; i < text.size();) {
        size_t n = (isLead(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) ? 2 : 1;
        if (n == 1 && text[i] == separator) {
            if (!current.empty())
                reference.push_back(current);
            current.clear();
        } else {
            current.append(text, i, n);
        }
        i += n;
    }
    if (!current.empty())
        reference.push_back(current);
    if (pieces != reference)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const char separator = static_cast<char>(data[0]);
    std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    CheckSplit(text, separator, ShiftJisLead);
    CheckSplit(text, separator, NoLeadBytes);

    std::vector<ColumnSpec> columns = ParseColumnDefinition(text.data(), text.size(), ShiftJisLead);
    std::vector<std::string> pieces = SplitPieces(text.data(), text.size(), ';', ShiftJisLead);
    if (columns.size() > pieces.size())
        std::abort();
    for (const ColumnSpec& column : columns) {
        if (column.heading.empty() || text.find(column.heading) == std::string::npos)
            std::abort();
        if (column.format != kFormatLeft && column.format != kFormatRight && column.format != kFormatCenter)
            std::abort();
    }
    (void)ReadDecimal(text);
    return 0;
}
