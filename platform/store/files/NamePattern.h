// The device's find patterns: '*' matches any run of characters, '?' exactly one, letters
// match ignoring case, and a trailing ".*" also matches a name without an extension, so "*.*"
// matches every name.
#pragma once

#include <string_view>

namespace ce {

// `upperPattern` is upper-cased with the device's case table; `name` may be in any case.
bool matchesPattern(std::u16string_view upperPattern, std::u16string_view name);

// True for patterns every name matches ("*" and "*.*"): listing then skips the comparison.
bool matchesEveryName(std::u16string_view pattern);

}  // namespace ce
