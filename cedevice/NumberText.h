// 32-bit numbers as users type them on the cedevice command line.
#pragma once

#include <string_view>

#include "windef.h"

namespace cedevice {

// Hex digits with or without a leading "0x"; false when empty, not hex or above 0xFFFFFFFF.
bool parseHex32(std::string_view text, DWORD& value);
// Decimal, or hex after "0x"; false when not a number or above 0xFFFFFFFF.
bool parseNumber32(std::string_view text, DWORD& value);

}  // namespace cedevice
