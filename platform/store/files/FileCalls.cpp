// CreateFileW and DeleteFileW.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "FileAttributes.h"
#include "FileErrors.h"
#include "FileOperations.h"
#include "FileTimes.h"
#include "OpenFile.h"
#include "PathCall.h"
#include "devices/storage/DeviceFiles.h"
#include "kernel/Clock.h"
#include "winerror.h"

using ce::failWith;

namespace {

struct OpenRequest {
    DWORD access;
    DWORD share;
    DWORD disposition;
    DWORD attributes;  // for a new or replaced file

    bool writes() const { return access & (GENERIC_WRITE | GENERIC_ALL); }
    bool truncates() const { return disposition == CREATE_ALWAYS || disposition == TRUNCATE_EXISTING; }
};

DWORD openExisting(ce::FileSystem& fs, const ce::DevicePath& path, const ce::HostEntry& entry,
    const OpenRequest& request, ce::UniqueFd& fd)
{
    if (request.disposition == CREATE_NEW)
        return ERROR_FILE_EXISTS;
    if (entry.isFolder())
        return ERROR_ACCESS_DENIED;
    bool changes = request.writes() || request.truncates();
    if (changes && ce::refusesChange(fs.bitsOf(path.key, false)))
        return ERROR_ACCESS_DENIED;
    ce::FileId id = ce::fileIdOf(entry.st);
    if (!fs.shares().allows(id, request.access, request.share)
        || (request.truncates() && !fs.shares().allows(id, GENERIC_WRITE, request.share)))
        return ERROR_SHARING_VIOLATION;
    fd.reset(openat(entry.folder.get(), entry.name.c_str(), (changes ? O_RDWR : O_RDONLY) | O_NOFOLLOW | O_CLOEXEC));
    if (!fd.valid())
        return ce::errorFromErrno(errno);
    if (!request.truncates())
        return ERROR_SUCCESS;
    if (ftruncate(fd.get(), 0) != 0)
        return ce::errorFromErrno(errno);
    fs.space().resize(fs.space().volumeOf(path.key), entry.st.st_size, 0);
    ce::setWriteTime(fd.get(), fs.clock().utcNow());
    if (request.disposition == CREATE_ALWAYS)
        fs.setBits(path.key, false, request.attributes);
    return ERROR_SUCCESS;
}

DWORD createNew(ce::FileSystem& fs, const ce::DevicePath& path, const ce::HostEntry& entry, const OpenRequest& request,
    ce::UniqueFd& fd)
{
    if (request.disposition == OPEN_EXISTING || request.disposition == TRUNCATE_EXISTING)
        return ERROR_FILE_NOT_FOUND;
    ce::FolderTimeKeeper keepTime(entry.folder.get());
    fd.reset(openat(entry.folder.get(), entry.name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
    if (!fd.valid())
        return errno == EEXIST ? ERROR_FILE_EXISTS : ce::errorFromErrno(errno);
    ce::setWriteTime(fd.get(), fs.clock().utcNow());
    fs.setBits(path.key, false, request.attributes);
    return ERROR_SUCCESS;
}

}  // namespace

HANDLE CreateFileW(LPCWSTR lpFileName, DWORD dwDesiredAccess, DWORD dwShareMode,
    LPSECURITY_ATTRIBUTES lpSecurityAttributes, DWORD dwCreationDisposition, DWORD dwFlagsAndAttributes,
    HANDLE hTemplateFile)
{
    (void)lpSecurityAttributes;  // the device has no security descriptors
    (void)hTemplateFile;  // and ignores templates
    OpenRequest request{dwDesiredAccess, dwShareMode & (FILE_SHARE_READ | FILE_SHARE_WRITE), dwCreationDisposition,
        FILE_ATTRIBUTE_ARCHIVE | (dwFlagsAndAttributes & ce::settableAttributes)};
    if (dwCreationDisposition < CREATE_NEW || dwCreationDisposition > TRUNCATE_EXISTING
        || (dwCreationDisposition == TRUNCATE_EXISTING && !request.writes()))
        return failWith(ERROR_INVALID_PARAMETER, INVALID_HANDLE_VALUE);
    if (ce::isDeviceFileName(lpFileName))
        return ce::openDeviceFile(lpFileName, dwDesiredAccess, dwShareMode, dwCreationDisposition);
    auto open = [&](ce::FileSystem& fs, const ce::DevicePath& path, const ce::HostEntry& entry) {
        ce::UniqueFd fd;
        DWORD error
            = entry.exists ? openExisting(fs, path, entry, request, fd) : createNew(fs, path, entry, request, fd);
        struct stat st{};
        if (!error && fstat(fd.get(), &st) != 0)
            error = ce::errorFromErrno(errno);
        if (error)
            return failWith(error, INVALID_HANDLE_VALUE);
        auto file = std::make_shared<ce::OpenFile>(
            fs, std::move(fd), ce::fileIdOf(st), request.access, request.share, fs.space().volumeOf(path.key));
        HANDLE handle = ce::insertHandle(std::move(file));
        bool keptOld = entry.exists && (dwCreationDisposition == CREATE_ALWAYS || dwCreationDisposition == OPEN_ALWAYS);
        SetLastError(keptOld ? ERROR_ALREADY_EXISTS : NO_ERROR);
        return handle;
    };
    return ce::withPath(lpFileName, ce::Missing::Allowed, INVALID_HANDLE_VALUE, open);
}

BOOL DeleteFileW(LPCWSTR lpFileName)
{
    return ce::withPath(lpFileName, ce::Missing::Fails, FALSE, [](ce::FileSystem& fs, auto& path, auto& entry) {
        if (!entry.isFile() || ce::refusesChange(fs.bitsOf(path.key, false)))
            return failWith(ERROR_ACCESS_DENIED, FALSE);
        if (fs.shares().isOpen(ce::fileIdOf(entry.st)))
            return failWith(ERROR_SHARING_VIOLATION, FALSE);
        if (DWORD error = ce::unlinkFile(fs, path, entry))
            return failWith(error, FALSE);
        return TRUE;
    });
}
