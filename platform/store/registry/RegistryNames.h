// Registry names as the device treats them: case-insensitive, case-preserving comparison of
// key and value names, and the walk over the components of a sub-key path.
#pragma once

#include <cstddef>
#include <string_view>

#include "winreg.h"

namespace ce {

// Longest key or value name, in characters without the terminator.
constexpr size_t kMaxRegistryNameLength = 255;

// Hash and equality that fold case with the device's case table.
struct RegistryNameHash {
    size_t operator()(std::u16string_view name) const;
};
struct RegistryNameEqual {
    bool operator()(std::u16string_view a, std::u16string_view b) const;
};

// ERROR_SUCCESS when the sub-key path can be walked: it must not start with a backslash and
// no component may be longer than kMaxRegistryNameLength. Empty components (doubled or
// trailing backslashes) are skipped by the walk.
LONG checkKeyPath(std::u16string_view path);

// Takes the next component off the front of `rest`; false when none is left.
bool nextKeyPathComponent(std::u16string_view& rest, std::u16string_view& component);

}  // namespace ce
