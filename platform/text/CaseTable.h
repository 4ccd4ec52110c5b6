// The device's case table, for the platform's own case-insensitive work (path resolution,
// find patterns, registry names). Upper-casing is how the device compares names.
#pragma once

#include <string_view>

namespace ce {

char16_t toUpperDevice(char16_t c);
char16_t toLowerDevice(char16_t c);

// Whether two names are the same to the device: equal after upper-casing.
bool sameNameDevice(std::u16string_view a, std::u16string_view b);

}  // namespace ce
