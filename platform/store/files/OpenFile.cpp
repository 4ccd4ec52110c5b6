// File handle objects and their share-mode registration.
#include "OpenFile.h"

#include "FileSystem.h"
#include "winbase.h"

namespace ce {

OpenFile::OpenFile(FileSystem& fs, UniqueFd fd, FileId id, DWORD access, DWORD share, size_t volume)
    : fs(fs)
    , fd(std::move(fd))
    , id(id)
    , access(access)
    , share(share)
    , volume(volume)
{
    fs.shares().add(id, access, share);
    fs.space().fileOpened(volume);
}

OpenFile::~OpenFile()
{
    std::lock_guard guard(fs.lock());
    fs.shares().remove(id, access, share);
    fs.space().fileClosed(volume);
}

bool OpenFile::canRead() const
{
    return access & (GENERIC_READ | GENERIC_ALL);
}

bool OpenFile::canWrite() const
{
    return access & (GENERIC_WRITE | GENERIC_ALL);
}

}  // namespace ce
