// UTF-8 <-> UTF-16 at the host boundary. The lenient forms replace each invalid sequence by
// U+FFFD (one per maximal invalid subpart, as the Unicode standard recommends); the strict
// forms reject the whole text instead.
#include <cstdint>

#include "Utf.h"
#include "emulator/Text.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kInvalid = 0xFFFFFFFF;

struct Decoded {
    char32_t codePoint;  // kInvalid for an invalid sequence
    std::size_t length;  // code units consumed (at least one)
};

bool isContinuation(unsigned char b)
{
    return (b & 0xC0) == 0x80;
}

// Decodes one code point. An invalid sequence consumes its lead byte and the continuation
// bytes that were valid so far, so decoding resumes at the first offending byte.
Decoded decodeUtf8(std::string_view text, std::size_t pos)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80)
        return {lead, 1};
    std::size_t length;
    char32_t codePoint;
    unsigned char low = 0x80, high = 0xBF;  // range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0F;
        if (lead == 0xE0)
            low = 0xA0;  // overlong
        if (lead == 0xED)
            high = 0x9F;  // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07;
        if (lead == 0xF0)
            low = 0x90;  // overlong
        if (lead == 0xF4)
            high = 0x8F;  // beyond U+10FFFF
    } else {
        return {kInvalid, 1};
    }
    for (std::size_t i = 1; i < length; ++i) {
        if (pos + i >= text.size())
            return {kInvalid, i};
        const auto b = static_cast<unsigned char>(text[pos + i]);
        const bool inRange = i == 1 ? (b >= low && b <= high) : isContinuation(b);
        if (!inRange)
            return {kInvalid, i};
        codePoint = (codePoint << 6) | (b & 0x3F);
    }
    return {codePoint, length};
}

// Decodes one code point from UTF-16; a lone surrogate is invalid.
Decoded decodeUtf16(std::u16string_view text, std::size_t pos)
{
    const char16_t unit = text[pos];
    if (unit < 0xD800 || unit > 0xDFFF)
        return {unit, 1};
    if (unit <= 0xDBFF && pos + 1 < text.size()) {
        const char16_t next = text[pos + 1];
        if (next >= 0xDC00 && next <= 0xDFFF)
            return {0x10000 + ((char32_t(unit) - 0xD800) << 10) + (next - 0xDC00), 2};
    }
    return {kInvalid, 1};
}

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

void appendUtf16(std::u16string& out, char32_t c)
{
    if (c < 0x10000) {
        out += static_cast<char16_t>(c);
    } else {
        out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
        out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    }
}

// Converts with the given decoder and encoder; returns false at the first invalid sequence
// when strict, otherwise substitutes U+FFFD.
template <typename In, typename Out, typename Decode, typename Append>
bool convert(In text, Out& out, bool strict, Decode decode, Append append)
{
    out.clear();
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const Decoded d = decode(text, pos);
        if (d.codePoint == kInvalid && strict) {
            out.clear();
            return false;
        }
        append(out, d.codePoint == kInvalid ? kReplacement : d.codePoint);
        pos += d.length;
    }
    return true;
}

}  // namespace

namespace ce {

bool decodeUtf8Strict(std::string_view utf8, char16_t* out, std::size_t capacity, std::size_t& length)
{
    length = 0;
    for (std::size_t pos = 0; pos < utf8.size();) {
        const Decoded d = decodeUtf8(utf8, pos);
        const std::size_t units = d.codePoint < 0x10000 ? 1 : 2;
        if (d.codePoint == kInvalid || length + units > capacity)
            return false;
        if (units == 1) {
            out[length++] = static_cast<char16_t>(d.codePoint);
        } else {
            out[length++] = static_cast<char16_t>(0xD800 + ((d.codePoint - 0x10000) >> 10));
            out[length++] = static_cast<char16_t>(0xDC00 + ((d.codePoint - 0x10000) & 0x3FF));
        }
        pos += d.length;
    }
    return true;
}

}  // namespace ce

namespace emulator {

std::string toUtf8(std::u16string_view text)
{
    std::string out;
    convert(text, out, false, decodeUtf16, appendUtf8);
    return out;
}

std::u16string fromUtf8(std::string_view text)
{
    std::u16string out;
    convert(text, out, false, decodeUtf8, appendUtf16);
    return out;
}

bool toUtf8Strict(std::u16string_view text, std::string& out)
{
    return convert(text, out, true, decodeUtf16, appendUtf8);
}

bool fromUtf8Strict(std::string_view text, std::u16string& out)
{
    return convert(text, out, true, decodeUtf8, appendUtf16);
}

}  // namespace emulator
