// UTF-8 and UTF-16 conversion at the host boundary (host paths, terminal output, files the
// host tools read). Invalid input becomes U+FFFD rather than failing.
#pragma once

#include <string>
#include <string_view>

#include "../ceapi.h"

namespace emulator {

CEAPI std::string toUtf8(std::u16string_view text);
CEAPI std::u16string fromUtf8(std::string_view text);
// Strict forms for names: false when the text holds an invalid sequence or lone surrogate.
CEAPI bool toUtf8Strict(std::u16string_view text, std::string& out);
CEAPI bool fromUtf8Strict(std::string_view text, std::u16string& out);

}  // namespace emulator
