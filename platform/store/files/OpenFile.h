// The kernel object behind a file handle.
#pragma once

#include <mutex>

#include "ShareTable.h"
#include "UniqueFd.h"
#include "kernel/Handles.h"

namespace ce {

class FileSystem;

struct OpenFile : KernelObject {
    // Made under the file system's lock: registers the handle's share mode.
    OpenFile(FileSystem& fs, UniqueFd fd, FileId id, DWORD access, DWORD share, size_t volume);
    // Takes the file system's lock to release the share mode.
    ~OpenFile() override;

    bool canRead() const;
    bool canWrite() const;

    FileSystem& fs;
    const UniqueFd fd;
    const FileId id;
    const DWORD access;
    const DWORD share;
    const size_t volume;

    std::mutex lock;  // guards the position and orders this handle's calls
    ULONGLONG position = 0;
};

}  // namespace ce
