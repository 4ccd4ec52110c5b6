// Decoding host names into fixed buffers, and device upper-casing.
#include "HostNames.h"

#include "text/CaseTable.h"

namespace ce {
namespace {

// Length of the sequence a lead byte starts, 0 for a byte that cannot lead one.
int sequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

}  // namespace

bool decodeHostName(std::string_view utf8, char16_t* out, size_t capacity, size_t& length)
{
    length = 0;
    size_t i = 0;
    while (i < utf8.size()) {
        auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            if (length == capacity)
                return false;
            out[length++] = lead;
            ++i;
            continue;
        }
        int count = sequenceLength(lead);
        if (count == 0 || i + count > utf8.size())
            return false;
        char32_t code = lead & (0x7F >> count);
        for (int k = 1; k < count; ++k) {
            auto next = static_cast<unsigned char>(utf8[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        // Overlong forms, surrogates and code points past U+10FFFF are not names.
        static constexpr char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < smallest[count] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
            return false;
        if (code < 0x10000) {
            if (length == capacity)
                return false;
            out[length++] = static_cast<char16_t>(code);
        } else {
            if (length + 2 > capacity)
                return false;
            code -= 0x10000;
            out[length++] = static_cast<char16_t>(0xD800 + (code >> 10));
            out[length++] = static_cast<char16_t>(0xDC00 + (code & 0x3FF));
        }
        i += count;
    }
    return true;
}

void appendUpper(std::u16string& out, std::u16string_view name)
{
    out.reserve(out.size() + name.size());
    for (char16_t c : name)
        out.push_back(toUpperDevice(c));
}

std::u16string upperName(std::u16string_view name)
{
    std::u16string upper;
    appendUpper(upper, name);
    return upper;
}

}  // namespace ce
