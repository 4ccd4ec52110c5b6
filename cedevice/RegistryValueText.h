// Registry values as text on the cedevice command line: type names, data typed by the user
// and data shown back.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "windef.h"

namespace cedevice {

// "none", "sz", "expand_sz", "binary", "dword", "multi_sz"; other types as their number.
std::string valueTypeName(DWORD type);
// Those names (also with a "reg_" prefix, any case) or a number, decimal or 0x-hex.
bool parseValueType(std::string_view text, DWORD& type);

// "01,ff,3a" or "01ff3a" (an empty text is no bytes).
bool parseHexBytes(std::string_view text, std::vector<BYTE>& bytes);

// The bytes to store for DATA as typed: text for sz and expand_sz, strings separated by "|"
// for multi_sz, decimal or 0x-hex for dword, hex bytes for every other type. Throws
// CommandError when DATA does not fit the type.
std::vector<BYTE> encodeValueData(DWORD type, const std::string& text);

// Data shown as text: sz and expand_sz as text, dword as "42 (0x0000002a)", multi_sz as its
// strings joined by multiSeparator, anything else (or a dword of another size) as hex bytes.
std::string formatValueData(DWORD type, const std::vector<BYTE>& data, std::string_view multiSeparator);

}  // namespace cedevice
