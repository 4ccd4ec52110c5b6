// The file system's side of storage cards coming and going: a card's root folder moves between
// root/ and a parking folder outside the device, and a format erases everything under it. Each
// call takes the file system's lock and refuses a card with open files (ERROR_SHARING_VIOLATION).
#pragma once

#include <filesystem>
#include <string>

#include "windef.h"

namespace ce {

class FileSystem;

// Moves the inserted card's folder out to `parked`; the card's name then names nothing.
DWORD parkCardFolder(FileSystem& fs, const std::u16string& card, const std::filesystem::path& parked);
// Moves `parked` (or a new empty folder when there is none) in as the card's folder.
DWORD mountCardFolder(FileSystem& fs, const std::u16string& card, const std::filesystem::path& parked);
// Deletes every file and folder on the inserted card, with their attribute records. Stops at the
// first entry that cannot be deleted: what is gone is gone from the records too, the rest stays.
DWORD eraseCardContents(FileSystem& fs, const std::u16string& card);
// A format changed the card's cluster size.
void setCardClusterBytes(FileSystem& fs, const std::u16string& card, ULONGLONG clusterBytes);

} // namespace ce
