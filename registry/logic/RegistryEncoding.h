// Byte layouts of the typed registry values, and the checks that decide whether
// bytes read back from the registry make a value of a given type.
//
// These layouts are the library's persisted format: settings written by one
// version are read by the next, so every byte is fixed here, little-endian,
// independent of the machine the code runs on. The decoders take whatever the
// registry handed back (any size, any content) and never read past it.
#pragma once
#include "MbcsChars.h"
#include <cstddef>
#include <cstdint>
#include <string>

namespace registry_encoding {

// Sizes of the stored data of each value type.
constexpr size_t kInt32Size = 4;  // integer, boolean, colour, double word
constexpr size_t kRealSize = 8;   // IEEE 754 double
constexpr size_t kDateSize = 12;  // double, then a 32-bit status
constexpr size_t kPairSize = 8;   // point or size: two 32-bit integers
constexpr size_t kRectSize = 16;  // left, top, right, bottom
constexpr size_t kFaceNameSize = 32;
constexpr size_t kFontSize = 60;  // the ANSI logical font record

// Status of a stored date, as the framework's date class numbers it.
enum DateStatus : int32_t { kDateValid = 0, kDateInvalid = 1, kDateNull = 2 };

struct DateRecord
{
    double date;  // days since 30 December 1899, fraction = time of day
    DateStatus status;
};

// The fields of the ANSI logical font record, in stored order.
struct FontRecord
{
    int32_t height;
    int32_t width;
    int32_t escapement;
    int32_t orientation;
    int32_t weight;
    uint8_t italic;
    uint8_t underline;
    uint8_t strikeOut;
    uint8_t charSet;
    uint8_t outPrecision;
    uint8_t clipPrecision;
    uint8_t quality;
    uint8_t pitchAndFamily;
    char faceName[kFaceNameSize];
};

// ----- writing ---------------------------------------------------------------

void EncodeInt32(int32_t value, uint8_t* out);          // kInt32Size bytes
void EncodeReal(double value, uint8_t* out);            // kRealSize bytes
void EncodeDate(const DateRecord& date, uint8_t* out);  // kDateSize bytes
// count 32-bit integers one after another (points, sizes, rectangles).
void EncodeInt32s(const int32_t* values, size_t count, uint8_t* out);
// kFontSize bytes; the face name's bytes after its terminator are stored as zero.
void EncodeFont(const FontRecord& font, uint8_t* out);

// ----- reading ---------------------------------------------------------------
// size is the number of bytes the registry really returned.

// Scalars need exactly their size: fewer bytes would leave part of the value
// made up, more belong to some other type.
bool DecodeInt32(const uint8_t* data, size_t size, int32_t* value);
bool DecodeReal(const uint8_t* data, size_t size, double* value);

// The days a date can name: 1 January 100 (-657434) to 31 December 9999
// (2958465), each with its whole time of day. Not NaN, not infinite.
constexpr double kFirstDay = -657434.0;
constexpr double kLastDay = 2958465.0;
bool DateDayInRange(double day);

// A date accepts up to kDateSize bytes; the bytes not stored read as zero (an
// 8-byte real thus reads as a valid date). A status that is none of the three
// known ones reads as invalid, so callers never hold a status their date class
// cannot name. A day outside DateDayInRange is no date: false, as for a value
// of the wrong size, and the caller keeps its default; only a null date, whose
// day means nothing, stays null (with day 0).
bool DecodeDate(const uint8_t* data, size_t size, DateRecord* date);

// Lays the stored bytes over count 32-bit integers in place: the bytes that
// were not stored keep the caller's values. False, and nothing changed, when
// more bytes were stored than the integers hold.
bool OverlayInt32s(const uint8_t* data, size_t size, int32_t* values, size_t count);

// Needs the whole record. The face name always comes back terminated within
// its 32 bytes, so a stored name that fills them is cut to at most 31 bytes,
// before a character of the code page (chars), instead of running past the
// record.
bool DecodeFont(const uint8_t* data, size_t size, FontRecord* font, const mbcs_chars::Encoding& chars);

// Length of stored text: up to its first NUL, never past size.
size_t TextLength(const char* data, size_t size);

}  // namespace registry_encoding
