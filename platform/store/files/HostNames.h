// Names crossing the host boundary while folders are listed, and the upper-cased form in
// which the device compares and keys names. Listing decodes every entry's host (UTF-8) name,
// so decoding works in a caller's fixed buffer instead of allocating per entry.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace ce {

// Decodes a host name into `out` (not terminated). False for invalid UTF-8 or for a name that
// needs more than `capacity` UTF-16 units.
bool decodeHostName(std::string_view utf8, char16_t* out, size_t capacity, size_t& length);

// Appends `name` upper-cased with the device's case table.
void appendUpper(std::u16string& out, std::u16string_view name);
std::u16string upperName(std::u16string_view name);

}  // namespace ce
