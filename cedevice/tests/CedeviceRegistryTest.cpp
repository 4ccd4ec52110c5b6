// cedevice reg get, set, del, list and deny against a fresh image.
#include "CedeviceTestSupport.h"

namespace cedevice_test {
namespace {

using RegistryTest = ImageTest;

TEST_F(RegistryTest, SetThenGetEveryType)
{
    struct Case {
        const char* type;
        const char* data;
        const char* shown;
    };
    const Case cases[] = {
        {"sz", "h\xc3\xa9llo w\xc3\xb6rld", "sz h\xc3\xa9llo w\xc3\xb6rld\n"},
        {"sz", "", "sz\n"},
        {"expand_sz", "%windir%\\x", "expand_sz %windir%\\x\n"},
        {"multi_sz", "one|two words|three", "multi_sz\none\ntwo words\nthree\n"},
        {"multi_sz", "", "multi_sz\n"},
        {"dword", "42", "dword 42 (0x0000002a)\n"},
        {"DWORD", "0xffffffff", "dword 4294967295 (0xffffffff)\n"},
        {"binary", "01,ff,3a", "binary 01,ff,3a\n"},
        {"reg_binary", "01FF3A", "binary 01,ff,3a\n"},
        {"binary", "", "binary\n"},
        {"none", "00", "none 00\n"},
        {"11", "0102", "11 01,02\n"},
        {"0x5", "0a,0b,0c,0d", "5 0a,0b,0c,0d\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.type) + " " + c.data);
        EXPECT_EQ("", succeeds({"reg", image, "set", "HKCU\\Software\\Test", "Value", c.type, c.data}));
        EXPECT_EQ(c.shown, succeeds({"reg", image, "get", "HKEY_CURRENT_USER\\Software\\Test", "value"}));
    }
}

TEST_F(RegistryTest, DefaultValueAndRootNames)
{
    succeeds({"reg", image, "set", "hkcr\\.xyz", "", "sz", "xyzfile"});
    EXPECT_EQ("sz xyzfile\n", succeeds({"reg", image, "get", "HKEY_CLASSES_ROOT\\.xyz"}));
    EXPECT_EQ("sz xyzfile\n", succeeds({"reg", image, "get", "HKCR\\.XYZ", ""}));
    EXPECT_EQ("sz txtfile\n", succeeds({"reg", image, "get", "HKCR\\.txt"}));
    for (const char* key : {"HKLM\\Ident", "hklm\\ident", "HKEY_local_MACHINE\\Ident\\"})
        EXPECT_EQ("sz Pocket_PC\n", succeeds({"reg", image, "get", key, "Name"})) << key;
    succeeds({"reg", image, "set", "HKU\\.Default\\Sub", "n", "dword", "1"});
    EXPECT_EQ("dword 1 (0x00000001)\n", succeeds({"reg", image, "get", "HKEY_USERS\\.Default\\Sub", "n"}));
}

TEST_F(RegistryTest, ListShowsValuesThenSubkeys)
{
    succeeds({"reg", image, "set", "HKCU\\T", "A", "sz", "x"});
    succeeds({"reg", image, "set", "HKCU\\T", "", "sz", "default"});
    succeeds({"reg", image, "set", "HKCU\\T", "M", "multi_sz", "a|b"});
    succeeds({"reg", image, "set", "HKCU\\T\\Sub", "N", "dword", "7"});
    succeeds({"reg", image, "set", "HKCU\\T\\Sub\\Deeper", "B", "binary", "0102"});
    succeeds({"reg", image, "set", "HKCU\\T\\Other", "E", "expand_sz", "%x%"});

    EXPECT_EQ("A = sz x\n"
              "(default) = sz default\n"
              "M = multi_sz a|b\n"
              "Sub\\\n"
              "Other\\\n",
              succeeds({"reg", image, "list", "HKCU\\T"}));
    EXPECT_EQ("HKEY_CURRENT_USER\\T\n"
              "  A = sz x\n"
              "  (default) = sz default\n"
              "  M = multi_sz a|b\n"
              "HKEY_CURRENT_USER\\T\\Sub\n"
              "  N = dword 7 (0x00000007)\n"
              "HKEY_CURRENT_USER\\T\\Sub\\Deeper\n"
              "  B = binary 01,02\n"
              "HKEY_CURRENT_USER\\T\\Other\n"
              "  E = expand_sz %x%\n",
              succeeds({"reg", image, "list", "hkcu\\T", "--recursive"}));

    const std::string init = succeeds({"reg", image, "list", "HKLM\\init"});
    EXPECT_NE(std::string::npos, init.find("Launch10 = sz shell32.exe\n")) << init;
    EXPECT_NE(std::string::npos, init.find("Depend20 = binary 0a,00\n")) << init;
    EXPECT_EQ("", succeeds({"reg", image, "list", "HKLM\\Software\\Apps"}));
}

TEST_F(RegistryTest, Delete)
{
    succeeds({"reg", image, "set", "HKLM\\Software\\Gone", "V", "sz", "x"});
    succeeds({"reg", image, "set", "HKLM\\Software\\Gone", "", "sz", "d"});
    succeeds({"reg", image, "set", "HKLM\\Software\\Gone\\Child", "W", "sz", "y"});

    EXPECT_EQ("", succeeds({"reg", image, "del", "HKLM\\Software\\Gone", "V"}));
    EXPECT_EQ("cedevice: HKEY_LOCAL_MACHINE\\Software\\Gone value \"V\": The system cannot find the file specified.\n",
              fails({"reg", image, "get", "HKLM\\Software\\Gone", "V"}));
    succeeds({"reg", image, "del", "HKLM\\Software\\Gone", ""});
    EXPECT_EQ("cedevice: HKEY_LOCAL_MACHINE\\Software\\Gone default value: The system cannot find the file "
              "specified.\n",
              fails({"reg", image, "get", "HKLM\\Software\\Gone"}));

    succeeds({"reg", image, "del", "HKLM\\Software\\Gone"});
    EXPECT_EQ("cedevice: HKEY_LOCAL_MACHINE\\Software\\Gone: The system cannot find the file specified.\n",
              fails({"reg", image, "list", "HKLM\\Software\\Gone"}));
    EXPECT_EQ("cedevice: HKEY_LOCAL_MACHINE: a root key cannot be deleted\n", fails({"reg", image, "del", "HKLM"}));
    EXPECT_EQ("cedevice: HKEY_LOCAL_MACHINE\\Ident value \"Nope\": The system cannot find the file specified.\n",
              fails({"reg", image, "del", "HKLM\\Ident", "Nope"}));
}

TEST_F(RegistryTest, DenyMakesTheKeyUnreadable)
{
    EXPECT_EQ("", succeeds({"reg", image, "deny", "HKLM\\Ident"}));
    EXPECT_EQ("cedevice: HKEY_LOCAL_MACHINE\\Ident: Access is denied.\n",
              fails({"reg", image, "get", "HKLM\\Ident", "Name"}));
    EXPECT_EQ("cedevice: HKEY_LOCAL_MACHINE: a root key cannot be denied\n", fails({"reg", image, "deny", "HKLM"}));
}

TEST_F(RegistryTest, BadInputIsRefusedBeforeAnythingChanges)
{
    struct Case {
        std::vector<std::string> args;
        std::string error;
    };
    const Case cases[] = {
        {{"reg", image, "get", "HKXX\\Software", "n"},
         "cedevice: HKXX\\Software: unknown root key (use HKLM, HKCU, HKCR or HKU)\n"},
        {{"reg", image, "set", "HKLM\\New", "n", "string", "x"},
         "cedevice: \"string\": bad type (use sz, expand_sz, multi_sz, dword, binary, none or a number)\n"},
        {{"reg", image, "set", "HKLM\\New", "n", "binary", "0g"},
         "cedevice: \"0g\": bad hex bytes (use 01,ff,3a or 01ff3a)\n"},
        {{"reg", image, "set", "HKLM\\New", "n", "binary", "abc"},
         "cedevice: \"abc\": bad hex bytes (use 01,ff,3a or 01ff3a)\n"},
        {{"reg", image, "set", "HKLM\\New", "n", "dword", "12x"},
         "cedevice: \"12x\": bad dword (use a decimal number or 0x-hex up to 0xffffffff)\n"},
        {{"reg", image, "set", "HKLM\\New", "n", "multi_sz", "a||b"},
         "cedevice: \"a||b\": empty string in multi_sz data\n"},
        {{"reg", image, "set", "HKLM\\New", "n", "sz", "\xff"}, "cedevice: \"\xef\xbf\xbd\": not valid UTF-8\n"},
        {{"reg", image, "get", "HKLM\\Nope", "n"},
         "cedevice: HKEY_LOCAL_MACHINE\\Nope: The system cannot find the file specified.\n"},
        {{"reg", image, "get", "HKLM\\Ident", "Nope"},
         "cedevice: HKEY_LOCAL_MACHINE\\Ident value \"Nope\": The system cannot find the file specified.\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.error, fails(c.args)) << ::testing::PrintToString(c.args);
    EXPECT_NE(std::string::npos, fails({"reg", image, "list", "HKLM\\New"}).find("cannot find"));
}

}  // namespace
}  // namespace cedevice_test
