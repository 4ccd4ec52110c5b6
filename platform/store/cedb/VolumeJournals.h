// Rollback journals of volume files, kept out of the device file system. SQLite names a
// database's journal after its file ("pim.vol-journal") and makes it beside it, where device
// programs would list, count and even delete it. Volume files are opened through a VFS over the
// default one that moves the journal of each placed volume file to a host file of our choice.
#pragma once

#include <filesystem>

namespace ce {

// The VFS to open volume files with.
const char* volumeVfsName();
// From now on the journal of `volumeFile` is `journalFile` (its name must end in ".journal";
// the same place on every boot, so that a journal left by a crash is found and rolled back).
void placeJournal(const std::filesystem::path& volumeFile, const std::filesystem::path& journalFile);

} // namespace ce
