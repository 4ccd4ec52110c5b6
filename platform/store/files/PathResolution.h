// Resolving device paths to host entries under root/. Every step opens the next folder
// relative to the one before with O_NOFOLLOW, so a path can never leave root/: ".." is refused
// when parsing, and a host symbolic link met at any component (or anything that is neither a
// file nor a folder) makes the path ERROR_ACCESS_DENIED. Links are never followed and never
// listed. Names match exactly first, then case-insensitively by the device's case table.
#pragma once

#include <sys/stat.h>

#include <string>

#include "DevicePath.h"
#include "UniqueFd.h"

namespace ce {

struct HostEntry {
    UniqueFd folder;  // the host folder holding the entry, open for listing; root/ itself for "\"
    std::string name;  // the existing entry's host spelling, or the caller's for a new one; "" for "\"
    std::string relative;  // host path below root/, with the spellings found
    bool exists = false;
    struct stat st{};

    bool isFolder() const { return exists && S_ISDIR(st.st_mode); }
    bool isFile() const { return exists && S_ISREG(st.st_mode); }
};

// Walks to the last component of `path`, which may be missing (exists false); a missing
// component before it, or one that is a file, is ERROR_PATH_NOT_FOUND.
DWORD resolveHostEntry(int rootFd, const DevicePath& path, HostEntry& entry);

// Opens the folder `path` names, for listing.
DWORD openHostFolder(int rootFd, const DevicePath& path, UniqueFd& folder);

// Opens `folder` itself once more.
UniqueFd reopenFolder(int folder);
// Opens the sub-folder `hostName` of `folder`, never through a link.
UniqueFd openChildFolder(int folder, const char* hostName);

}  // namespace ce
