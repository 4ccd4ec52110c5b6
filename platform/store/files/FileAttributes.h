// The attribute model. An entry keeps "bits": every attribute but DIRECTORY (the host says
// whether it is a folder) and NORMAL (reported when a file has no bit at all). Entries whose
// bits are the default for their kind (ARCHIVE for files, none for folders) have no record
// in attrs.db.
#pragma once

#include "winbase.h"

namespace ce {

constexpr DWORD romAttributes = FILE_ATTRIBUTE_INROM | FILE_ATTRIBUTE_ROMMODULE;
// What SetFileAttributesW and CreateFileW may give an entry; the rest is ignored.
constexpr DWORD settableAttributes = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM
    | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_TEMPORARY;

constexpr DWORD keptBits(DWORD attributes)
{
    return attributes & ~(FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_NORMAL);
}

constexpr DWORD defaultBits(bool folder)
{
    return folder ? 0 : FILE_ATTRIBUTE_ARCHIVE;
}

// Storage-card root folders report TEMPORARY, as on the device.
constexpr DWORD reportedAttributes(bool folder, DWORD bits, bool cardRoot)
{
    if (folder)
        return FILE_ATTRIBUTE_DIRECTORY | bits | (cardRoot ? FILE_ATTRIBUTE_TEMPORARY : 0);
    return bits ? bits : FILE_ATTRIBUTE_NORMAL;
}

// Files that refuse writing, deleting and replacing.
constexpr bool refusesChange(DWORD bits)
{
    return (bits & (FILE_ATTRIBUTE_READONLY | romAttributes)) != 0;
}

}  // namespace ce
