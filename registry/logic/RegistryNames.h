// Which key paths and value names the registry class hands to the platform.
//
// The platform's limits are 255 characters for a key name, 16,383 for a value
// name, and a whole path counted in a 16-bit byte length. Past them Windows
// refuses, but Wine 8 cuts the length at 16 bits instead: a path of 1 MB then
// names the root key itself (SetKey "succeeds", DeleteKey takes the root), and
// a longer name can name a shorter one. Such paths and names are refused here,
// before the platform sees them, the same way on both.
//
// The limits count UTF-16 units, as the platform stores names: a character of the
// ANSI code page is one unit however many bytes it takes (two for a four-byte UTF-8
// sequence, a surrogate pair), and a trail byte '\' of a double-byte character is
// part of a name, not a separator.
#pragma once
#include "MbcsChars.h"
#include <cstddef>

namespace registry_names {

constexpr size_t kMaxKeyNameLength = 255;
constexpr size_t kMaxValueNameLength = 16383;
// Characters of a whole path (its UTF-16 byte length must fit 16 bits).
constexpr size_t kMaxPathLength = 32767;

// A path of key names separated by single backslashes (one backslash may end
// it), each name 1 to 255 characters, the whole at most kMaxPathLength. An
// empty path is usable: it names the root itself. A null path is not.
bool KeyPathIsUsable(const char* path, const mbcs_chars::Encoding& chars);

// A value name of at most kMaxValueNameLength characters (empty names the
// key's default value). A null name is not usable.
bool ValueNameIsUsable(const char* name, const mbcs_chars::Encoding& chars);

}  // namespace registry_names
