// Values: every data type stored byte-exact, size queries, short buffers, the unnamed value,
// case rules, overwriting and deleting, bad arguments.
#include "RegistryTestSupport.h"

namespace registry_test {
namespace {

struct ValueCase {
    const char16_t* name;
    DWORD type;
    std::vector<BYTE> data;
};

std::vector<BYTE> utf16Bytes(const std::u16string& text)
{
    auto first = reinterpret_cast<const BYTE*>(text.data());
    return std::vector<BYTE>(first, first + text.size() * sizeof(char16_t));
}

TEST_F(RegistryTest, ValuesOfEveryTypeKeepTheirBytes)
{
    const ValueCase cases[] = {
        {u"None", REG_NONE, {}},
        {u"Text", REG_SZ, utf16Bytes(std::u16string(u"Grüße\0", 6))},
        {u"Unterminated", REG_SZ, utf16Bytes(u"abc")},
        {u"Odd", REG_SZ, {0x41, 0x00, 0x42}},
        {u"Expand", REG_EXPAND_SZ, utf16Bytes(std::u16string(u"%TEMP%\\x\0", 9))},
        {u"Binary", REG_BINARY, {0x00, 0xFF, 0x10, 0x00}},
        {u"EmptyBinary", REG_BINARY, {}},
        {u"Dword", REG_DWORD, {0x78, 0x56, 0x34, 0x12}},
        {u"BigEndian", REG_DWORD_BIG_ENDIAN, {0x12, 0x34, 0x56, 0x78}},
        {u"Multi", REG_MULTI_SZ, utf16Bytes(std::u16string(u"a\0bc\0\0", 6))},
        {u"Qword", REG_QWORD, {1, 2, 3, 4, 5, 6, 7, 8}},
        {u"Custom", 0x12345678, {9, 8, 7}},
        {u"Large", REG_BINARY, std::vector<BYTE>(70000, 0xAB)},
    };
    HKEY key = createKey(HKEY_LOCAL_MACHINE, u"Values");
    for (const ValueCase& c : cases)
        ASSERT_EQ(RegSetValueExW(key, c.name, 0, c.type, c.data.data(), static_cast<DWORD>(c.data.size())),
                  ERROR_SUCCESS);
    for (int pass = 0; pass < 2; ++pass) {
        for (const ValueCase& c : cases) {
            SCOPED_TRACE(testing::Message() << "pass " << pass << " type " << c.type << " size " << c.data.size());
            DWORD size = 0, type = 0;
            // Size query: no buffer.
            ASSERT_EQ(RegQueryValueExW(key, c.name, nullptr, &type, nullptr, &size), ERROR_SUCCESS);
            EXPECT_EQ(type, c.type);
            EXPECT_EQ(size, c.data.size());
            // Existence check: neither buffer nor size.
            EXPECT_EQ(RegQueryValueExW(key, c.name, nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);
            std::vector<BYTE> data(c.data.size() + 2, 0xEE);
            size = static_cast<DWORD>(data.size());
            ASSERT_EQ(RegQueryValueExW(key, c.name, nullptr, nullptr, data.data(), &size), ERROR_SUCCESS);
            EXPECT_EQ(size, c.data.size());
            data.resize(size);
            EXPECT_EQ(data, c.data);
            if (!c.data.empty()) {
                size = static_cast<DWORD>(c.data.size() - 1);
                EXPECT_EQ(RegQueryValueExW(key, c.name, nullptr, &type, data.data(), &size), ERROR_MORE_DATA);
                EXPECT_EQ(size, c.data.size());
            }
        }
        dev.reboot();
        EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE);  // handles end with the boot
        key = createKey(HKEY_LOCAL_MACHINE, u"Values");
    }
    RegCloseKey(key);
}

TEST_F(RegistryTest, UnnamedValueAndCaseOfNames)
{
    HKEY key = createKey(HKEY_CURRENT_USER, u"Names");
    EXPECT_EQ(RegQueryValueExW(key, nullptr, nullptr, nullptr, nullptr, nullptr), ERROR_FILE_NOT_FOUND);
    ASSERT_EQ(setString(key, nullptr, u"default"), ERROR_SUCCESS);
    EXPECT_EQ(queryBytes(key, u""), utf16Bytes(std::u16string(u"default\0", 8)));
    ASSERT_EQ(setString(key, u"", u"again"), ERROR_SUCCESS);
    EXPECT_EQ(queryBytes(key, nullptr), utf16Bytes(std::u16string(u"again\0", 6)));

    ASSERT_EQ(setDword(key, u"Colour", 1), ERROR_SUCCESS);
    ASSERT_EQ(setString(key, u"COLOUR", u"red"), ERROR_SUCCESS);  // same value, new type
    DWORD type = 0;
    EXPECT_EQ(queryBytes(key, u"colour", &type), utf16Bytes(std::u16string(u"red\0", 4)));
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(valueNames(key), (Names{u"", u"Colour"}));

    EXPECT_EQ(RegDeleteValueW(key, u"cOLOUR"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteValueW(key, u"Colour"), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegDeleteValueW(key, nullptr), ERROR_SUCCESS);
    EXPECT_EQ(valueNames(key), Names{});
    RegCloseKey(key);
}

TEST_F(RegistryTest, ValueCallsRejectBadArguments)
{
    HKEY key = createKey(HKEY_LOCAL_MACHINE, u"Args");
    ASSERT_EQ(setDword(key, u"v", 7), ERROR_SUCCESS);
    DWORD reserved = 0, size = 4;
    BYTE data[4];
    const std::u16string longest(255, u'v'), tooLong(256, u'v');
    EXPECT_EQ(RegQueryValueExW(key, u"v", &reserved, nullptr, data, &size), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegQueryValueExW(key, u"v", nullptr, nullptr, data, nullptr), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegQueryValueExW(key, u"missing", nullptr, nullptr, data, &size), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegSetValueExW(key, u"v", 0, REG_BINARY, nullptr, 4), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegSetValueExW(key, u"v", 1, REG_BINARY, data, 4), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(setDword(key, tooLong.c_str(), 1), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(setDword(key, longest.c_str(), 1), ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExW(key, u"empty", 0, REG_BINARY, nullptr, 0), ERROR_SUCCESS);
    RegCloseKey(key);
}

}  // namespace
}  // namespace registry_test
