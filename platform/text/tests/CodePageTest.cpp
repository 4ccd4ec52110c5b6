// UTF-8 conversion at the host boundary and the code-page calls (CP_UTF8, CP_ACP as
// Windows-1252).
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "emulator/Text.h"
#include "winbase.h"
#include "winerror.h"
#include "winnls.h"

namespace {

using emulator::fromUtf8;
using emulator::fromUtf8Strict;
using emulator::toUtf8;
using emulator::toUtf8Strict;

TEST(Utf, RoundTripsEveryPlane)
{
    const std::u16string texts[] = {
        u"", u"plain", u"Grüße", u"Привет", u"日本語", u"\U0001F600 smile", u"\U0010FFFF", u"\u07FF\u0800\uFFFD",
    };
    for (const std::u16string& text : texts) {
        std::string utf8;
        ASSERT_TRUE(toUtf8Strict(text, utf8));
        EXPECT_EQ(utf8, toUtf8(text));
        std::u16string back;
        ASSERT_TRUE(fromUtf8Strict(utf8, back));
        EXPECT_EQ(back, text);
    }
    EXPECT_EQ(toUtf8(u"é\U0001F600"), "\xC3\xA9\xF0\x9F\x98\x80");
}

TEST(Utf, InvalidUtf8BecomesReplacementCharacters)
{
    struct Case {
        std::string input;
        std::u16string lenient;
    };
    const Case cases[] = {
        {"a\x80z", u"a\uFFFDz"},                     // stray continuation byte
        {"\xC3", u"\uFFFD"},                         // truncated at the end
        {"\xE6\x97z", u"\uFFFDz"},                   // truncated inside the text
        {"\xC0\xAF", u"\uFFFD\uFFFD"},               // overlong '/'
        {"\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD"},     // overlong, three bytes
        {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},     // encoded surrogate
        {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},  // beyond U+10FFFF
        {"\xFF\xFE", u"\uFFFD\uFFFD"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        EXPECT_EQ(fromUtf8(c.input), c.lenient);
        std::u16string out = u"old";
        EXPECT_FALSE(fromUtf8Strict(c.input, out));
    }
}

TEST(Utf, LoneSurrogatesFailStrictAndBecomeReplacementCharacters)
{
    const std::u16string texts[] = {std::u16string(1, 0xD800), std::u16string(1, 0xDC00) + u"x",
                                    u"a" + std::u16string(1, 0xDBFF)};
    for (const std::u16string& text : texts) {
        std::string out;
        EXPECT_FALSE(toUtf8Strict(text, out));
        EXPECT_NE(toUtf8(text).find("\xEF\xBF\xBD"), std::string::npos);
    }
}

TEST(CodePage, AnsiIsWindows1252)
{
    const char narrow[] = "\x80\x8A\x99\x9F\xE9\xFF\x81";
    const std::u16string wide = u"€Š™Ÿéÿ\u0081";
    WCHAR buffer[16];
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, narrow, -1, buffer, 16), 8);
    EXPECT_EQ(std::u16string(buffer), wide);

    char back[16];
    BOOL usedDefault = TRUE;
    EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, back, 16, nullptr, &usedDefault), 8);
    EXPECT_EQ(std::string(back), narrow);
    EXPECT_FALSE(usedDefault);
}

TEST(CodePage, UnmappableCharactersUseTheDefaultCharacter)
{
    char out[8];
    BOOL usedDefault = FALSE;
    EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, u"aЖ\u0080b", 4, out, 8, nullptr, &usedDefault), 4);
    EXPECT_EQ(std::string(out, 4), "a??b");
    EXPECT_TRUE(usedDefault);

    const char star = '*';
    EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, u"日", 1, out, 8, &star, nullptr), 1);
    EXPECT_EQ(out[0], '*');
}

TEST(CodePage, Utf8Conversions)
{
    WCHAR wide[8];
    EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "\xC3\xA9t\xC3\xA9", 5, wide, 8), 3);
    EXPECT_EQ(std::u16string(wide, 3), u"été");

    char narrow[8];
    EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, u"\U0001F600", -1, narrow, 8, nullptr, nullptr), 5);
    EXPECT_EQ(std::string(narrow), "\xF0\x9F\x98\x80");

    BOOL used;
    SetLastError(0);
    EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, u"a", 1, narrow, 8, nullptr, &used), 0);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_PARAMETER));
}

TEST(CodePage, SizeQueriesAndShortBuffers)
{
    // -1 counts the terminator; an explicit length does not add one.
    EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "h\xC3\xA9llo", -1, nullptr, 0), 6);
    EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "h\xC3\xA9llo", 6, nullptr, 0), 5);
    EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, u"héllo", -1, nullptr, 0, nullptr, nullptr), 7);
    EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, u"héllo", 5, nullptr, 0, nullptr, nullptr), 5);

    WCHAR wide[3];
    SetLastError(0);
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "abcd", -1, wide, 3), 0);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INSUFFICIENT_BUFFER));
    char narrow[2];
    SetLastError(0);
    EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, u"é", 1, narrow, 1, nullptr, nullptr), 0);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INSUFFICIENT_BUFFER));
}

TEST(CodePage, BadArgumentsFailWithInvalidParameter)
{
    WCHAR wide[4];
    char narrow[4];
    const std::function<int()> calls[] = {
        [&] { return MultiByteToWideChar(CP_ACP, 0, nullptr, 3, wide, 4); },
        [&] { return MultiByteToWideChar(CP_ACP, 0, "abc", 0, wide, 4); },
        [&] { return MultiByteToWideChar(CP_ACP, 0, "abc", -2, wide, 4); },
        [&] { return MultiByteToWideChar(CP_ACP, 0, "abc", 3, nullptr, 4); },
        [&] { return MultiByteToWideChar(CP_ACP, 0, "abc", 3, wide, -1); },
        [&] { return MultiByteToWideChar(932, 0, "abc", 3, wide, 4); },
        [&] { return WideCharToMultiByte(CP_ACP, 0, nullptr, 3, narrow, 4, nullptr, nullptr); },
        [&] { return WideCharToMultiByte(CP_ACP, 0, u"abc", 0, narrow, 4, nullptr, nullptr); },
        [&] { return WideCharToMultiByte(50000, 0, u"abc", 3, narrow, 4, nullptr, nullptr); },
    };
    for (const auto& call : calls) {
        SCOPED_TRACE(testing::Message() << "call " << (&call - calls));
        SetLastError(0);
        EXPECT_EQ(call(), 0);
        EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_PARAMETER));
    }
}

}  // namespace
