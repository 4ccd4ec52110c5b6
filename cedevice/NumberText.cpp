// Parsing 32-bit numbers from arguments.
#include "NumberText.h"

#include <charconv>

namespace cedevice {
namespace {

bool parseDigits(std::string_view text, int base, DWORD& value)
{
    if (text.empty())
        return false;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value, base);
    return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

bool hasHexPrefix(std::string_view text)
{
    return text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
}

}  // namespace

bool parseHex32(std::string_view text, DWORD& value)
{
    return parseDigits(hasHexPrefix(text) ? text.substr(2) : text, 16, value);
}

bool parseNumber32(std::string_view text, DWORD& value)
{
    return hasHexPrefix(text) ? parseDigits(text.substr(2), 16, value) : parseDigits(text, 10, value);
}

}  // namespace cedevice
