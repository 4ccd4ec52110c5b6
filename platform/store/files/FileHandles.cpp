// The calls on open file handles: reading, writing, the file pointer, size and times.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <functional>
#include <type_traits>

#include "FileErrors.h"
#include "FileSystem.h"
#include "FileTimes.h"
#include "OpenFile.h"
#include "kernel/Clock.h"
#include "winerror.h"

using ce::failWith;

namespace {

enum class Needs { Nothing, Read, Write };

// The file object of a handle; any other handle is ERROR_INVALID_HANDLE, and a handle opened
// without the access a call needs ERROR_ACCESS_DENIED.
std::shared_ptr<ce::OpenFile> fileOf(HANDLE handle, Needs needs = Needs::Nothing)
{
    auto file = ce::lookupHandleAs<ce::OpenFile>(handle);
    if (!file)
        return failWith(ERROR_INVALID_HANDLE, nullptr);
    if ((needs == Needs::Read && !file->canRead()) || (needs == Needs::Write && !file->canWrite()))
        return failWith(ERROR_ACCESS_DENIED, nullptr);
    return file;
}

// ReadFile and WriteFile: the file, once the transfer's arguments are checked.
std::shared_ptr<ce::OpenFile> transferFile(
    HANDLE handle, Needs needs, LPCVOID buffer, DWORD count, LPDWORD done, LPOVERLAPPED overlapped)
{
    if (done)
        *done = 0;
    auto file = fileOf(handle, needs);
    if (file && (overlapped || (!buffer && count)))
        return failWith(ERROR_INVALID_PARAMETER, nullptr);
    return file;
}

bool sizeOf(const ce::OpenFile& file, ULONGLONG& size)
{
    struct stat st{};
    if (fstat(file.fd.get(), &st) != 0)
        return false;
    size = static_cast<ULONGLONG>(st.st_size);
    return true;
}

// Writes or truncates through `change` (which gives 0 or an errno) so that the file ends at
// `end`, or at least reaches it when `truncates` is false. The room is checked first, the
// free space follows what the host really did, and the write time takes the device clock.
// The caller holds the handle's lock.
BOOL changeContent(ce::OpenFile& file, ULONGLONG end, bool truncates, const std::function<int()>& change)
{
    ce::FileSystem& fs = file.fs;
    std::lock_guard guard(fs.lock());
    ULONGLONG oldSize = 0;
    if (!sizeOf(file, oldSize))
        return failWith(ce::errorFromErrno(errno), FALSE);
    ULONGLONG newSize = truncates ? end : std::max(oldSize, end);
    if (!fs.space().fits(file.volume, oldSize, newSize))
        return failWith(ERROR_DISK_FULL, FALSE);
    int error = change();
    if (error && !sizeOf(file, newSize))
        newSize = oldSize;
    fs.space().resize(file.volume, oldSize, newSize);
    if (error)
        return failWith(ce::errorFromErrno(error), FALSE);
    ce::setWriteTime(file.fd.get(), fs.clock().utcNow());
    return TRUE;
}

// Splits a 64-bit value the way the size and pointer calls return it. A low part that reads
// as the failure value clears the last error, so callers can tell it from a failure.
DWORD lowPartWithHigh(ULONGLONG value, DWORD failure, auto* high)
{
    if (high)
        *high = static_cast<std::remove_pointer_t<decltype(high)>>(value >> 32);
    if (static_cast<DWORD>(value) == failure)
        SetLastError(NO_ERROR);
    return static_cast<DWORD>(value);
}

}  // namespace

BOOL ReadFile(
    HANDLE hFile, LPVOID lpBuffer, DWORD nNumberOfBytesToRead, LPDWORD lpNumberOfBytesRead, LPOVERLAPPED lpOverlapped)
{
    auto file = transferFile(hFile, Needs::Read, lpBuffer, nNumberOfBytesToRead, lpNumberOfBytesRead, lpOverlapped);
    if (!file)
        return FALSE;
    std::lock_guard guard(file->lock);
    auto* bytes = static_cast<char*>(lpBuffer);
    DWORD done = 0;
    while (done < nNumberOfBytesToRead) {
        ssize_t got = pread(file->fd.get(), bytes + done, nNumberOfBytesToRead - done, file->position + done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return failWith(ce::errorFromErrno(errno), FALSE);
        if (got == 0)
            break;
        done += static_cast<DWORD>(got);
    }
    file->position += done;
    if (lpNumberOfBytesRead)
        *lpNumberOfBytesRead = done;
    return TRUE;
}

BOOL WriteFile(HANDLE hFile, LPCVOID lpBuffer, DWORD nNumberOfBytesToWrite, LPDWORD lpNumberOfBytesWritten,
    LPOVERLAPPED lpOverlapped)
{
    auto file
        = transferFile(hFile, Needs::Write, lpBuffer, nNumberOfBytesToWrite, lpNumberOfBytesWritten, lpOverlapped);
    if (!file)
        return FALSE;
    if (nNumberOfBytesToWrite == 0)
        return TRUE;
    std::lock_guard guard(file->lock);
    ULONGLONG end = file->position + nNumberOfBytesToWrite;
    auto writeAll = [&] {
        auto* bytes = static_cast<const char*>(lpBuffer);
        for (DWORD done = 0; done < nNumberOfBytesToWrite;) {
            ssize_t put = pwrite(file->fd.get(), bytes + done, nNumberOfBytesToWrite - done, file->position + done);
            if (put < 0 && errno != EINTR)
                return errno;
            done += put > 0 ? static_cast<DWORD>(put) : 0;
        }
        return 0;
    };
    if (!changeContent(*file, end, false, writeAll))
        return FALSE;
    file->position = end;
    if (lpNumberOfBytesWritten)
        *lpNumberOfBytesWritten = nNumberOfBytesToWrite;
    return TRUE;
}

DWORD SetFilePointer(HANDLE hFile, LONG lDistanceToMove, PLONG lpDistanceToMoveHigh, DWORD dwMoveMethod)
{
    auto file = fileOf(hFile);
    if (!file)
        return INVALID_SET_FILE_POINTER;
    // Without a high part the distance is a signed 32-bit value; with one, the two make 64 bits.
    LONGLONG distance = lDistanceToMove;
    if (lpDistanceToMoveHigh)
        distance = static_cast<LONGLONG>((static_cast<ULONGLONG>(static_cast<DWORD>(*lpDistanceToMoveHigh)) << 32)
            | static_cast<DWORD>(lDistanceToMove));
    std::lock_guard guard(file->lock);
    ULONGLONG base = 0;
    switch (dwMoveMethod) {
    case FILE_BEGIN:
        break;
    case FILE_CURRENT:
        base = file->position;
        break;
    case FILE_END:
        if (!sizeOf(*file, base))
            return failWith(ce::errorFromErrno(errno), INVALID_SET_FILE_POINTER);
        break;
    default:
        return failWith(ERROR_INVALID_PARAMETER, INVALID_SET_FILE_POINTER);
    }
    LONGLONG target = 0;
    if (__builtin_add_overflow(static_cast<LONGLONG>(base), distance, &target))
        return failWith(ERROR_INVALID_PARAMETER, INVALID_SET_FILE_POINTER);
    if (target < 0)
        return failWith(ERROR_NEGATIVE_SEEK, INVALID_SET_FILE_POINTER);
    if (!lpDistanceToMoveHigh && target > 0xFFFFFFFFll)
        return failWith(ERROR_INVALID_PARAMETER, INVALID_SET_FILE_POINTER);
    file->position = static_cast<ULONGLONG>(target);
    return lowPartWithHigh(file->position, INVALID_SET_FILE_POINTER, lpDistanceToMoveHigh);
}

BOOL SetEndOfFile(HANDLE hFile)
{
    auto file = fileOf(hFile, Needs::Write);
    if (!file)
        return FALSE;
    std::lock_guard guard(file->lock);
    auto truncate = [&] { return ftruncate(file->fd.get(), static_cast<off_t>(file->position)) == 0 ? 0 : errno; };
    return changeContent(*file, file->position, true, truncate);
}

BOOL FlushFileBuffers(HANDLE hFile)
{
    auto file = fileOf(hFile, Needs::Write);
    if (!file)
        return FALSE;
    if (fdatasync(file->fd.get()) != 0)
        return failWith(ce::errorFromErrno(errno), FALSE);
    return TRUE;
}

DWORD GetFileSize(HANDLE hFile, LPDWORD lpFileSizeHigh)
{
    auto file = fileOf(hFile);
    if (!file)
        return INVALID_FILE_SIZE;
    ULONGLONG size = 0;
    if (!sizeOf(*file, size))
        return failWith(ce::errorFromErrno(errno), INVALID_FILE_SIZE);
    return lowPartWithHigh(size, INVALID_FILE_SIZE, lpFileSizeHigh);
}

BOOL GetFileTime(HANDLE hFile, LPFILETIME lpCreationTime, LPFILETIME lpLastAccessTime, LPFILETIME lpLastWriteTime)
{
    auto file = fileOf(hFile);
    if (!file)
        return FALSE;
    struct stat st{};
    if (fstat(file->fd.get(), &st) != 0)
        return failWith(ce::errorFromErrno(errno), FALSE);
    FILETIME written = ce::fileTimeFromTicks(ce::ticksFromHost(st.st_mtim));
    for (LPFILETIME time : {lpCreationTime, lpLastAccessTime, lpLastWriteTime}) {
        if (time)
            *time = written;
    }
    return TRUE;
}

BOOL SetFileTime(
    HANDLE hFile, const FILETIME* lpCreationTime, const FILETIME* lpLastAccessTime, const FILETIME* lpLastWriteTime)
{
    auto file = fileOf(hFile, Needs::Write);
    if (!file)
        return FALSE;
    // The creation and last-access times have no place of their own on the host (they report
    // the last-write time), so only the last-write time is kept.
    (void)lpCreationTime;
    (void)lpLastAccessTime;
    if (lpLastWriteTime && !ce::setWriteTime(file->fd.get(), ce::ticksFromFileTime(*lpLastWriteTime)))
        return failWith(ERROR_INVALID_PARAMETER, FALSE);
    return TRUE;
}
