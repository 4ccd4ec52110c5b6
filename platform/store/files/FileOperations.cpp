// Removing and copying files with their bookkeeping.
#include "FileOperations.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "FileAttributes.h"
#include "FileErrors.h"
#include "FileTimes.h"
#include "winerror.h"

namespace ce {
namespace {

DWORD copyContent(int from, int to)
{
    char buffer[64 * 1024];
    for (;;) {
        ssize_t got = read(from, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return got == 0 ? ERROR_SUCCESS : errorFromErrno(errno);
        for (ssize_t put = 0; put < got;) {
            ssize_t n = write(to, buffer + put, got - put);
            if (n < 0 && errno != EINTR)
                return errorFromErrno(errno);
            put += n > 0 ? n : 0;
        }
    }
}

}  // namespace

DWORD unlinkFile(FileSystem& fs, const DevicePath& path, const HostEntry& entry)
{
    FolderTimeKeeper keepTime(entry.folder.get());
    if (unlinkat(entry.folder.get(), entry.name.c_str(), 0) != 0)
        return errorFromErrno(errno);
    fs.attributes().set(path.key, std::nullopt);
    fs.space().resize(fs.space().volumeOf(path.key), entry.st.st_size, 0);
    return ERROR_SUCCESS;
}

DWORD copyFile(
    FileSystem& fs, const DevicePath& fromPath, const HostEntry& from, const DevicePath& toPath, const HostEntry& to)
{
    size_t volume = fs.space().volumeOf(toPath.key);
    ULONGLONG oldSize = to.exists ? to.st.st_size : 0;
    auto size = static_cast<ULONGLONG>(from.st.st_size);
    if (!fs.space().fits(volume, oldSize, size))
        return ERROR_DISK_FULL;
    UniqueFd source(openat(from.folder.get(), from.name.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    if (!source.valid())
        return errorFromErrno(errno);
    FolderTimeKeeper keepTime(to.folder.get());
    int flags = O_WRONLY | O_NOFOLLOW | O_CLOEXEC | (to.exists ? O_TRUNC : O_CREAT | O_EXCL);
    UniqueFd target(openat(to.folder.get(), to.name.c_str(), flags, 0666));
    if (!target.valid())
        return errorFromErrno(errno);
    fs.space().resize(volume, oldSize, 0);
    if (DWORD error = copyContent(source.get(), target.get())) {
        struct stat st{};
        fstat(target.get(), &st);
        fs.space().resize(volume, 0, st.st_size);
        if (!to.exists && unlinkat(to.folder.get(), to.name.c_str(), 0) == 0)
            fs.space().resize(volume, st.st_size, 0);
        return error;
    }
    fs.space().resize(volume, 0, size);
    const struct timespec times[2] = {{0, UTIME_OMIT}, from.st.st_mtim};
    futimens(target.get(), times);
    DWORD bits = fs.bitsOf(fromPath.key, false);
    fs.setBits(toPath.key, false, (bits & romAttributes) ? defaultBits(false) : bits);
    return ERROR_SUCCESS;
}

}  // namespace ce
