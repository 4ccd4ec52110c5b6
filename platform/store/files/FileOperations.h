// Steps that several file calls share. Callers hold the file system's lock and have made the
// checks their call asks for; these keep attributes, free space and folder times in step.
#pragma once

#include "FileSystem.h"

namespace ce {

// Removes an existing file from its folder.
DWORD unlinkFile(FileSystem& fs, const DevicePath& path, const HostEntry& entry);

// Copies the existing file `from` to `to`, which is missing or an existing file the caller
// allows to be replaced. The copy keeps the content, the last-write time and the attribute
// bits; a copy of a ROM file is a plain file. ERROR_DISK_FULL when the target volume lacks room.
DWORD copyFile(
    FileSystem& fs, const DevicePath& fromPath, const HostEntry& from, const DevicePath& toPath, const HostEntry& to);

}  // namespace ce
