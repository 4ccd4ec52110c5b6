// Finding a module's resource table (ceresource.h) and its entries, for the resource and menu calls.
#pragma once

#include "ceresource.h"
#include "windef.h"

namespace ce {

// The CeResources table of `module` (null: the calling process's program), or null with
// ERROR_INVALID_HANDLE for an unknown module and ERROR_RESOURCE_TYPE_NOT_FOUND for a module
// without resources (built-in modules have none).
const CeResource* resourceTableOf(HMODULE module, DWORD& error);

// The entry of `type` named `name`, or null with ERROR_RESOURCE_TYPE_NOT_FOUND when the table
// has no resource of that type and ERROR_RESOURCE_NAME_NOT_FOUND when none has that name.
const CeResource* findResourceIn(const CeResource* table, LPCWSTR name, LPCWSTR type, DWORD& error);

// Whether a table entry's type or name is `wanted` (an id, "#123" or a name in any case).
bool nameMatches(const CeResourceName& entry, LPCWSTR wanted);

inline bool isTableEnd(const CeResource& entry)
{
    return !entry.type.text && !entry.type.number;
}

// Both steps; the entry, or null with the last error set.
const CeResource* findModuleResource(HMODULE module, LPCWSTR name, LPCWSTR type);

// Whether `entry` is one of the table's entries (handles from callers are checked before use).
bool isEntryOf(const CeResource* table, const CeResource* entry);

// A resource's data as an array of `Item`; empty when its size is not a whole number of them.
template <typename Item> std::span<const Item> resourceItems(const CeResource& entry)
{
    if (!entry.data || entry.size % sizeof(Item))
        return {};
    return {static_cast<const Item*>(entry.data), entry.size / sizeof(Item)};
}

} // namespace ce
