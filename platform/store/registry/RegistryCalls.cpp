// The registry calls of the device SDK: argument checks and the copying of names and data
// into callers' buffers, with the device's size conventions. Names count characters without
// the terminator; data counts bytes.
#include <algorithm>
#include <cstring>
#include <string_view>

#include "Registry.h"
#include "kernel/Device.h"
#include "winreg.h"

namespace {

// Runs work(ce::Registry&) on the booted device's registry, after the argument check.
template <typename Work>
LONG withRegistry(bool argumentsValid, Work&& work)
{
    if (!argumentsValid)
        return ERROR_INVALID_PARAMETER;
    ce::Device* device = ce::deviceOrFail();
    return device ? work(device->registry()) : ERROR_NOT_READY;
}

// Runs read(const ce::RegistryKey&) on the key of the handle, after the argument check.
template <typename Read>
LONG readKey(HKEY hKey, bool argumentsValid, Read&& read)
{
    return withRegistry(argumentsValid, [&](ce::Registry& registry) { return registry.readKey(hKey, read); });
}

// Null and empty both name the key's unnamed value, or the key itself.
std::u16string_view textOf(LPCWSTR text)
{
    return text ? std::u16string_view(text) : std::u16string_view();
}

// Copies a name and its terminator into a buffer of *capacity characters. Too small a buffer
// gives ERROR_MORE_DATA and leaves *capacity as it was.
LONG copyName(std::u16string_view name, LPWSTR buffer, LPDWORD capacity)
{
    if (*capacity <= name.size())
        return ERROR_MORE_DATA;
    std::memcpy(buffer, name.data(), name.size() * sizeof(WCHAR));
    buffer[name.size()] = 0;
    *capacity = static_cast<DWORD>(name.size());
    return ERROR_SUCCESS;
}

// Reports a value's type and data. With no buffer only the size is reported; too small a
// buffer gives ERROR_MORE_DATA with the size needed.
LONG copyData(const ce::RegistryValue& value, LPDWORD type, LPBYTE data, LPDWORD size)
{
    if (type)
        *type = value.type;
    if (!size)
        return ERROR_SUCCESS;
    DWORD needed = static_cast<DWORD>(value.data.size());
    DWORD capacity = *size;
    *size = needed;
    if (!data)
        return ERROR_SUCCESS;
    if (capacity < needed)
        return ERROR_MORE_DATA;
    if (needed)
        std::memcpy(data, value.data.data(), needed);
    return ERROR_SUCCESS;
}

// A key class is never stored: callers that ask for one get the empty string.
LONG copyEmptyClass(LPWSTR className, LPDWORD classLength)
{
    if (!className)
        return ERROR_SUCCESS;
    return copyName(u"", className, classLength);
}

void clearTime(PFILETIME time)
{
    if (time)
        *time = FILETIME{0, 0};
}

}  // namespace

LONG RegOpenKeyExW(HKEY hKey, LPCWSTR lpSubKey, DWORD, REGSAM, PHKEY phkResult)
{
    std::u16string_view subKey = textOf(lpSubKey);
    return withRegistry(phkResult && ce::checkKeyPath(subKey) == ERROR_SUCCESS, [&](ce::Registry& registry) {
        return registry.openKey(hKey, subKey, *phkResult);
    });
}

LONG RegCreateKeyExW(HKEY hKey, LPCWSTR lpSubKey, DWORD, LPWSTR, DWORD, REGSAM, LPSECURITY_ATTRIBUTES,
                     PHKEY phkResult, LPDWORD lpdwDisposition)
{
    std::u16string_view subKey = textOf(lpSubKey);
    return withRegistry(phkResult && ce::checkKeyPath(subKey) == ERROR_SUCCESS, [&](ce::Registry& registry) {
        DWORD disposition = 0;
        LONG status = registry.createKey(hKey, subKey, *phkResult, disposition);
        if (status == ERROR_SUCCESS && lpdwDisposition)
            *lpdwDisposition = disposition;
        return status;
    });
}

LONG RegCloseKey(HKEY hKey)
{
    return withRegistry(true, [&](ce::Registry& registry) { return registry.closeKey(hKey); });
}

LONG RegQueryValueExW(HKEY hKey, LPCWSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType, LPBYTE lpData,
                      LPDWORD lpcbData)
{
    return readKey(hKey, !lpReserved && (!lpData || lpcbData), [&](const ce::RegistryKey& key) -> LONG {
        const ce::RegistryValue* value = key.values.find(textOf(lpValueName));
        return value ? copyData(*value, lpType, lpData, lpcbData) : ERROR_FILE_NOT_FOUND;
    });
}

LONG RegSetValueExW(HKEY hKey, LPCWSTR lpValueName, DWORD Reserved, DWORD dwType, const BYTE* lpData, DWORD cbData)
{
    std::u16string_view name = textOf(lpValueName);
    return withRegistry(!Reserved && (lpData || !cbData) && name.size() <= ce::kMaxRegistryNameLength,
                        [&](ce::Registry& registry) { return registry.setValue(hKey, name, dwType, lpData, cbData); });
}

LONG RegEnumKeyExW(HKEY hKey, DWORD dwIndex, LPWSTR lpName, LPDWORD lpcchName, LPDWORD lpReserved, LPWSTR lpClass,
                   LPDWORD lpcchClass, PFILETIME lpftLastWriteTime)
{
    bool valid = lpName && lpcchName && !lpReserved && (!lpClass || lpcchClass);
    return readKey(hKey, valid, [&](const ce::RegistryKey& key) -> LONG {
        const ce::RegistryKey* subKey = key.subKeys.at(dwIndex);
        if (!subKey)
            return ERROR_NO_MORE_ITEMS;
        LONG status = copyName(subKey->name, lpName, lpcchName);
        if (status == ERROR_SUCCESS)
            status = copyEmptyClass(lpClass, lpcchClass);
        clearTime(lpftLastWriteTime);
        return status;
    });
}

LONG RegEnumValueW(HKEY hKey, DWORD dwIndex, LPWSTR lpValueName, LPDWORD lpcchValueName, LPDWORD lpReserved,
                   LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData)
{
    bool valid = lpValueName && lpcchValueName && !lpReserved && (!lpData || lpcbData);
    return readKey(hKey, valid, [&](const ce::RegistryKey& key) -> LONG {
        const ce::RegistryValue* value = key.values.at(dwIndex);
        if (!value)
            return ERROR_NO_MORE_ITEMS;
        LONG status = copyName(value->name, lpValueName, lpcchValueName);
        return status == ERROR_SUCCESS ? copyData(*value, lpType, lpData, lpcbData) : status;
    });
}

LONG RegDeleteKeyW(HKEY hKey, LPCWSTR lpSubKey)
{
    std::u16string_view subKey = textOf(lpSubKey);
    return withRegistry(lpSubKey && ce::checkKeyPath(subKey) == ERROR_SUCCESS,
                        [&](ce::Registry& registry) { return registry.deleteKey(hKey, subKey); });
}

LONG RegDeleteValueW(HKEY hKey, LPCWSTR lpValueName)
{
    return withRegistry(true, [&](ce::Registry& registry) { return registry.deleteValue(hKey, textOf(lpValueName)); });
}

LONG RegFlushKey(HKEY hKey)
{
    return withRegistry(true, [&](ce::Registry& registry) { return registry.flushKey(hKey); });
}

LONG RegQueryInfoKeyW(HKEY hKey, LPWSTR lpClass, LPDWORD lpcchClass, LPDWORD lpReserved, LPDWORD lpcSubKeys,
                      LPDWORD lpcbMaxSubKeyLen, LPDWORD lpcbMaxClassLen, LPDWORD lpcValues,
                      LPDWORD lpcbMaxValueNameLen, LPDWORD lpcbMaxValueLen, LPDWORD lpcbSecurityDescriptor,
                      PFILETIME lpftLastWriteTime)
{
    return readKey(hKey, !lpReserved && (!lpClass || lpcchClass), [&](const ce::RegistryKey& key) -> LONG {
        LONG status = copyEmptyClass(lpClass, lpcchClass);
        if (status != ERROR_SUCCESS)
            return status;
        size_t longestKeyName = 0, longestValueName = 0, longestData = 0;
        for (const auto& subKey : key.subKeys)
            longestKeyName = std::max(longestKeyName, subKey->name.size());
        for (const auto& value : key.values) {
            longestValueName = std::max(longestValueName, value->name.size());
            longestData = std::max(longestData, value->data.size());
        }
        const std::pair<LPDWORD, size_t> answers[] = {
            {lpcSubKeys, key.subKeys.size()},        {lpcbMaxSubKeyLen, longestKeyName},
            {lpcbMaxClassLen, 0},                    {lpcValues, key.values.size()},
            {lpcbMaxValueNameLen, longestValueName}, {lpcbMaxValueLen, longestData},
            {lpcbSecurityDescriptor, 0},
        };
        for (const auto& [out, answer] : answers)
            if (out)
                *out = static_cast<DWORD>(answer);
        clearTime(lpftLastWriteTime);
        return ERROR_SUCCESS;
    });
}
