// CreateDirectoryW and RemoveDirectoryW.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "FileAttributes.h"
#include "FileTimes.h"
#include "PathCall.h"
#include "kernel/Clock.h"
#include "winerror.h"

using ce::failWith;

BOOL CreateDirectoryW(LPCWSTR lpPathName, LPSECURITY_ATTRIBUTES lpSecurityAttributes)
{
    (void)lpSecurityAttributes;  // the device has no security descriptors
    return ce::withPath(lpPathName, ce::Missing::Allowed, FALSE, [](ce::FileSystem& fs, auto& path, auto& entry) {
        if (entry.exists)
            return failWith(ERROR_ALREADY_EXISTS, FALSE);
        {
            ce::FolderTimeKeeper keepTime(entry.folder.get());
            if (mkdirat(entry.folder.get(), entry.name.c_str(), 0777) != 0)
                return failWith(ce::errorFromErrno(errno), FALSE);
        }
        if (ce::UniqueFd made = ce::openChildFolder(entry.folder.get(), entry.name.c_str()); made.valid())
            ce::setWriteTime(made.get(), fs.clock().utcNow());
        // Records left from an earlier folder of this name (removed behind the device's back) go.
        fs.attributes().eraseTree(path.key);
        return TRUE;
    });
}

BOOL RemoveDirectoryW(LPCWSTR lpPathName)
{
    return ce::withPath(lpPathName, ce::Missing::Fails, FALSE, [](ce::FileSystem& fs, auto& path, auto& entry) {
        if (path.isRoot() || fs.space().isCardRoot(path.key))
            return failWith(ERROR_ACCESS_DENIED, FALSE);
        if (!entry.isFolder())
            return failWith(ERROR_DIRECTORY, FALSE);
        if (ce::refusesChange(fs.bitsOf(path.key, true)))
            return failWith(ERROR_ACCESS_DENIED, FALSE);
        ce::FolderTimeKeeper keepTime(entry.folder.get());
        if (unlinkat(entry.folder.get(), entry.name.c_str(), AT_REMOVEDIR) != 0)
            return failWith(errno == EEXIST ? ERROR_DIR_NOT_EMPTY : ce::errorFromErrno(errno), FALSE);
        fs.attributes().eraseTree(path.key);
        return TRUE;
    });
}
