// File times between the host and the device. The host's modification time holds the
// device's last-write time, set from the device clock whenever the device writes, so that
// times follow a virtual clock too. The device's creation and last-access times report the
// same moment: the host keeps no creation time that could be set.
#pragma once

#include <sys/stat.h>

#include "kernel/FileTimeTicks.h"

namespace ce {

// The last-write time of an open host file or folder.
bool setWriteTime(int fd, ULONGLONG ticks);

// Keeps a folder's time as it was while entries are added to it or removed from it: the
// host would stamp it with its own clock, which is not the device's.
class FolderTimeKeeper {
public:
    explicit FolderTimeKeeper(int folder);
    ~FolderTimeKeeper();
    FolderTimeKeeper(const FolderTimeKeeper&) = delete;
    FolderTimeKeeper& operator=(const FolderTimeKeeper&) = delete;

private:
    int m_folder;
    bool m_known;
    struct timespec m_time{};
};

}  // namespace ce
