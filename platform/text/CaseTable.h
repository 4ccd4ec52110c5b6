// The device's case table, for the platform's own case-insensitive work (path resolution,
// find patterns, registry names). Upper-casing is how the device compares names.
#pragma once

namespace ce {

char16_t toUpperDevice(char16_t c);
char16_t toLowerDevice(char16_t c);

}  // namespace ce
