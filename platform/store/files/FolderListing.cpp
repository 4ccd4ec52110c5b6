// Listing host folders.
#include "FolderListing.h"

#include <fcntl.h>
#include <unistd.h>

namespace ce {

FolderListing::FolderListing(int folder)
{
    int fd = openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    m_dir = fdopendir(fd);
    if (!m_dir)
        close(fd);
}

FolderListing::~FolderListing()
{
    if (m_dir)
        closedir(m_dir);
}

dirent* FolderListing::next()
{
    while (dirent* e = readdir(m_dir)) {
        const char* n = e->d_name;
        if (n[0] == '.' && (n[1] == 0 || (n[1] == '.' && n[2] == 0)))
            continue;
        return e;
    }
    return nullptr;
}

}  // namespace ce
