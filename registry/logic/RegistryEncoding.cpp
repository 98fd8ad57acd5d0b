#include "RegistryEncoding.h"
#include <cmath>
#include <cstring>

namespace registry_encoding {

namespace {
uint32_t LoadUint32(const uint8_t* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

void StoreUint32(uint32_t value, uint8_t* p)
{
    for (int i = 0; i < 4; ++i)
        p[i] = uint8_t(value >> (8 * i));
}

uint64_t LoadUint64(const uint8_t* p) { return uint64_t(LoadUint32(p)) | uint64_t(LoadUint32(p + 4)) << 32; }

void StoreUint64(uint64_t value, uint8_t* p)
{
    StoreUint32(uint32_t(value), p);
    StoreUint32(uint32_t(value >> 32), p + 4);
}

// Bit patterns, not conversions: a stored NaN keeps its payload.
uint64_t RealBits(double value)
{
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof(bits));
    return bits;
}

double RealFromBits(uint64_t bits)
{
    double value;
    std::memcpy(&value, &bits, sizeof(value));
    return value;
}

// Offsets inside the font record.
constexpr size_t kFontBytesAt = 20;
constexpr size_t kFaceNameAt = 28;
}

void EncodeInt32(int32_t value, uint8_t* out) { StoreUint32(uint32_t(value), out); }

void EncodeReal(double value, uint8_t* out) { StoreUint64(RealBits(value), out); }

void EncodeDate(const DateRecord& date, uint8_t* out)
{
    EncodeReal(date.date, out);
    EncodeInt32(date.status, out + kRealSize);
}

void EncodeInt32s(const int32_t* values, size_t count, uint8_t* out)
{
    for (size_t i = 0; i < count; ++i)
        EncodeInt32(values[i], out + i * kInt32Size);
}

void EncodeFont(const FontRecord& font, uint8_t* out)
{
    const int32_t longs[] = { font.height, font.width, font.escapement, font.orientation, font.weight };
    EncodeInt32s(longs, 5, out);
    const uint8_t bytes[] = { font.italic,       font.underline,     font.strikeOut, font.charSet,
                              font.outPrecision, font.clipPrecision, font.quality,   font.pitchAndFamily };
    std::memcpy(out + kFontBytesAt, bytes, sizeof(bytes));
    // Only the name itself: whatever the system left behind its terminator is
    // not ours to persist, and the same font always stores the same bytes.
    size_t nName = TextLength(font.faceName, kFaceNameSize);
    std::memcpy(out + kFaceNameAt, font.faceName, nName);
    std::memset(out + kFaceNameAt + nName, 0, kFaceNameSize - nName);
}

bool DecodeInt32(const uint8_t* data, size_t size, int32_t* value)
{
    if (size != kInt32Size)
        return false;
    *value = int32_t(LoadUint32(data));
    return true;
}

bool DecodeReal(const uint8_t* data, size_t size, double* value)
{
    if (size != kRealSize)
        return false;
    *value = RealFromBits(LoadUint64(data));
    return true;
}

bool DateDayInRange(double day)
{
    // The whole of 31 December 9999, and of 1 January 100 (whose times count
    // down from -657434 towards -657435).
    return std::isfinite(day) && day > kFirstDay - 1.0 && day < kLastDay + 1.0;
}

bool DecodeDate(const uint8_t* data, size_t size, DateRecord* date)
{
    if (size > kDateSize)
        return false;
    uint8_t record[kDateSize] = {};
    if (size > 0)
        std::memcpy(record, data, size);
    double value = RealFromBits(LoadUint64(record));
    int32_t status = int32_t(LoadUint32(record + kRealSize));
    if (status != kDateValid && status != kDateInvalid && status != kDateNull)
        status = kDateInvalid;
    // A day no date can name (not a number, infinite, before 1 January 100 or
    // after 31 December 9999) is no date at all. A null date's day means
    // nothing, so it stays null, with the day a null date has.
    if (!DateDayInRange(value)) {
        if (status != kDateNull)
            return false;
        value = 0.0;
    }
    date->date = value;
    date->status = DateStatus(status);
    return true;
}

bool OverlayInt32s(const uint8_t* data, size_t size, int32_t* values, size_t count)
{
    if (size > count * kInt32Size)
        return false;
    for (size_t i = 0; i < size; ++i) {
        uint32_t& word = reinterpret_cast<uint32_t&>(values[i / kInt32Size]);
        unsigned shift = unsigned(8 * (i % kInt32Size));
        word = (word & ~(uint32_t(0xFF) << shift)) | uint32_t(data[i]) << shift;
    }
    return true;
}

bool DecodeFont(const uint8_t* data, size_t size, FontRecord* font, const mbcs_chars::Encoding& chars)
{
    if (size != kFontSize)
        return false;
    font->height = int32_t(LoadUint32(data));
    font->width = int32_t(LoadUint32(data + 4));
    font->escapement = int32_t(LoadUint32(data + 8));
    font->orientation = int32_t(LoadUint32(data + 12));
    font->weight = int32_t(LoadUint32(data + 16));
    const uint8_t* bytes = data + kFontBytesAt;
    font->italic = bytes[0];
    font->underline = bytes[1];
    font->strikeOut = bytes[2];
    font->charSet = bytes[3];
    font->outPrecision = bytes[4];
    font->clipPrecision = bytes[5];
    font->quality = bytes[6];
    font->pitchAndFamily = bytes[7];
    std::memcpy(font->faceName, data + kFaceNameAt, kFaceNameSize);
    const size_t nName = TextLength(font->faceName, kFaceNameSize);
    if (nName == kFaceNameSize)
        font->faceName[mbcs_chars::CutLength(chars, font->faceName, nName, kFaceNameSize - 1)] = '\0';
    return true;
}

size_t TextLength(const char* data, size_t size)
{
    const void* nul = size > 0 ? std::memchr(data, '\0', size) : nullptr;
    return nul != nullptr ? size_t(static_cast<const char*>(nul) - data) : size;
}

}  // namespace registry_encoding
