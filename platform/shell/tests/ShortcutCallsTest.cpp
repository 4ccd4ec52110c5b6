// SHCreateShortcut and SHGetShortcutTarget through the SDK calls on a booted test device.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "TestDevice.h"
#include "emulator/Text.h"
#include "shellapi.h"
#include "windows.h"

namespace {

std::string hostFileBytes(const testing_support::TestDevice& device, const std::u16string& path)
{
    std::ifstream file(device.hostPath(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void writeHostFile(const testing_support::TestDevice& device, const std::u16string& path, const std::string& bytes)
{
    std::ofstream(device.hostPath(path), std::ios::binary) << bytes;
}

TEST(ShortcutCalls, WhatIsWrittenReadsBack)
{
    testing_support::TestDevice device;
    const struct {
        std::u16string target;
        std::string bytes;
    } cases[] = {
        {u"\"\\Program Files\\My Tool\\tool.exe\"", "33#\"\\Program Files\\My Tool\\tool.exe\""},
        {u"\"\\Program Files\\My Tool\\tool.exe\" -a \"b c\"", "42#\"\\Program Files\\My Tool\\tool.exe\" -a \"b c\""},
        {u"\\Windows\\calc.exe", "17#\\Windows\\calc.exe"},
        {u"\\Windows\\pword.exe -opendoc \\My Documents\\caf\u00E9.txt",
         "50#\\Windows\\pword.exe -opendoc \\My Documents\\caf\xE9.txt"},
    };
    int number = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        std::u16string shortcut = u"\\shortcut" + emulator::fromUtf8(std::to_string(++number)) + u".lnk";
        std::u16string target = c.target;
        ASSERT_TRUE(SHCreateShortcut(shortcut.data(), target.data())) << GetLastError();
        EXPECT_EQ(c.bytes, hostFileBytes(device, shortcut));
        WCHAR read[MAX_PATH] = {};
        ASSERT_TRUE(SHGetShortcutTarget(shortcut.data(), read, MAX_PATH)) << GetLastError();
        EXPECT_EQ(emulator::toUtf8(c.target), emulator::toUtf8(read));
    }
}

TEST(ShortcutCalls, AnExistingShortcutIsKept)
{
    testing_support::TestDevice device;
    std::u16string shortcut = u"\\a.lnk";
    std::u16string first = u"\\Windows\\calc.exe";
    std::u16string second = u"\\Windows\\clock.exe";
    ASSERT_TRUE(SHCreateShortcut(shortcut.data(), first.data()));
    EXPECT_FALSE(SHCreateShortcut(shortcut.data(), second.data()));
    EXPECT_EQ("17#\\Windows\\calc.exe", hostFileBytes(device, shortcut));
}

TEST(ShortcutCalls, BadRequestsAreRefused)
{
    testing_support::TestDevice device;
    std::u16string shortcut = u"\\a.lnk";
    std::u16string empty;
    std::u16string tooLong = u"\\" + std::u16string(256, u'x');
    std::u16string longest = u"\\" + std::u16string(255, u'x');
    std::u16string inMissingFolder = u"\\No Such Folder\\a.lnk";
    std::u16string target = u"\\Windows\\calc.exe";
    const struct {
        const char* name;
        LPTSTR shortcut, target;
        DWORD error;
    } cases[] = {
        {"no shortcut name", nullptr, target.data(), ERROR_INVALID_PARAMETER},
        {"no target", shortcut.data(), nullptr, ERROR_INVALID_PARAMETER},
        {"empty target", shortcut.data(), empty.data(), ERROR_INVALID_PARAMETER},
        {"target over 256 characters", shortcut.data(), tooLong.data(), ERROR_INVALID_PARAMETER},
        {"missing folder", inMissingFolder.data(), target.data(), ERROR_PATH_NOT_FOUND},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(SHCreateShortcut(c.shortcut, c.target));
        EXPECT_EQ(c.error, GetLastError());
    }
    EXPECT_FALSE(std::filesystem::exists(device.hostPath(shortcut)));
    EXPECT_TRUE(SHCreateShortcut(shortcut.data(), longest.data())) << "256 characters are allowed";
}

TEST(ShortcutCalls, TargetsThatCannotBeRead)
{
    testing_support::TestDevice device;
    writeHostFile(device, u"\\text.lnk", "just some text");
    writeHostFile(device, u"\\empty.lnk", "");
    writeHostFile(device, u"\\exact.lnk", "17#\\Windows\\calc.exe");
    std::u16string missing = u"\\missing.lnk", text = u"\\text.lnk", empty = u"\\empty.lnk", exact = u"\\exact.lnk";
    const struct {
        const char* name;
        LPTSTR shortcut;
        int size;
        DWORD error;
    } cases[] = {
        {"missing file", missing.data(), MAX_PATH, ERROR_FILE_NOT_FOUND},
        {"not a shortcut", text.data(), MAX_PATH, ERROR_BAD_FORMAT},
        {"empty file", empty.data(), MAX_PATH, ERROR_BAD_FORMAT},
        {"no room for the terminator", exact.data(), 17, ERROR_INSUFFICIENT_BUFFER},
        {"no buffer size", exact.data(), 0, ERROR_INVALID_PARAMETER},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WCHAR read[MAX_PATH] = {};
        EXPECT_FALSE(SHGetShortcutTarget(c.shortcut, read, c.size));
        EXPECT_EQ(c.error, GetLastError());
    }
    WCHAR read[18] = {};
    EXPECT_TRUE(SHGetShortcutTarget(exact.data(), read, 18)) << "the size counts characters, the terminator too";
    EXPECT_EQ(std::u16string(u"\\Windows\\calc.exe"), read);
}

}  // namespace
