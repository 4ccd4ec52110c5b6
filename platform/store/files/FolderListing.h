// Reading the entries of an open host folder, "." and ".." left out.
#pragma once

#include <dirent.h>

namespace ce {

class FolderListing {
public:
    // Lists `folder` through a descriptor of its own; `folder` stays open for the caller.
    explicit FolderListing(int folder);
    ~FolderListing();
    FolderListing(const FolderListing&) = delete;
    FolderListing& operator=(const FolderListing&) = delete;

    bool valid() const { return m_dir != nullptr; }
    // The listing's own descriptor of the folder, for fstatat and openat on its entries.
    int fd() const { return dirfd(m_dir); }
    // The next entry, or null at the end.
    dirent* next();

private:
    DIR* m_dir = nullptr;
};

}  // namespace ce
