// The upper-cased form in which the device compares and keys names. (Host names are decoded
// in a caller's fixed buffer with decodeUtf8Strict, text/Utf.h, so listing never allocates.)
#pragma once

#include <string>
#include <string_view>

namespace ce {

// Appends `name` upper-cased with the device's case table.
void appendUpper(std::u16string& out, std::u16string_view name);
std::u16string upperName(std::u16string_view name);

}  // namespace ce
