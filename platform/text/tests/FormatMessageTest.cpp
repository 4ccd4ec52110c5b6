// FormatMessageW: system texts, buffer rules, inserts from a va_list or an argument array.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <string>

#include "emulator/Text.h"
#include "winbase.h"
#include "winerror.h"

namespace {

std::u16string systemText(DWORD code, DWORD extraFlags = 0)
{
    WCHAR buffer[512];
    const DWORD n = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | extraFlags, nullptr,
                                   code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), buffer, 512, nullptr);
    return n ? std::u16string(buffer, n) : u"<failed>";
}

// FormatMessageW with its inserts passed as a va_list, as callers build one.
std::u16string fromString(DWORD flags, const char16_t* definition, ...)
{
    va_list args;
    va_start(args, definition);
    WCHAR buffer[256];
    const DWORD n = FormatMessageW(FORMAT_MESSAGE_FROM_STRING | flags, definition, 0, 0, buffer, 256, &args);
    va_end(args);
    return n ? std::u16string(buffer, n) : u"<failed>";
}

TEST(FormatMessage, SystemTexts)
{
    const std::pair<DWORD, std::u16string> cases[] = {
        {ERROR_SUCCESS, u"The operation completed successfully.\r\n"},
        {ERROR_FILE_NOT_FOUND, u"The system cannot find the file specified.\r\n"},
        {ERROR_PATH_NOT_FOUND, u"The system cannot find the path specified.\r\n"},
        {ERROR_ACCESS_DENIED, u"Access is denied.\r\n"},
        {ERROR_SHARING_VIOLATION, u"The process cannot access the file because it is being used by another process.\r\n"},
        {ERROR_ALREADY_EXISTS, u"Cannot create a file when that file already exists.\r\n"},
        {ERROR_BAD_EXE_FORMAT, u"%1 is not a valid Win32 application.\r\n"},
        {static_cast<DWORD>(E_INVALIDARG), u"The parameter is incorrect.\r\n"},
    };
    for (const auto& [code, text] : cases) {
        SCOPED_TRACE(code);
        EXPECT_EQ(systemText(code), text);
    }
}

TEST(FormatMessage, EveryErrorCodeInTheHeaderHasAText)
{
    std::ifstream header(KELVARA_WINERROR_H);
    ASSERT_TRUE(header) << KELVARA_WINERROR_H;
    const std::regex define(R"(#define\s+(ERROR_\w+)\s+(\d+)L)");
    int codes = 0;
    for (std::string line; std::getline(header, line);) {
        std::smatch m;
        if (!std::regex_search(line, m, define))
            continue;
        ++codes;
        const std::u16string text = systemText(static_cast<DWORD>(std::stoul(m[2])));
        EXPECT_TRUE(text.size() > 3 && text.ends_with(u".\r\n")) << m[1] << ": " << emulator::toUtf8(text);
    }
    EXPECT_GT(codes, 50);
}

TEST(FormatMessage, FailuresSetTheLastError)
{
    WCHAR buffer[8];
    const struct {
        DWORD flags;
        DWORD code;
        DWORD size;
        DWORD error;
    } cases[] = {
        {FORMAT_MESSAGE_FROM_SYSTEM, 0x2FFF, 8, ERROR_MR_MID_NOT_FOUND},
        {FORMAT_MESSAGE_FROM_SYSTEM, ERROR_ACCESS_DENIED, 8, ERROR_INSUFFICIENT_BUFFER},
        {FORMAT_MESSAGE_FROM_SYSTEM, ERROR_ACCESS_DENIED, 19, ERROR_INSUFFICIENT_BUFFER},
        {FORMAT_MESSAGE_FROM_HMODULE, 1, 8, ERROR_RESOURCE_TYPE_NOT_FOUND},
        {0, ERROR_ACCESS_DENIED, 8, ERROR_INVALID_PARAMETER},
        // An insert needs arguments.
        {FORMAT_MESSAGE_FROM_SYSTEM, ERROR_BAD_EXE_FORMAT, 8, ERROR_INVALID_PARAMETER},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        SetLastError(0);
        EXPECT_EQ(FormatMessageW(c.flags, nullptr, c.code, 0, buffer, c.size, nullptr), 0u);
        EXPECT_EQ(GetLastError(), c.error);
    }
    // "Access is denied.\r\n" needs 20 characters with the terminator.
    WCHAR exact[20];
    EXPECT_EQ(FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, ERROR_ACCESS_DENIED, 0, exact, 20, nullptr), 19u);
}

TEST(FormatMessage, AllocateBuffer)
{
    LPWSTR text = nullptr;
    const DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM, nullptr,
                                   ERROR_FILE_NOT_FOUND, 0, reinterpret_cast<LPWSTR>(&text), 0, nullptr);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(n, 44u);
    EXPECT_EQ(std::u16string(text), u"The system cannot find the file specified.\r\n");
    LocalFree(text);

    // nSize is a minimum: the block holds at least that many characters.
    LPWSTR big = nullptr;
    EXPECT_EQ(FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_STRING, u"ab", 0, 0,
                             reinterpret_cast<LPWSTR>(&big), 300, nullptr),
              2u);
    ASSERT_NE(big, nullptr);
    big[299] = u'x';  // within the block (checked under ASan)
    EXPECT_EQ(std::u16string(big), u"ab");
    LocalFree(big);
}

TEST(FormatMessage, InsertsFromVaList)
{
    EXPECT_EQ(fromString(0, u"%1 and %2, then %1 again", u"one", u"two"), u"one and two, then one again");
    EXPECT_EQ(fromString(0, u"%2!d! of %1!u! (%3!s!)", DWORD(5), LONG(-4), u"x"), u"-4 of 5 (x)");
    EXPECT_EQ(fromString(0, u"[%1!08X!] %2!hs!", 0xBEEFu, "narrow"), u"[0000BEEF] narrow");
    EXPECT_EQ(fromString(0, u"%1!I64u! then %2", uint64_t(1) << 40, u"next"), u"1099511627776 then next");
    EXPECT_EQ(fromString(0, u"%1!.1f!%%", 99.46), u"99.5%");
    // '*' takes the insert's own argument for the width; the value is the next one.
    EXPECT_EQ(fromString(0, u"[%1!*s!] %3", 6, u"ab", u"end"), u"[    ab] end");
    EXPECT_EQ(fromString(0, u"[%1!*.*s!]", 5, 2, u"abcdef"), u"[   ab]");
}

TEST(FormatMessage, InsertsFromArgumentArray)
{
    const DWORD_PTR array[] = {reinterpret_cast<DWORD_PTR>(u"disk"), 42, DWORD_PTR(-7)};
    WCHAR buffer[64];
    const DWORD n = FormatMessageW(FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ARGUMENT_ARRAY,
                                   u"%1: %2!u! free, %3!d!", 0, 0, buffer, 64,
                                   reinterpret_cast<va_list*>(const_cast<DWORD_PTR*>(array)));
    EXPECT_EQ(std::u16string(buffer, n), u"disk: 42 free, -7");

    // A system text with an insert, filled from the array.
    const DWORD_PTR file[] = {reinterpret_cast<DWORD_PTR>(u"\\Windows\\a.exe")};
    const std::u16string expected = u"\\Windows\\a.exe is not a valid Win32 application.\r\n";
    EXPECT_EQ(FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_ARGUMENT_ARRAY, nullptr, ERROR_BAD_EXE_FORMAT,
                             0, buffer, 64, reinterpret_cast<va_list*>(const_cast<DWORD_PTR*>(file))),
              expected.size());
    EXPECT_EQ(std::u16string(buffer), expected);
}

TEST(FormatMessage, EscapesAndLineBreaks)
{
    EXPECT_EQ(fromString(0, u"a%nb%%c%.%!%t%r%bd"), u"a\r\nb%c.!\t\r d");
    EXPECT_EQ(fromString(0, u"cut here%0and not this"), u"cut here");
    EXPECT_EQ(fromString(0, u"%1%!", u"Best"), u"Best!");
    EXPECT_EQ(fromString(0, u"line one\r\nline two\n"), u"line one\r\nline two\n");
    // 0xFF: the definition's own line breaks become spaces, %n stays a hard break.
    EXPECT_EQ(fromString(FORMAT_MESSAGE_MAX_WIDTH_MASK, u"line one\r\nline two%nend\n"),
              u"line one line two\r\nend ");
    EXPECT_EQ(systemText(ERROR_ACCESS_DENIED, FORMAT_MESSAGE_MAX_WIDTH_MASK), u"Access is denied. ");
}

TEST(FormatMessage, IgnoredInsertsStayVerbatimAndBadFormatsFail)
{
    EXPECT_EQ(fromString(FORMAT_MESSAGE_IGNORE_INSERTS, u"%1 and %2!d!%n%3!q!"), u"%1 and %2!d!\r\n%3!q!");
    SetLastError(0);
    EXPECT_EQ(fromString(0, u"%1!q!", 5), u"<failed>");
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_PARAMETER));
}

}  // namespace
