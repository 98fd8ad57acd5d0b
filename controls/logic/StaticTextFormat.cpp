#include "StaticTextFormat.h"
#include <cstring>

namespace {
// The values of the Win32 names, kept here so this file needs no Windows header.
const unsigned long kTypeMask = 0x1F;        // SS_TYPEMASK
const unsigned long kCenter = 0x01;          // SS_CENTER
const unsigned long kRight = 0x02;           // SS_RIGHT
const unsigned long kLeftNoWordWrap = 0x0C;  // SS_LEFTNOWORDWRAP
const unsigned long kCenterImage = 0x200;    // SS_CENTERIMAGE

const unsigned kDtLeft = 0x00;
const unsigned kDtCenter = 0x01;
const unsigned kDtRight = 0x02;
const unsigned kDtVCenter = 0x04;
const unsigned kDtWordBreak = 0x10;
const unsigned kDtSingleLine = 0x20;
const unsigned kDtExpandTabs = 0x40;
}

unsigned StaticTextFormat(unsigned long style, const char* text)
{
    const unsigned long type = style & kTypeMask;
    unsigned format;
    switch (type) {
    case kCenter:
        format = kDtCenter | kDtWordBreak;
        break;
    case kRight:
        format = kDtRight | kDtWordBreak;
        break;
    case kLeftNoWordWrap:
        format = kDtLeft;
        break;
    default:
        format = kDtLeft | kDtWordBreak;
        break;
    }
    if (text != nullptr && std::strchr(text, '\t') != nullptr)
        format |= kDtExpandTabs;
    // A centred one-line caption also centres vertically, as the static control
    // itself does with SS_CENTERIMAGE; several lines can only centre across.
    if ((style & kCenterImage) != 0 && type == kCenter) {
        const bool bLines = text != nullptr && std::strstr(text, "\r\n") != nullptr;
        format = bLines ? kDtCenter : (kDtCenter | kDtVCenter | kDtSingleLine);
    }
    return format;
}
