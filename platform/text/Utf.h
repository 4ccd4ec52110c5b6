// The platform's own UTF-8 decoding into a fixed buffer, for hot paths (file names in a find)
// that must not allocate. The same strict rules as emulator::fromUtf8Strict.
#pragma once

#include <cstddef>
#include <string_view>

namespace ce {

// Decodes `utf8` into `out`; false for invalid UTF-8 or when `capacity` code units are too few.
bool decodeUtf8Strict(std::string_view utf8, char16_t* out, std::size_t capacity, std::size_t& length);

}  // namespace ce
