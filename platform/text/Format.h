// The one printf-family formatter of the platform, with the device's wide printf semantics:
// %s and %c are wide, %hs/%S and %hc/%C narrow (Windows-1252), %ld and %lu are 32 bits,
// %I64d and %lld 64 bits. The printf calls, StringCchPrintfW and FormatMessageW's !fmt!
// inserts all go through it.
#pragma once

#include <cstdarg>
#include <cstdint>
#include <string>
#include <string_view>

namespace ce::text {

// h, l (or w), ll (or I64); I and I32 are the default 32 bits of the device.
enum class ArgumentSize { Default, Short, Long, Long64 };

// One conversion as written after '%'.
struct ConversionSpec {
    bool leftAlign = false;
    bool plusSign = false;
    bool spaceSign = false;
    bool alternate = false;
    bool zeroPad = false;
    bool widthFromArgument = false;      // '*'
    bool precisionFromArgument = false;  // '.*'
    int width = 0;
    int precision = -1;  // -1: none
    ArgumentSize size = ArgumentSize::Default;
    char16_t conversion = 0;
};

// What a conversion's value is read as (its '*' fields are read as Int32 before it).
enum class ArgumentKind { Int32, Int64, Double, Pointer };

// Parses the conversion that starts after a '%' at `pos`; returns the position after it, or
// npos when the text there is not a conversion the formatter knows.
std::size_t parseConversion(std::u16string_view format, std::size_t pos, ConversionSpec& conv);

ArgumentKind argumentKind(const ConversionSpec& conv);

// Supplies conversion arguments in order.
class ArgumentSource {
public:
    virtual ~ArgumentSource() = default;
    virtual int32_t int32() = 0;
    virtual int64_t int64() = 0;
    virtual double real() = 0;
    virtual const void* pointer() = 0;
};

// Formats one parsed conversion, reading its '*' fields and its value from `args`.
void formatConversion(std::u16string& out, ConversionSpec conv, ArgumentSource& args);

// Formats a whole printf format string.
std::u16string formatPrintf(const char16_t* format, va_list args);

}  // namespace ce::text
