// The resource calls: FindResourceW, LoadResource, SizeofResource, LockResource and LoadStringW,
// over the module's CeResources table. A resource handle is the table entry; loaded data is the
// entry's data itself (resources are read-only and live as long as the module).
#include <algorithm>
#include <cstring>
#include <string>

#include "ResourceLookup.h"
#include "windows.h"

namespace {

// The entry `handle` names in the module's table, or null with the last error set.
const CeResource* checkedEntry(HMODULE module, HRSRC handle)
{
    DWORD error = ERROR_SUCCESS;
    const CeResource* table = ce::resourceTableOf(module, error);
    auto* entry = reinterpret_cast<const CeResource*>(handle);
    if (table && handle && ce::isEntryOf(table, entry))
        return entry;
    SetLastError(table ? ERROR_INVALID_HANDLE : error);
    return nullptr;
}

// The text of string `id` in any string table of the module, or null with the last error set.
const WCHAR* findString(HINSTANCE module, UINT id)
{
    DWORD error = ERROR_SUCCESS;
    const CeResource* table = ce::resourceTableOf(module, error);
    for (const CeResource* entry = table; entry && !ce::isTableEnd(*entry); ++entry) {
        if (!ce::nameMatches(entry->type, RT_STRING))
            continue;
        for (const CeString& string : ce::resourceItems<CeString>(*entry)) {
            if (string.id == id && string.text)
                return string.text;
        }
    }
    SetLastError(table ? ERROR_RESOURCE_NAME_NOT_FOUND : error);
    return nullptr;
}

} // namespace

HRSRC FindResourceW(HMODULE hModule, LPCWSTR lpName, LPCWSTR lpType)
{
    return reinterpret_cast<HRSRC>(const_cast<CeResource*>(ce::findModuleResource(hModule, lpName, lpType)));
}

HGLOBAL LoadResource(HMODULE hModule, HRSRC hResInfo)
{
    const CeResource* entry = checkedEntry(hModule, hResInfo);
    return entry ? const_cast<void*>(entry->data) : nullptr;
}

DWORD SizeofResource(HMODULE hModule, HRSRC hResInfo)
{
    const CeResource* entry = checkedEntry(hModule, hResInfo);
    return entry ? entry->size : 0;
}

LPVOID LockResource(HGLOBAL hResData)
{
    return hResData;
}

int LoadStringW(HINSTANCE hInstance, UINT uID, LPWSTR lpBuffer, int nBufferMax)
{
    if (!lpBuffer || nBufferMax < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const WCHAR* text = findString(hInstance, uID);
    if (!text) {
        if (nBufferMax)
            *lpBuffer = 0;
        return 0;
    }
    const int length = static_cast<int>(std::char_traits<WCHAR>::length(text));
    if (nBufferMax == 0) {
        // The device's form for reading a string in place: the buffer receives a pointer.
        std::memcpy(lpBuffer, &text, sizeof text);
        return length;
    }
    const int copied = std::min(length, nBufferMax - 1);
    std::memcpy(lpBuffer, text, copied * sizeof(WCHAR));
    lpBuffer[copied] = 0;
    return copied;
}
