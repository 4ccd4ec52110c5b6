// How cedevice reads what users type: options, numbers, key paths, registry types and data,
// and how it shows data and attributes back.
#include <gtest/gtest.h>

#include "CommandLine.h"
#include "CommandSupport.h"
#include "FileAttributes.h"
#include "NumberText.h"
#include "RegistryKeyPath.h"
#include "RegistryValueText.h"
#include "winreg.h"

namespace cedevice {
namespace {

TEST(CommandLine, OptionsAndPositionals)
{
    const OptionSpec specs[] = {{"--attr", true}, {"--recursive", false}};
    struct Case {
        std::vector<std::string> args;
        bool ok;
        std::vector<std::string> positional;
        std::string attr;  // "-" when absent
        bool recursive;
    };
    const Case cases[] = {
        {{"img", "a"}, true, {"img", "a"}, "-", false},
        {{"img", "--attr", "0x21", "a"}, true, {"img", "a"}, "0x21", false},
        {{"img", "a", "--attr=7"}, true, {"img", "a"}, "7", false},
        {{"img", "--recursive", "-5"}, true, {"img", "-5"}, "-", true},
        {{"img", "--", "--attr", "x"}, true, {"img", "--attr", "x"}, "-", false},
        {{"img", "--attr"}, false, {}, "-", false},
        {{"img", "--recursive=1"}, false, {}, "-", false},
        {{"img", "--bogus"}, false, {}, "-", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        CommandLine line;
        ASSERT_EQ(c.ok, parseCommandLine(c.args, specs, line));
        if (!c.ok)
            continue;
        EXPECT_EQ(c.positional, line.positional);
        EXPECT_EQ(c.attr, line.option("--attr") ? *line.option("--attr") : "-");
        EXPECT_EQ(c.recursive, line.has("--recursive"));
    }
}

TEST(NumberText, HexAndDecimal)
{
    struct Case {
        const char* text;
        bool hexOk;
        DWORD hex;
        bool numberOk;
        DWORD number;
    };
    const Case cases[] = {
        {"10", true, 0x10, true, 10},
        {"0x10", true, 0x10, true, 0x10},
        {"0XfF", true, 0xff, true, 0xff},
        {"2041", true, 0x2041, true, 2041},
        {"ffffffff", true, 0xffffffff, false, 0},
        {"4294967295", false, 0, true, 4294967295u},
        {"4294967296", false, 0, false, 0},
        {"0x100000000", false, 0, false, 0},
        {"", false, 0, false, 0},
        {"0x", false, 0, false, 0},
        {"-1", false, 0, false, 0},
        {"12 ", false, 0, false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        DWORD value = 0;
        EXPECT_EQ(c.hexOk, parseHex32(c.text, value));
        if (c.hexOk) {
            EXPECT_EQ(c.hex, value);
        }
        EXPECT_EQ(c.numberOk, parseNumber32(c.text, value));
        if (c.numberOk) {
            EXPECT_EQ(c.number, value);
        }
    }
}

TEST(RegistryKeyPath, RootsAndSubKeys)
{
    struct Case {
        const char* argument;
        HKEY root;
        std::u16string subKey;
        std::string display;
    };
    const Case cases[] = {
        {"HKEY_LOCAL_MACHINE\\Software\\Apps", HKEY_LOCAL_MACHINE, u"Software\\Apps",
         "HKEY_LOCAL_MACHINE\\Software\\Apps"},
        {"hklm\\init", HKEY_LOCAL_MACHINE, u"init", "HKEY_LOCAL_MACHINE\\init"},
        {"HKCU", HKEY_CURRENT_USER, u"", "HKEY_CURRENT_USER"},
        {"hkey_classes_root\\.txt\\", HKEY_CLASSES_ROOT, u".txt", "HKEY_CLASSES_ROOT\\.txt"},
        {"HKU\\.Default", HKEY_USERS, u".Default", "HKEY_USERS\\.Default"},
        {"HKEY_USERS\\", HKEY_USERS, u"", "HKEY_USERS"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.argument);
        const KeyPath path = parseKeyPath(c.argument);
        EXPECT_EQ(c.root, path.root);
        EXPECT_EQ(c.subKey, path.subKey);
        EXPECT_EQ(c.display, path.display);
    }
    for (const char* bad : {"HKXX\\a", "", "\\Software", "HKLMX", "HKEY_LOCAL"})
        EXPECT_THROW(parseKeyPath(bad), CommandError) << bad;
}

TEST(RegistryValueText, HexBytes)
{
    struct Case {
        const char* text;
        bool ok;
        std::vector<BYTE> bytes;
    };
    const Case cases[] = {
        {"01,ff,3a", true, {0x01, 0xff, 0x3a}},
        {"01FF3A", true, {0x01, 0xff, 0x3a}},
        {"1,a", true, {0x01, 0x0a}},
        {"", true, {}},
        {"abc", false, {}},
        {"0g", false, {}},
        {"1,,2", false, {}},
        {"01,", false, {}},
        {"100,1", false, {}},
        {"01 02", false, {}},
    };
    for (const auto& c : cases) {
        std::vector<BYTE> bytes;
        EXPECT_EQ(c.ok, parseHexBytes(c.text, bytes)) << c.text;
        if (c.ok) {
            EXPECT_EQ(c.bytes, bytes) << c.text;
        }
    }
}

TEST(RegistryValueText, OddStoredDataIsShownNotTrusted)
{
    // Data written by other programs need not be well formed.
    EXPECT_EQ("ab", formatValueData(REG_SZ, {'a', 0, 'b', 0}, "|"));  // no terminator
    EXPECT_EQ("a", formatValueData(REG_SZ, {'a', 0, 0, 0, 'b', 0, 0}, "|"));  // stops at the first NUL
    EXPECT_EQ("01,02,03", formatValueData(REG_DWORD, {1, 2, 3}, "|"));  // not four bytes
    EXPECT_EQ("a\nb", formatValueData(REG_MULTI_SZ, {'a', 0, 0, 0, 'b', 0}, "\n"));  // no final terminators
    EXPECT_EQ("a", formatValueData(REG_MULTI_SZ, {'a', 0, 0, 0, 0, 0, 'b', 0, 0, 0}, "|"));  // ends at ""
}

TEST(FileAttributesText, NamesAndLetters)
{
    struct Case {
        DWORD attributes;
        const char* names;
        const char* letters;
    };
    const Case cases[] = {
        {0x00002041, "READONLY INROM ROMMODULE", "-r-----im"},
        {0x00000010, "DIRECTORY", "d--------"},
        {0x00000027, "READONLY HIDDEN SYSTEM ARCHIVE", "-rhsa----"},
        {0x00000980, "NORMAL TEMPORARY COMPRESSED", "-----tc--"},
        {0x00000000, "", "---------"},
        {0x00010000, "", "---------"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.names, attributeNames(c.attributes)) << std::hex << c.attributes;
        EXPECT_EQ(c.letters, attributeLetters(c.attributes)) << std::hex << c.attributes;
    }
}

TEST(DevicePathArgument, SlashesAndRoot)
{
    const std::pair<const char*, std::u16string> cases[] = {
        {"\\Windows\\nk.exe", u"\\Windows\\nk.exe"}, {"/Windows/nk.exe", u"\\Windows\\nk.exe"},
        {"Temp", u"\\Temp"},                         {"\\", u"\\"},
        {"", u"\\"},                                 {"\\My Documents\\", u"\\My Documents"},
    };
    for (const auto& [argument, path] : cases)
        EXPECT_EQ(path, devicePath(argument)) << argument;
    EXPECT_THROW(devicePath("\\bad\xc3"), CommandError);
}

}  // namespace
}  // namespace cedevice
