// CopyFileW and MoveFileW. Files move between volumes (the object store and the cards) by
// copy and delete; folders move only within their volume.
#include <fcntl.h>
#include <stdio.h>

#include <cerrno>

#include "FileAttributes.h"
#include "FileOperations.h"
#include "FileTimes.h"
#include "PathCall.h"
#include "winerror.h"

using ce::failWith;

namespace {

bool isBelow(std::u16string_view key, std::u16string_view folderKey)
{
    return key.size() > folderKey.size() && key.starts_with(folderKey) && key[folderKey.size()] == u'\\';
}

DWORD renameEntry(ce::FileSystem& fs, const ce::DevicePath& fromPath, const ce::HostEntry& from,
    const ce::DevicePath& toPath, const ce::HostEntry& to)
{
    // A name that only changes case resolves to the entry itself: it takes the caller's spelling.
    const std::string& newName = to.exists ? toPath.hostNames.back() : to.name;
    if (to.exists && newName == from.name)
        return ERROR_SUCCESS;
    {
        ce::FolderTimeKeeper keepFromTime(from.folder.get());
        ce::FolderTimeKeeper keepToTime(to.folder.get());
        if (renameat2(from.folder.get(), from.name.c_str(), to.folder.get(), newName.c_str(), RENAME_NOREPLACE) != 0)
            return errno == EEXIST ? ERROR_ALREADY_EXISTS : ce::errorFromErrno(errno);
    }
    if (!fs.attributes().moveTree(fromPath.key, toPath.key))
        return ERROR_WRITE_FAULT;
    return ERROR_SUCCESS;
}

}  // namespace

BOOL CopyFileW(LPCWSTR lpExistingFileName, LPCWSTR lpNewFileName, BOOL bFailIfExists)
{
    auto copy = [&](ce::FileSystem& fs, const ce::DevicePath& fromPath, const ce::HostEntry& from) {
        if (!from.isFile())
            return failWith(ERROR_ACCESS_DENIED, FALSE);
        ce::FileId fromId = ce::fileIdOf(from.st);
        if (!fs.shares().allows(fromId, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE))
            return failWith(ERROR_SHARING_VIOLATION, FALSE);
        ce::DevicePath toPath;
        ce::HostEntry to;
        if (DWORD error = fs.resolve(lpNewFileName, toPath, to))
            return failWith(error, FALSE);
        if (to.exists) {
            if (bFailIfExists)
                return failWith(ERROR_FILE_EXISTS, FALSE);
            if (!to.isFile() || ce::refusesChange(fs.bitsOf(toPath.key, false)))
                return failWith(ERROR_ACCESS_DENIED, FALSE);
            if (ce::fileIdOf(to.st) == fromId || fs.shares().isOpen(ce::fileIdOf(to.st)))
                return failWith(ERROR_SHARING_VIOLATION, FALSE);
        }
        if (DWORD error = ce::copyFile(fs, fromPath, from, toPath, to))
            return failWith(error, FALSE);
        return TRUE;
    };
    return ce::withPath(lpExistingFileName, ce::Missing::Fails, FALSE, copy);
}

BOOL MoveFileW(LPCWSTR lpExistingFileName, LPCWSTR lpNewFileName)
{
    auto move = [&](ce::FileSystem& fs, const ce::DevicePath& fromPath, const ce::HostEntry& from) {
        bool folder = from.isFolder();
        if (fromPath.isRoot() || fs.space().isCardRoot(fromPath.key)
            || (fs.bitsOf(fromPath.key, folder) & ce::romAttributes))
            return failWith(ERROR_ACCESS_DENIED, FALSE);
        if (!folder && fs.shares().isOpen(ce::fileIdOf(from.st)))
            return failWith(ERROR_SHARING_VIOLATION, FALSE);
        ce::DevicePath toPath;
        ce::HostEntry to;
        if (DWORD error = fs.resolve(lpNewFileName, toPath, to))
            return failWith(error, FALSE);
        if (to.exists && (toPath.isRoot() || ce::fileIdOf(to.st) != ce::fileIdOf(from.st)))
            return failWith(ERROR_ALREADY_EXISTS, FALSE);
        if (folder && isBelow(toPath.key, fromPath.key))
            return failWith(ERROR_ACCESS_DENIED, FALSE);
        DWORD error = ERROR_SUCCESS;
        if (fs.space().volumeOf(fromPath.key) == fs.space().volumeOf(toPath.key))
            error = renameEntry(fs, fromPath, from, toPath, to);
        else if (folder)
            error = ERROR_NOT_SAME_DEVICE;
        else if (!(error = ce::copyFile(fs, fromPath, from, toPath, to)))
            error = ce::unlinkFile(fs, fromPath, from);
        return error ? failWith(error, FALSE) : TRUE;
    };
    return ce::withPath(lpExistingFileName, ce::Missing::Fails, FALSE, move);
}
