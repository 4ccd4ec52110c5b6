// Enumeration by index in creation order, short name and data buffers, and key information.
#include "RegistryTestSupport.h"

#include <algorithm>

namespace registry_test {
namespace {

TEST_F(RegistryTest, EnumerationFollowsCreationOrderThroughDeletions)
{
    // Short lists and lists long enough to be indexed by name.
    for (unsigned count : {5u, 40u}) {
        SCOPED_TRACE(count);
        HKEY key = createKey(HKEY_LOCAL_MACHINE, u"Order" + number(count));
        Names keys, values;
        for (unsigned i = 0; i < count; ++i) {
            std::u16string name = (i % 2 ? u"Zeta" : u"alpha") + number(count - i);
            RegCloseKey(createKey(key, name));
            ASSERT_EQ(setDword(key, name.c_str(), i), ERROR_SUCCESS);
            keys.push_back(name);
            values.push_back(name);
        }
        // Delete every third (by another case), then make one of them again and overwrite
        // the first value: indexes shift, the order stays the order of creation.
        for (unsigned i = 0; i < count; i += 3) {
            std::u16string upper = keys[i];
            for (char16_t& c : upper)
                c = c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c;
            EXPECT_EQ(RegDeleteKeyW(key, upper.c_str()), ERROR_SUCCESS);
            EXPECT_EQ(RegDeleteValueW(key, upper.c_str()), ERROR_SUCCESS);
        }
        Names deleted;
        for (unsigned i = 0; i < count; i += 3)
            deleted.push_back(keys[i]);
        std::erase_if(keys, [&](const auto& name) { return std::find(deleted.begin(), deleted.end(), name) != deleted.end(); });
        values = keys;
        RegCloseKey(createKey(key, deleted.back()));
        ASSERT_EQ(setDword(key, deleted.front().c_str(), 1), ERROR_SUCCESS);
        ASSERT_EQ(setDword(key, keys.front().c_str(), 2), ERROR_SUCCESS);
        keys.push_back(deleted.back());
        values.push_back(deleted.front());

        EXPECT_EQ(subKeyNames(key), keys);
        EXPECT_EQ(valueNames(key), values);
        dev.reboot();
        key = createKey(HKEY_LOCAL_MACHINE, u"Order" + number(count));
        EXPECT_EQ(subKeyNames(key), keys);
        EXPECT_EQ(valueNames(key), values);
        RegCloseKey(key);
    }
}

TEST_F(RegistryTest, EnumerationReportsShortBuffers)
{
    HKEY key = createKey(HKEY_LOCAL_MACHINE, u"Short");
    RegCloseKey(createKey(key, u"Child"));
    const BYTE data[6] = {1, 2, 3, 4, 5, 6};
    ASSERT_EQ(RegSetValueExW(key, u"Value", 0, REG_BINARY, data, 6), ERROR_SUCCESS);

    WCHAR name[8];
    DWORD length = 5;  // "Child" needs 6 with its terminator
    EXPECT_EQ(RegEnumKeyExW(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr), ERROR_MORE_DATA);
    EXPECT_EQ(length, 5u);
    length = 6;
    ASSERT_EQ(RegEnumKeyExW(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);
    EXPECT_EQ(length, 5u);
    EXPECT_EQ(std::u16string(name), u"Child");
    EXPECT_EQ(RegEnumKeyExW(key, 1, name, &length, nullptr, nullptr, nullptr, nullptr), ERROR_NO_MORE_ITEMS);

    length = 5;
    EXPECT_EQ(RegEnumValueW(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr), ERROR_MORE_DATA);
    BYTE buffer[8];
    DWORD size = 5, type = 0;
    length = 8;
    EXPECT_EQ(RegEnumValueW(key, 0, name, &length, nullptr, &type, buffer, &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, 6u);
    size = 8;
    length = 8;
    ASSERT_EQ(RegEnumValueW(key, 0, name, &length, nullptr, &type, buffer, &size), ERROR_SUCCESS);
    EXPECT_EQ(std::u16string(name, length), u"Value");
    EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(std::vector<BYTE>(buffer, buffer + size), std::vector<BYTE>(data, data + 6));
    size = 0;
    length = 8;
    EXPECT_EQ(RegEnumValueW(key, 0, name, &length, nullptr, nullptr, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 6u);
    EXPECT_EQ(RegEnumValueW(key, 1, name, &length, nullptr, nullptr, nullptr, nullptr), ERROR_NO_MORE_ITEMS);
    EXPECT_EQ(RegEnumValueW(key, 0, nullptr, &length, nullptr, nullptr, nullptr, nullptr), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegEnumKeyExW(key, 0, name, nullptr, nullptr, nullptr, nullptr, nullptr), ERROR_INVALID_PARAMETER);
    RegCloseKey(key);
}

TEST_F(RegistryTest, QueryInfoCountsAndMeasures)
{
    struct Info {
        DWORD subKeys, longestKey, values, longestValueName, longestData;
        bool operator==(const Info&) const = default;
    };
    auto info = [](HKEY key) {
        Info i{};
        EXPECT_EQ(RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &i.subKeys, &i.longestKey, nullptr, &i.values,
                                   &i.longestValueName, &i.longestData, nullptr, nullptr),
                  ERROR_SUCCESS);
        return i;
    };
    HKEY key = createKey(HKEY_LOCAL_MACHINE, u"Info");
    EXPECT_EQ(info(key), (Info{0, 0, 0, 0, 0}));
    RegCloseKey(createKey(key, u"ab"));
    RegCloseKey(createKey(key, u"abcdefg"));
    ASSERT_EQ(setString(key, u"Name", u"0123456789"), ERROR_SUCCESS);
    ASSERT_EQ(setDword(key, u"LongerName", 1), ERROR_SUCCESS);
    EXPECT_EQ(info(key), (Info{2, 7, 2, 10, 22}));
    EXPECT_EQ(RegDeleteKeyW(key, u"abcdefg"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteValueW(key, u"Name"), ERROR_SUCCESS);
    EXPECT_EQ(info(key), (Info{1, 2, 1, 10, 4}));

    WCHAR className[4] = u"xyz";
    DWORD classLength = 4;
    DWORD reserved = 0;
    EXPECT_EQ(RegQueryInfoKeyW(key, className, &classLength, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                               nullptr, nullptr, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(classLength, 0u);
    EXPECT_EQ(className[0], 0);
    EXPECT_EQ(RegQueryInfoKeyW(key, nullptr, nullptr, &reserved, nullptr, nullptr, nullptr, nullptr, nullptr,
                               nullptr, nullptr, nullptr),
              ERROR_INVALID_PARAMETER);
    RegCloseKey(key);
}

}  // namespace
}  // namespace registry_test
