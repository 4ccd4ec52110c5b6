// The C runtime's wide-string calls for WCHAR, number parsing and the safe-string helpers.
#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "cewchar.h"
#include "winerror.h"

namespace {

int sign(int v)
{
    return (v > 0) - (v < 0);
}

TEST(WideString, LengthCopyAndConcatenate)
{
    EXPECT_EQ(wcslen(u""), 0u);
    EXPECT_EQ(wcslen(u"Привет"), 6u);
    EXPECT_EQ(wcsnlen(u"abcdef", 3), 3u);
    EXPECT_EQ(wcsnlen(u"ab", 5), 2u);

    WCHAR buffer[16];
    EXPECT_EQ(wcscpy(buffer, u"\\Temp"), buffer);
    EXPECT_EQ(wcscat(buffer, u"\\a.tmp"), buffer);
    EXPECT_EQ(std::u16string(buffer), u"\\Temp\\a.tmp");
    EXPECT_EQ(wcsncat(buffer, u"xyz", 2), buffer);
    EXPECT_EQ(std::u16string(buffer), u"\\Temp\\a.tmpxy");
}

TEST(WideString, NcpyPadsWithZerosAndDoesNotTerminateLongSources)
{
    WCHAR buffer[6];
    std::fill(std::begin(buffer), std::end(buffer), u'#');
    wcsncpy(buffer, u"ab", 5);
    EXPECT_EQ(std::u16string(buffer, 6), std::u16string(u"ab\0\0\0#", 6));

    std::fill(std::begin(buffer), std::end(buffer), u'#');
    wcsncpy(buffer, u"abcdefgh", 4);
    EXPECT_EQ(std::u16string(buffer, 6), u"abcd##");
}

TEST(WideString, CompareAsUnsignedUnits)
{
    struct Case {
        const char16_t* a;
        const char16_t* b;
        int expected;
    };
    const Case cases[] = {
        {u"abc", u"abc", 0},    {u"abc", u"abd", -1}, {u"ab", u"abc", -1},
        {u"a", u"A", 1},        {u"\uFFFF", u"a", 1},  {u"é", u"É", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        EXPECT_EQ(sign(wcscmp(c.a, c.b)), c.expected);
    }
    EXPECT_EQ(wcsncmp(u"abcX", u"abcY", 3), 0);
    EXPECT_LT(wcsncmp(u"abcX", u"abcY", 4), 0);
}

TEST(WideString, Searches)
{
    const WCHAR* path = u"\\Windows\\Start Menu\\a.lnk";
    EXPECT_EQ(wcschr(path, u'\\'), path);
    EXPECT_EQ(wcsrchr(path, u'\\'), path + 19);
    EXPECT_EQ(wcschr(path, u'?'), nullptr);
    EXPECT_EQ(wcschr(path, u'\0'), path + 25);
    EXPECT_EQ(wcsstr(path, u"Start"), path + 9);
    EXPECT_EQ(wcsstr(path, u"start"), nullptr);
    EXPECT_EQ(wcsstr(path, u""), path);

    WCHAR text[] = u"a.b.c";
    WCHAR* dot = wcsrchr(text, u'.');
    *dot = u'\0';
    EXPECT_EQ(std::u16string(text), u"a.b");
}

struct NumberCase {
    const char16_t* text;
    int base;
    long expected;
    std::size_t consumed;
};

TEST(WideNumber, Wcstol)
{
    const NumberCase cases[] = {
        {u"123", 10, 123, 3},
        {u"  \t-45xyz", 10, -45, 6},
        {u"+7", 10, 7, 2},
        {u"0x1F", 16, 31, 4},
        {u"0x1F", 0, 31, 4},
        {u"1F", 16, 31, 2},
        {u"017", 0, 15, 3},
        {u"019", 0, 1, 2},
        {u"0x", 16, 0, 1},
        {u"0xg", 0, 0, 1},
        {u"z", 36, 35, 1},
        {u"101", 2, 5, 3},
        {u"abc", 10, 0, 0},
        {u"  -", 10, 0, 0},
        {u"", 10, 0, 0},
        {u"2147483647", 10, 2147483647, 10},
        {u"-2147483648", 10, -2147483647L - 1, 11},
        {u"12", 1, 0, 0},
        {u"12", 37, 0, 0},
    };
    for (const NumberCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        WCHAR* end = nullptr;
        EXPECT_EQ(wcstol(c.text, &end, c.base), c.expected);
        EXPECT_EQ(end, c.text + c.consumed);
    }
}

TEST(WideNumber, WcstolSaturatesAtThe32BitRange)
{
    errno = 0;
    WCHAR* end = nullptr;
    const WCHAR* big = u"2147483648 rest";
    EXPECT_EQ(wcstol(big, &end, 10), 2147483647L);
    EXPECT_EQ(errno, ERANGE);
    EXPECT_EQ(end, big + 10);

    errno = 0;
    EXPECT_EQ(wcstol(u"-99999999999999999999", nullptr, 10), -2147483647L - 1);
    EXPECT_EQ(errno, ERANGE);
}

TEST(WideNumber, Wcstoul)
{
    errno = 0;
    EXPECT_EQ(wcstoul(u"4294967295", nullptr, 10), 4294967295UL);
    EXPECT_EQ(errno, 0);
    EXPECT_EQ(wcstoul(u"0xFFFFFFFF", nullptr, 0), 4294967295UL);
    EXPECT_EQ(wcstoul(u"-1", nullptr, 10), 4294967295UL);
    EXPECT_EQ(wcstoul(u"-2", nullptr, 10), 4294967294UL);
    EXPECT_EQ(wcstoul(u"4294967296", nullptr, 10), 4294967295UL);
    EXPECT_EQ(errno, ERANGE);
}

TEST(WideNumber, AtoiForms)
{
    EXPECT_EQ(_wtoi(u" 42 apples"), 42);
    EXPECT_EQ(_wtoi(u"-0012"), -12);
    EXPECT_EQ(_wtoi(u"x1"), 0);
    EXPECT_EQ(_wtoi(u"0x10"), 0);
    EXPECT_EQ(_wtol(u"99999999999"), 2147483647L);
}

TEST(SafeString, CopyTruncatesAndTerminates)
{
    WCHAR buffer[5];
    EXPECT_EQ(StringCchCopyW(buffer, 5, u"abcd"), S_OK);
    EXPECT_EQ(std::u16string(buffer), u"abcd");
    EXPECT_EQ(StringCchCopyW(buffer, 5, u"abcdef"), STRSAFE_E_INSUFFICIENT_BUFFER);
    EXPECT_EQ(std::u16string(buffer), u"abcd");
    EXPECT_EQ(StringCchCopyW(buffer, 1, u"abc"), STRSAFE_E_INSUFFICIENT_BUFFER);
    EXPECT_EQ(buffer[0], u'\0');
    EXPECT_EQ(StringCchCopyW(buffer, 0, u"abc"), STRSAFE_E_INVALID_PARAMETER);
    EXPECT_EQ(StringCchCopyW(nullptr, 5, u"abc"), STRSAFE_E_INVALID_PARAMETER);
}

TEST(SafeString, CatTruncatesAndRejectsUnterminatedDestinations)
{
    WCHAR buffer[8] = u"ab";
    EXPECT_EQ(StringCchCatW(buffer, 8, u"cd"), S_OK);
    EXPECT_EQ(std::u16string(buffer), u"abcd");
    EXPECT_EQ(StringCchCatW(buffer, 8, u"efghij"), STRSAFE_E_INSUFFICIENT_BUFFER);
    EXPECT_EQ(std::u16string(buffer), u"abcdefg");
    EXPECT_EQ(StringCchCatW(buffer, 8, u"x"), STRSAFE_E_INSUFFICIENT_BUFFER);
    EXPECT_EQ(std::u16string(buffer), u"abcdefg");

    WCHAR full[3] = {u'a', u'b', u'c'};
    EXPECT_EQ(StringCchCatW(full, 3, u"d"), STRSAFE_E_INVALID_PARAMETER);
    EXPECT_EQ(StringCchCatW(buffer, 0, u"d"), STRSAFE_E_INVALID_PARAMETER);
}

}  // namespace
