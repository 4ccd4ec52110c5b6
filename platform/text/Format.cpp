// The printf-family formatter: parsing of conversions, integer, character, string and
// floating-point output, and the loop over a format string.
#include "Format.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "Windows1252.h"

namespace ce::text {

namespace {

// Keeps absurd widths from turning into huge allocations.
constexpr int kMaxField = 99999;

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

int parseNumber(std::u16string_view format, std::size_t& pos)
{
    int value = 0;
    for (; pos < format.size() && isDigit(format[pos]); ++pos)
        value = std::min(value * 10 + (format[pos] - u'0'), kMaxField);
    return value;
}

bool startsWith(std::u16string_view format, std::size_t pos, std::u16string_view prefix)
{
    return format.substr(pos, prefix.size()) == prefix;
}

ArgumentSize parseSize(std::u16string_view format, std::size_t& pos)
{
    struct Modifier {
        std::u16string_view text;
        ArgumentSize size;
    };
    // Longest first, so "ll" wins over "l" and "I64" over "I".
    static constexpr Modifier kModifiers[] = {
        {u"I64", ArgumentSize::Long64}, {u"I32", ArgumentSize::Default}, {u"ll", ArgumentSize::Long64},
        {u"I", ArgumentSize::Default},  {u"h", ArgumentSize::Short},     {u"l", ArgumentSize::Long},
        {u"w", ArgumentSize::Long},
    };
    for (const Modifier& m : kModifiers) {
        if (startsWith(format, pos, m.text)) {
            pos += m.text.size();
            return m.size;
        }
    }
    return ArgumentSize::Default;
}

bool isKnownConversion(char16_t c)
{
    return std::u16string_view(u"diuxXocCsSpeEfFgG").find(c) != std::u16string_view::npos;
}

bool isNarrowText(const ConversionSpec& conv)
{
    const bool upper = conv.conversion == u'S' || conv.conversion == u'C';
    if (conv.size == ArgumentSize::Short)
        return true;
    return upper && conv.size != ArgumentSize::Long;
}

void pad(std::u16string& out, std::u16string_view body, const ConversionSpec& conv, char16_t fill)
{
    const std::size_t padding = static_cast<std::size_t>(conv.width) > body.size() ? conv.width - body.size() : 0;
    if (conv.leftAlign) {
        out += body;
        out.append(padding, u' ');
    } else {
        out.append(padding, fill);
        out += body;
    }
}

void appendDigits(std::u16string& out, uint64_t value, unsigned base, bool upper)
{
    const char* digits = upper ? "0123456789ABCDEF" : "0123456789abcdef";
    char16_t buffer[64];
    std::size_t n = 0;
    do {
        buffer[n++] = static_cast<char16_t>(digits[value % base]);
        value /= base;
    } while (value);
    while (n)
        out += buffer[--n];
}

void formatInteger(std::u16string& out, const ConversionSpec& conv, uint64_t magnitude, bool negative)
{
    const char16_t c = conv.conversion;
    const unsigned base = (c == u'x' || c == u'X' || c == u'p') ? 16 : c == u'o' ? 8 : 10;
    const bool isSigned = c == u'd' || c == u'i';

    std::u16string prefix;
    if (negative)
        prefix = u"-";
    else if (isSigned && conv.plusSign)
        prefix = u"+";
    else if (isSigned && conv.spaceSign)
        prefix = u" ";
    if (conv.alternate && magnitude != 0 && (c == u'x' || c == u'X'))
        prefix += c == u'x' ? u"0x" : u"0X";

    std::u16string digits;
    // Precision 0 prints nothing for the value 0.
    if (!(conv.precision == 0 && magnitude == 0))
        appendDigits(digits, magnitude, base, c != u'x');
    if (conv.precision > 0 && digits.size() < static_cast<std::size_t>(conv.precision))
        digits.insert(0, conv.precision - digits.size(), u'0');
    if (conv.alternate && c == u'o' && (digits.empty() || digits[0] != u'0'))
        digits.insert(0, 1, u'0');

    // Zero padding goes between the sign or 0x and the digits; a precision turns it off.
    if (conv.zeroPad && !conv.leftAlign && conv.precision < 0) {
        const std::size_t length = prefix.size() + digits.size();
        if (static_cast<std::size_t>(conv.width) > length)
            digits.insert(0, conv.width - length, u'0');
    }
    pad(out, prefix + digits, conv, u' ');
}

void formatSignedValue(std::u16string& out, const ConversionSpec& conv, ArgumentSource& args)
{
    int64_t value;
    if (conv.size == ArgumentSize::Long64)
        value = args.int64();
    else if (conv.size == ArgumentSize::Short)
        value = static_cast<int16_t>(args.int32());
    else
        value = args.int32();
    const uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    formatInteger(out, conv, magnitude, value < 0);
}

void formatUnsignedValue(std::u16string& out, const ConversionSpec& conv, ArgumentSource& args)
{
    uint64_t value;
    if (conv.size == ArgumentSize::Long64)
        value = static_cast<uint64_t>(args.int64());
    else if (conv.size == ArgumentSize::Short)
        value = static_cast<uint16_t>(args.int32());
    else
        value = static_cast<uint32_t>(args.int32());
    formatInteger(out, conv, value, false);
}

void formatPointer(std::u16string& out, ConversionSpec conv, ArgumentSource& args)
{
    // Upper-case hex of the full pointer width, without a prefix.
    if (conv.precision < 0)
        conv.precision = static_cast<int>(2 * sizeof(void*));
    conv.alternate = false;
    formatInteger(out, conv, reinterpret_cast<uintptr_t>(args.pointer()), false);
}

void formatCharacter(std::u16string& out, const ConversionSpec& conv, ArgumentSource& args)
{
    const int32_t value = args.int32();
    const char16_t c = isNarrowText(conv) ? windows1252ToUtf16(static_cast<unsigned char>(value))
                                          : static_cast<char16_t>(value);
    pad(out, std::u16string_view(&c, 1), conv, conv.zeroPad ? u'0' : u' ');
}

void formatString(std::u16string& out, const ConversionSpec& conv, ArgumentSource& args)
{
    const void* text = args.pointer();
    // The precision caps the characters read, so an unterminated buffer is fine with one.
    const std::size_t limit = conv.precision >= 0 ? static_cast<std::size_t>(conv.precision) : SIZE_MAX;
    std::u16string body;
    if (!text) {
        body = std::u16string(u"(null)").substr(0, limit);
    } else if (isNarrowText(conv)) {
        const auto* narrow = static_cast<const unsigned char*>(text);
        for (std::size_t i = 0; i < limit && narrow[i]; ++i)
            body += windows1252ToUtf16(narrow[i]);
    } else {
        const auto* wide = static_cast<const char16_t*>(text);
        std::size_t n = 0;
        while (n < limit && wide[n])
            ++n;
        body.assign(wide, n);
    }
    pad(out, body, conv, conv.zeroPad ? u'0' : u' ');
}

void formatReal(std::u16string& out, const ConversionSpec& conv, ArgumentSource& args)
{
    // The host's printf renders the number; the conv is rebuilt from plain ASCII pieces.
    std::string hostSpec = "%";
    if (conv.leftAlign)
        hostSpec += '-';
    if (conv.plusSign)
        hostSpec += '+';
    if (conv.spaceSign)
        hostSpec += ' ';
    if (conv.alternate)
        hostSpec += '#';
    if (conv.zeroPad)
        hostSpec += '0';
    if (conv.width > 0)
        hostSpec += std::to_string(conv.width);
    if (conv.precision >= 0)
        hostSpec += '.' + std::to_string(conv.precision);
    hostSpec += static_cast<char>(conv.conversion);

    const double value = args.real();
    const int length = std::snprintf(nullptr, 0, hostSpec.c_str(), value);
    std::string text(static_cast<std::size_t>(std::max(length, 0)) + 1, '\0');
    std::snprintf(text.data(), text.size(), hostSpec.c_str(), value);
    text.pop_back();
    out.append(text.begin(), text.end());
}

// Reads the conversion's value from a va_list, in the device's argument widths.
class VaListSource final : public ArgumentSource {
public:
    explicit VaListSource(va_list args) { va_copy(m_args, args); }
    ~VaListSource() override { va_end(m_args); }
    VaListSource(const VaListSource&) = delete;
    VaListSource& operator=(const VaListSource&) = delete;

    int32_t int32() override { return va_arg(m_args, int32_t); }
    int64_t int64() override { return va_arg(m_args, int64_t); }
    double real() override { return va_arg(m_args, double); }
    const void* pointer() override { return va_arg(m_args, const void*); }

private:
    va_list m_args;
};

}  // namespace

std::size_t parseConversion(std::u16string_view format, std::size_t pos, ConversionSpec& conv)
{
    for (; pos < format.size(); ++pos) {
        const char16_t c = format[pos];
        if (c == u'-')
            conv.leftAlign = true;
        else if (c == u'+')
            conv.plusSign = true;
        else if (c == u' ')
            conv.spaceSign = true;
        else if (c == u'#')
            conv.alternate = true;
        else if (c == u'0')
            conv.zeroPad = true;
        else
            break;
    }
    if (startsWith(format, pos, u"*")) {
        conv.widthFromArgument = true;
        ++pos;
    } else {
        conv.width = parseNumber(format, pos);
    }
    if (startsWith(format, pos, u".")) {
        ++pos;
        if (startsWith(format, pos, u"*")) {
            conv.precisionFromArgument = true;
            ++pos;
        } else {
            conv.precision = parseNumber(format, pos);
        }
    }
    conv.size = parseSize(format, pos);
    if (pos >= format.size() || !isKnownConversion(format[pos]))
        return std::u16string_view::npos;
    conv.conversion = format[pos];
    return pos + 1;
}

ArgumentKind argumentKind(const ConversionSpec& conv)
{
    switch (conv.conversion) {
    case u's':
    case u'S':
    case u'p':
        return ArgumentKind::Pointer;
    case u'e':
    case u'E':
    case u'f':
    case u'F':
    case u'g':
    case u'G':
        return ArgumentKind::Double;
    case u'c':
    case u'C':
        return ArgumentKind::Int32;
    default:
        return conv.size == ArgumentSize::Long64 ? ArgumentKind::Int64 : ArgumentKind::Int32;
    }
}

void formatConversion(std::u16string& out, ConversionSpec conv, ArgumentSource& args)
{
    if (conv.widthFromArgument) {
        // A negative width means left alignment.
        const int64_t width = args.int32();
        conv.leftAlign = conv.leftAlign || width < 0;
        conv.width = static_cast<int>(std::min<int64_t>(width < 0 ? -width : width, kMaxField));
    }
    if (conv.precisionFromArgument) {
        const int32_t precision = args.int32();
        conv.precision = precision < 0 ? -1 : std::min(precision, kMaxField);
    }
    switch (conv.conversion) {
    case u'd':
    case u'i':
        return formatSignedValue(out, conv, args);
    case u'u':
    case u'x':
    case u'X':
    case u'o':
        return formatUnsignedValue(out, conv, args);
    case u'p':
        return formatPointer(out, conv, args);
    case u'c':
    case u'C':
        return formatCharacter(out, conv, args);
    case u's':
    case u'S':
        return formatString(out, conv, args);
    default:
        return formatReal(out, conv, args);
    }
}

std::u16string formatPrintf(const char16_t* format, va_list args)
{
    const std::u16string_view text(format);
    VaListSource source(args);
    std::u16string out;
    for (std::size_t pos = 0; pos < text.size();) {
        if (text[pos] != u'%') {
            out += text[pos++];
            continue;
        }
        if (startsWith(text, pos + 1, u"%")) {
            out += u'%';
            pos += 2;
            continue;
        }
        ConversionSpec conv;
        const std::size_t end = parseConversion(text, pos + 1, conv);
        if (end == std::u16string_view::npos) {
            // Not a conversion: the text is copied as it stands.
            out += text[pos++];
            continue;
        }
        formatConversion(out, conv, source);
        pos = end;
    }
    return out;
}

}  // namespace ce::text
