#include "ColumnDefinition.h"
#include <climits>

namespace list_columns {

bool NoLeadBytes(unsigned char) { return false; }

size_t FindSeparator(const char* pText, size_t nLength, size_t nFrom, char separator, LeadBytePredicate isLead)
{
    if (isLead == nullptr)
        isLead = NoLeadBytes;
    size_t i = nFrom;
    while (i < nLength) {
        const unsigned char byte = static_cast<unsigned char>(pText[i]);
        if (isLead(byte) && i + 1 < nLength) {
            // The byte after a lead byte belongs to the same character.
            i += 2;
            continue;
        }
        if (pText[i] == separator)
            return i;
        ++i;
    }
    return nLength;
}

std::vector<std::string> SplitPieces(const char* pText, size_t nLength, char separator, LeadBytePredicate isLead)
{
    std::vector<std::string> pieces;
    if (pText == nullptr || nLength == 0)
        return pieces;
    size_t nPosition = 0;
    while (nPosition < nLength) {
        const size_t nEnd = FindSeparator(pText, nLength, nPosition, separator, isLead);
        if (nEnd > nPosition)
            pieces.emplace_back(pText + nPosition, nEnd - nPosition);
        nPosition = nEnd + 1;
    }
    return pieces;
}

int ReadDecimal(const std::string& field)
{
    size_t i = 0;
    const size_t n = field.size();
    while (i < n && (field[i] == ' ' || (field[i] >= '\t' && field[i] <= '\r')))
        ++i;
    bool bNegative = false;
    if (i < n && (field[i] == '+' || field[i] == '-')) {
        bNegative = field[i] == '-';
        ++i;
    }
    // Accumulated as a negative number, whose range is the larger one.
    long long value = 0;
    for (; i < n && field[i] >= '0' && field[i] <= '9'; ++i) {
        value = value * 10 - (field[i] - '0');
        if (value < static_cast<long long>(INT_MIN))
            return bNegative ? INT_MIN : INT_MAX;
    }
    if (bNegative)
        return static_cast<int>(value);
    return value < -static_cast<long long>(INT_MAX) ? INT_MAX : static_cast<int>(-value);
}

int FormatFromField(const std::string& field)
{
    // 1 means centred, not right: the numbers are the definition string's own.
    switch (ReadDecimal(field)) {
    case 1:
        return kFormatCenter;
    case 2:
        return kFormatRight;
    default:
        return kFormatLeft;
    }
}

std::vector<ColumnSpec> ParseColumnDefinition(const char* pText, size_t nLength, LeadBytePredicate isLead)
{
    std::vector<ColumnSpec> columns;
    for (const std::string& piece : SplitPieces(pText, nLength, ';', isLead)) {
        std::vector<std::string> fields = SplitPieces(piece.data(), piece.size(), ',', isLead);
        if (fields.empty())
            continue;
        ColumnSpec column;
        column.heading = fields[0];
        column.width = fields.size() > 1 ? ReadDecimal(fields[1]) : kDefaultWidth;
        column.format = fields.size() > 2 ? FormatFromField(fields[2]) : kFormatLeft;
        columns.push_back(column);
    }
    return columns;
}
}
