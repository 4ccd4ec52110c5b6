// Shortcut files: reading the command from the bytes the device stores, splitting it into target
// and arguments, and writing the bytes back.
#include <gtest/gtest.h>

#include "emulator/Text.h"
#include "../ShortcutFile.h"
#include "winerror.h"

namespace {

TEST(ShortcutFile, ReadsTheCommand)
{
    const struct {
        const char* name;
        std::string bytes;
        std::u16string command;
    } cases[] = {
        {"quoted target", "23#\"\\Windows\\iexplore.exe\"", u"\"\\Windows\\iexplore.exe\""},
        {"arguments", "36#\"\\Windows\\KelvaraLauncher.exe\" -noop", u"\"\\Windows\\KelvaraLauncher.exe\" -noop"},
        {"line end", "17#\\Windows\\calc.exe\r\nmore", u"\\Windows\\calc.exe"},
        {"count too small", "5#\\Windows\\calc.exe", u"\\Windows\\calc.exe"},
        {"count too large", "99#\\Windows\\calc.exe", u"\\Windows\\calc.exe"},
        {"count of zero", "0#\\Windows\\calc.exe", u"\\Windows\\calc.exe"},
        {"ANSI text", "22#\\My Documents\\caf\xE9.exe", u"\\My Documents\\caf\u00E9.exe"},
        {"ANSI euro sign", "7#\\a\x80.exe", u"\\a\u20AC.exe"},
        {"UTF-8 text", "22#\\My Documents\\caf\xC3\xA9.exe", u"\\My Documents\\caf\u00E9.exe"},
        {"UTF-8 with mark", "\xEF\xBB\xBF" "6#\\x.exe", u"\\x.exe"},
        {"UTF-16 with mark", std::string("\xFF\xFE" "6\0#\0\\\0x\0.\0e\0x\0e\0", 18), u"\\x.exe"},
        {"terminator", std::string("6#\\x.exe\0junk", 13), u"\\x.exe"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::u16string command;
        EXPECT_EQ(static_cast<DWORD>(ERROR_SUCCESS), ce::readShortcutCommand(c.bytes, command));
        EXPECT_EQ(emulator::toUtf8(c.command), emulator::toUtf8(command));
    }
}

TEST(ShortcutFile, BadHeadersAreNoShortcut)
{
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"empty file", ""},
        {"no count", "#\\Windows\\calc.exe"},
        {"no hash", "18\\Windows\\calc.exe"},
        {"count only", "18"},
        {"text before the count", " 17#\\Windows\\calc.exe"},
        {"letters in the count", "1a#\\Windows\\calc.exe"},
        {"empty command", "0#"},
        {"command on the next line", "18#\r\n\\Windows\\calc.exe"},
        {"desktop shortcut", std::string("L\0\0\0\x01\x14\x02\0", 8)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::u16string command = u"untouched";
        EXPECT_EQ(static_cast<DWORD>(ERROR_BAD_FORMAT), ce::readShortcutCommand(c.bytes, command));
    }
}

TEST(ShortcutFile, SplitsTargetAndArguments)
{
    const struct {
        std::u16string command, target, arguments;
    } cases[] = {
        {u"\"\\Program Files\\Tool\\app.exe\"", u"\\Program Files\\Tool\\app.exe", u""},
        {u"\"\\Program Files\\Tool\\app.exe\" -a b", u"\\Program Files\\Tool\\app.exe", u"-a b"},
        {u"\"\\Windows\\KelvaraLauncher.exe\"-Q", u"\\Windows\\KelvaraLauncher.exe", u"-Q"},
        {u"\\Windows\\autoprof -s Silent", u"\\Windows\\autoprof", u"-s Silent"},
        {u"\\Windows\\calc.exe", u"\\Windows\\calc.exe", u""},
        {u"\\Windows\\calc.exe   ", u"\\Windows\\calc.exe", u""},
        {u"\"\\Windows\\unclosed.exe -x", u"\\Windows\\unclosed.exe -x", u""},
        {u":MSPIMG?pimgres.dll,-101", u":MSPIMG?pimgres.dll,-101", u""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(emulator::toUtf8(c.command));
        const ce::ShortcutTarget split = ce::splitShortcutCommand(c.command);
        EXPECT_EQ(emulator::toUtf8(c.target), emulator::toUtf8(split.target));
        EXPECT_EQ(emulator::toUtf8(c.arguments), emulator::toUtf8(split.arguments));
    }
}

TEST(ShortcutFile, WritesWhatItReads)
{
    const struct {
        std::u16string command;
        std::string bytes;
    } cases[] = {
        {u"\"\\Windows\\KelvaraLauncher.exe\" -noop", "36#\"\\Windows\\KelvaraLauncher.exe\" -noop"},
        {u"\\My Documents\\caf\u00E9.exe", "22#\\My Documents\\caf\xE9.exe"},
        {u"\\Temp\\\u65E5\u672C.exe", "12#\\Temp\\\xE6\x97\xA5\xE6\x9C\xAC.exe"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        EXPECT_EQ(c.bytes, ce::shortcutFileBytes(c.command));
        std::u16string command;
        ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS), ce::readShortcutCommand(c.bytes, command));
        EXPECT_EQ(emulator::toUtf8(c.command), emulator::toUtf8(command));
    }
}

}  // namespace
