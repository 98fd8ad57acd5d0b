// The list control's column definition string as plain values: the
// multibyte-aware split at a separator, the atoi reading of the number fields,
// and the columns a definition such as "Name,150;Size,80,2;Type" describes.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace list_columns {

// Whether a byte starts a two-byte character in the text's code page. The split
// never takes the second byte of such a character for the separator.
using LeadBytePredicate = bool (*)(unsigned char byte);

// A code page without two-byte characters.
bool NoLeadBytes(unsigned char byte);

// Offset of the first separator at or after nFrom (which must be a character
// boundary), or nLength when there is none. A lead byte as the very last byte
// stands alone.
size_t FindSeparator(const char* pText, size_t nLength, size_t nFrom, char separator, LeadBytePredicate isLead);

// The pieces between separators, empty ones dropped.
std::vector<std::string> SplitPieces(const char* pText, size_t nLength, char separator, LeadBytePredicate isLead);

// A field read as atoi reads it: leading white space, an optional sign, decimal
// digits up to the first other character; no digits give 0. A value beyond the
// int range is held at its end instead of overflowing.
int ReadDecimal(const std::string& field);

// Column formats, the list view's LVCFMT_ values.
enum ColumnFormat : int { kFormatLeft = 0, kFormatRight = 1, kFormatCenter = 2 };

// The alignment field: 1 centred, 2 right-aligned, anything else left-aligned.
int FormatFromField(const std::string& field);

const int kDefaultWidth = 100;

struct ColumnSpec
{
    std::string heading;  // taken exactly, no trimming
    int width;            // pixels
    int format;           // ColumnFormat
};

// Columns are separated by ';', fields inside a column by ','; empty pieces are
// dropped at both levels. Fields: heading, width (default 100), alignment
// (default left); further fields are ignored.
std::vector<ColumnSpec> ParseColumnDefinition(const char* pText, size_t nLength, LeadBytePredicate isLead);
}
