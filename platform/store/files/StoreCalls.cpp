// GetStoreInformation and GetDiskFreeSpaceExW: the sizes of the object store and the cards.
#include <algorithm>

#include "FileErrors.h"
#include "FileSystem.h"
#include "winerror.h"

using ce::failWith;

BOOL GetStoreInformation(LPSTORE_INFORMATION lpsi)
{
    ce::FileSystem* fs = ce::mountedFileSystem();
    if (!fs)
        return FALSE;
    if (!lpsi)
        return failWith(ERROR_INVALID_PARAMETER, FALSE);
    std::lock_guard guard(fs->lock());
    ce::StoreSpace& space = fs->space();
    constexpr ULONGLONG largest = 0xFFFFFFFFu;
    lpsi->dwStoreSize = static_cast<DWORD>(std::min(space.totalBytes(ce::StoreSpace::objectStore), largest));
    lpsi->dwFreeSize = static_cast<DWORD>(std::min(space.freeBytes(ce::StoreSpace::objectStore), largest));
    return TRUE;
}

BOOL GetDiskFreeSpaceExW(LPCWSTR lpDirectoryName, PULARGE_INTEGER lpFreeBytesAvailableToCaller,
    PULARGE_INTEGER lpTotalNumberOfBytes, PULARGE_INTEGER lpTotalNumberOfFreeBytes)
{
    ce::FileSystem* fs = ce::mountedFileSystem();
    if (!fs)
        return FALSE;
    std::lock_guard guard(fs->lock());
    size_t volume = ce::StoreSpace::objectStore;
    if (lpDirectoryName) {
        ce::DevicePath path;
        ce::HostEntry entry;
        if (DWORD error = fs->resolve(lpDirectoryName, path, entry, true))
            return failWith(error == ERROR_FILE_NOT_FOUND ? ERROR_PATH_NOT_FOUND : error, FALSE);
        volume = fs->space().volumeOf(path.key);
    }
    ULONGLONG freeBytes = fs->space().freeBytes(volume);
    if (lpFreeBytesAvailableToCaller)
        lpFreeBytesAvailableToCaller->QuadPart = freeBytes;
    if (lpTotalNumberOfBytes)
        lpTotalNumberOfBytes->QuadPart = fs->space().totalBytes(volume);
    if (lpTotalNumberOfFreeBytes)
        lpTotalNumberOfFreeBytes->QuadPart = freeBytes;
    return TRUE;
}
