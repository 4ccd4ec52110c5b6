// GetServiceHandle, ActivateService and DeregisterService over the running set.
#include "service.h"

#include <algorithm>

#include "RunningServices.h"
#include "kernel/Device.h"
#include "winerror.h"

namespace ce {
namespace {

// "HTP0:" as a prefix and an index; false when the text is no instance name.
bool parseInstanceName(std::u16string_view name, std::u16string_view& prefix, DWORD& index)
{
    if (name.size() < 3 || name.back() != u':')
        return false;
    name.remove_suffix(1);
    size_t digits = 0;
    while (digits < name.size() && name[name.size() - 1 - digits] >= u'0' && name[name.size() - 1 - digits] <= u'9')
        ++digits;
    if (digits == 0 || digits == name.size() || digits > 9)
        return false;
    prefix = name.substr(0, name.size() - digits);
    index = 0;
    for (char16_t c : name.substr(name.size() - digits))
        index = index * 10 + static_cast<DWORD>(c - u'0');
    return true;
}

// Copies the DLL name when asked; the size in bytes, terminator included, goes back either way.
bool reportDllName(const std::u16string& dll, LPWSTR buffer, LPDWORD bufferBytes)
{
    if (!bufferBytes)
        return true;
    const DWORD needed = static_cast<DWORD>((dll.size() + 1) * sizeof(WCHAR));
    const DWORD given = *bufferBytes;
    *bufferBytes = needed;
    if (!buffer)
        return true;
    if (given < needed) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return false;
    }
    std::copy(dll.begin(), dll.end(), buffer);
    buffer[dll.size()] = u'\0';
    return true;
}

}  // namespace
}  // namespace ce

HANDLE GetServiceHandle(LPWSTR szPrefix, LPWSTR szDllName, LPDWORD pdwDllBuf)
{
    if (!ce::deviceOrFail())
        return INVALID_HANDLE_VALUE;
    std::u16string_view prefix;
    DWORD index = 0;
    if (!szPrefix || !ce::parseInstanceName(szPrefix, prefix, index)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    ce::ServiceKey key;
    HANDLE handle = nullptr;
    if (!ce::findService(prefix, index, key, handle)) {
        SetLastError(ERROR_SERVICE_NOT_ACTIVE);
        return INVALID_HANDLE_VALUE;
    }
    return ce::reportDllName(key.dll, szDllName, pdwDllBuf) ? handle : INVALID_HANDLE_VALUE;
}

HANDLE ActivateService(LPCWSTR lpszDevKey, DWORD)
{
    ce::Device* device = ce::deviceOrFail();
    if (!device)
        return nullptr;
    if (!lpszDevKey || !*lpszDevKey || std::u16string_view(lpszDevKey).find(u'\\') != std::u16string_view::npos) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    ce::ServiceKey key;
    DWORD error = ce::readServiceKey(*device, lpszDevKey, key);
    // The key's Flags rule ActivateService as they rule the start at boot.
    if (!error && (key.flags & DEVFLAGS_NOLOAD))
        error = ERROR_SERVICE_DISABLED;
    if (!error && !ce::serviceDllExists(*device, key.dll))
        error = ERROR_FILE_NOT_FOUND;
    HANDLE handle = nullptr;
    if (!error)
        error = ce::startService(key, handle);
    if (error) {
        SetLastError(error);
        return nullptr;
    }
    return handle;
}

BOOL DeregisterService(HANDLE hDevice)
{
    if (!ce::deviceOrFail())
        return FALSE;
    if (!ce::stopService(hDevice)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return TRUE;
}
