// The printf-family formatter: conversions, flags and widths as the product's string table
// uses them, the device's argument widths, and each call's truncation rule.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "cewchar.h"
#include "winerror.h"

namespace {

template <typename... Args>
std::u16string format(const char16_t* fmt, Args... args)
{
    WCHAR buffer[512];
    const int n = _snwprintf(buffer, std::size(buffer), fmt, args...);
    return n < 0 ? u"<too long>" : std::u16string(buffer, n);
}

struct Case {
    std::u16string actual;
    std::u16string expected;
};

void check(const std::initializer_list<Case>& cases)
{
    int i = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << i++);
        EXPECT_EQ(c.actual, c.expected);
    }
}

TEST(Printf, StringTableFormats)
{
    check({
        {format(u"%d item(s) have been cleaned, %d byte(s) have been saved.", 12, 40960),
         u"12 item(s) have been cleaned, 40960 byte(s) have been saved."},
        {format(u"%d.%d MB", 3, 5), u"3.5 MB"},
        {format(u"%s\\%s", u"\\Windows", u"Temp"), u"\\Windows\\Temp"},
        {format(u"%02d:%02d", 7, 5), u"07:05"},
        {format(u"%02d:%02d", 23, 59), u"23:59"},
        {format(u"%08X", 0x1A2Bu), u"00001A2B"},
        {format(u"%-10s|", u"name"), u"name      |"},
        {format(u"%.2f", 3.14159), u"3.14"},
        {format(u"%hs", "narrow"), u"narrow"},
        {format(u"Kelvara %d.%d (Build %d)", 2, 1, 345), u"Kelvara 2.1 (Build 345)"},
        {format(u"100%% done"), u"100% done"},
    });
}

TEST(Printf, Integers)
{
    check({
        {format(u"%d %i", -42, 42), u"-42 42"},
        {format(u"%u", -1), u"4294967295"},
        {format(u"%x %X %o", 255, 255, 8), u"ff FF 10"},
        {format(u"%08x|%02x", 0xBEEF, 0xA), u"0000beef|0a"},
        {format(u"%5d|%-5d|%05d", 42, 42, -42), u"   42|42   |-0042"},
        {format(u"%+d % d %+d", 5, 5, -5), u"+5  5 -5"},
        {format(u"%#x %#X %#o %#x", 255, 255, 8, 0), u"0xff 0XFF 010 0"},
        {format(u"%.3d|%6.3d|%.0d|", 7, -7, 0), u"007|  -007||"},
        {format(u"%*d|%-*d|%.*d", 4, 1, 3, 2, 3, 9), u"   1|2  |009"},
        {format(u"%*d|", -4, 1), u"1   |"},
        {format(u"%d", INT32_MIN), u"-2147483648"},
    });
}

TEST(Printf, SizePrefixesUseTheDeviceWidths)
{
    check({
        // On the device long is 32 bits: %ld reads an int and the next argument stays in place.
        {format(u"%ld|%s", LONG(-5), u"next"), u"-5|next"},
        {format(u"%li %lu %lx %d", LONG(-1), DWORD(0xFFFFFFFF), DWORD(0xCAFE), 9), u"-1 4294967295 cafe 9"},
        {format(u"%hd %hu %hx", 0x12345, 0x1FFFF, 0xABCDEF), u"9029 65535 cdef"},
        {format(u"%hd", 0x8000), u"-32768"},
        {format(u"%I64d %d", int64_t(-9000000000), 1), u"-9000000000 1"},
        {format(u"%I64u %I64x", UINT64_MAX, uint64_t(0x123456789A)), u"18446744073709551615 123456789a"},
        {format(u"%lld %llu %d", INT64_MIN, uint64_t(1) << 40, 3), u"-9223372036854775808 1099511627776 3"},
        {format(u"%I32d %Id", 5, 6), u"5 6"},
    });
}

TEST(Printf, CharactersAndStrings)
{
    check({
        {format(u"[%c%c]", u'é', 0x416), u"[éЖ]"},
        {format(u"[%hc%C]", 'A', 0xE9), u"[Aé]"},
        {format(u"%s|%ls|%ws", u"wide", u"ω", u"w"), u"wide|ω|w"},
        {format(u"%hs|%S", "caf\xE9", "\x80 5"), u"café|€ 5"},
        {format(u"%.3s|%5.1s|%-4hs|", u"abcdef", u"xyz", "ab"), u"abc|    x|ab  |"},
        {format(u"%s|%hs|%.2s", static_cast<const WCHAR*>(nullptr), static_cast<const char*>(nullptr),
                static_cast<const WCHAR*>(nullptr)),
         u"(null)|(null)|(n"},
        {format(u"%3c|%-3c|", u'x', u'y'), u"  x|y  |"},
    });
}

TEST(Printf, FloatingPoint)
{
    check({
        {format(u"%f", 1.5), u"1.500000"},
        {format(u"%5.1f|%-6.2f|%06.2f", 2.26, 1.0, -1.5), u"  2.3|1.00  |-01.50"},
        {format(u"%e", 12345.678), u"1.234568e+04"},
        {format(u"%g %g", 0.0001, 1e20), u"0.0001 1e+20"},
        {format(u"%.1f %d", 9.96, 4), u"10.0 4"},
        {format(u"%+.0f", 2.0), u"+2"},
    });
}

TEST(Printf, PointersAndUnknownConversions)
{
    const auto address = reinterpret_cast<void*>(uintptr_t(0xABCDEF));
    const std::u16string expected = std::u16string(2 * sizeof(void*) - 6, u'0') + u"ABCDEF";
    check({
        {format(u"%p", address), expected},
        {format(u"%y %k|%d", 7), u"%y %k|7"},
        {format(u"50%"), u"50%"},
    });
}

TEST(Printf, WsprintfStopsAt1024CharactersWithTerminator)
{
    const std::u16string long2000(2000, u'x');
    WCHAR buffer[1100];
    buffer[1023] = u'#';
    EXPECT_EQ(wsprintfW(buffer, u"%s", long2000.c_str()), 1023);
    EXPECT_EQ(buffer[1023], u'\0');
    EXPECT_EQ(std::u16string(buffer), long2000.substr(0, 1023));

    EXPECT_EQ(wsprintfW(buffer, u"%d-%s", 5, u"ok"), 4);
    EXPECT_EQ(std::u16string(buffer), u"5-ok");
}

TEST(Printf, SnwprintfCountRules)
{
    WCHAR buffer[8];
    const auto fill = [&] { std::fill(std::begin(buffer), std::end(buffer), u'#'); };

    fill();  // fits with room for the terminator
    EXPECT_EQ(_snwprintf(buffer, 8, u"%d", 12345), 5);
    EXPECT_EQ(std::u16string(buffer), u"12345");

    fill();  // exactly count characters: stored without terminator
    EXPECT_EQ(_snwprintf(buffer, 5, u"%d", 12345), 5);
    EXPECT_EQ(std::u16string(buffer, 6), u"12345#");

    fill();  // too long: count characters, no terminator, -1
    EXPECT_EQ(_snwprintf(buffer, 3, u"%d", 12345), -1);
    EXPECT_EQ(std::u16string(buffer, 4), u"123#");

    EXPECT_EQ(_snwprintf(nullptr, 0, u"%d", 1), -1);
    EXPECT_EQ(_snwprintf(nullptr, 0, u""), 0);
}

TEST(Printf, SwprintfIsUnbounded)
{
    const std::u16string text(1500, u'y');
    std::u16string buffer(1600, u'#');
    EXPECT_EQ(swprintf(buffer.data(), u"<%s>", text.c_str()), 1502);
    EXPECT_EQ(buffer.substr(0, 1503), u"<" + text + u">" + u'\0');
}

TEST(Printf, StringCchPrintfTruncatesAndTerminates)
{
    WCHAR buffer[6];
    EXPECT_EQ(StringCchPrintfW(buffer, 6, u"%d:%02d", 1, 5), S_OK);
    EXPECT_EQ(std::u16string(buffer), u"1:05");
    EXPECT_EQ(StringCchPrintfW(buffer, 6, u"%s", u"abcde"), S_OK);
    EXPECT_EQ(std::u16string(buffer), u"abcde");
    EXPECT_EQ(StringCchPrintfW(buffer, 6, u"%s", u"abcdefgh"), STRSAFE_E_INSUFFICIENT_BUFFER);
    EXPECT_EQ(std::u16string(buffer), u"abcde");
    EXPECT_EQ(StringCchPrintfW(buffer, 0, u"x"), STRSAFE_E_INVALID_PARAMETER);
}

}  // namespace
