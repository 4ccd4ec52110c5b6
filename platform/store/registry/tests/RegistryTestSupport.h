// Helpers for the registry tests: a booted test device, and short forms of the calls whose
// failures report the caller's line.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestDevice.h"
#include "windows.h"

namespace registry_test {

class RegistryTest : public ::testing::Test {
protected:
    testing_support::TestDevice dev;
};

// Creates (or opens) the key; the handle must be closed by the caller.
inline HKEY createKey(HKEY root, const std::u16string& path)
{
    HKEY key = nullptr;
    EXPECT_EQ(RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, 0, nullptr, &key, nullptr), ERROR_SUCCESS) << "create";
    return key;
}

inline LONG openKey(HKEY root, const char16_t* path, HKEY& key)
{
    return RegOpenKeyExW(root, path, 0, 0, &key);
}

inline LONG setDword(HKEY key, const char16_t* name, DWORD value)
{
    return RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}

inline LONG setString(HKEY key, const char16_t* name, const std::u16string& text)
{
    return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>((text.size() + 1) * sizeof(WCHAR)));
}

// The value's bytes, or an empty vector with the error code in `status`.
inline std::vector<BYTE> queryBytes(HKEY key, const char16_t* name, DWORD* type = nullptr, LONG* status = nullptr)
{
    DWORD size = 0;
    LONG rc = RegQueryValueExW(key, name, nullptr, type, nullptr, &size);
    std::vector<BYTE> data(size);
    if (rc == ERROR_SUCCESS && size)
        rc = RegQueryValueExW(key, name, nullptr, type, data.data(), &size);
    if (status)
        *status = rc;
    return rc == ERROR_SUCCESS ? data : std::vector<BYTE>();
}

using Names = std::vector<std::u16string>;

// The names enumerate(index, buffer, &length) gives by index until ERROR_NO_MORE_ITEMS.
template <typename Enumerate>
Names enumeratedNames(Enumerate&& enumerate)
{
    Names names;
    WCHAR name[300];
    for (DWORD i = 0;; ++i) {
        DWORD length = 300;
        LONG rc = enumerate(i, name, &length);
        if (rc != ERROR_SUCCESS) {
            EXPECT_EQ(rc, ERROR_NO_MORE_ITEMS);
            return names;
        }
        names.emplace_back(name, length);
    }
}

inline Names subKeyNames(HKEY key)
{
    return enumeratedNames([&](DWORD i, LPWSTR name, LPDWORD length) {
        return RegEnumKeyExW(key, i, name, length, nullptr, nullptr, nullptr, nullptr);
    });
}

inline Names valueNames(HKEY key)
{
    return enumeratedNames([&](DWORD i, LPWSTR name, LPDWORD length) {
        return RegEnumValueW(key, i, name, length, nullptr, nullptr, nullptr, nullptr);
    });
}

inline std::u16string number(unsigned n)
{
    std::string digits = std::to_string(n);
    return std::u16string(digits.begin(), digits.end());
}

}  // namespace registry_test
