// GetFileAttributesW, SetFileAttributesW and the privileged setFileAttributesRaw.
#include "FileAttributes.h"
#include "PathCall.h"
#include "emulator/Device.h"
#include "winerror.h"

using ce::failWith;

namespace {

// Records new bits for an existing entry; `raw` lets any bit through, ROM bits included.
BOOL setAttributes(LPCWSTR name, DWORD attributes, bool raw)
{
    return ce::withPath(name, ce::Missing::Fails, FALSE, [&](ce::FileSystem& fs, auto& path, auto& entry) {
        if (path.isRoot())
            return failWith(ERROR_ACCESS_DENIED, FALSE);
        bool folder = entry.isFolder();
        if (!raw && (fs.space().isCardRoot(path.key) || (fs.bitsOf(path.key, folder) & ce::romAttributes)))
            return failWith(ERROR_ACCESS_DENIED, FALSE);
        if (!fs.setBits(path.key, folder, raw ? attributes : attributes & ce::settableAttributes))
            return failWith(ERROR_WRITE_FAULT, FALSE);
        return TRUE;
    });
}

}  // namespace

DWORD GetFileAttributesW(LPCWSTR lpFileName)
{
    return ce::withPath(
        lpFileName, ce::Missing::Fails, INVALID_FILE_ATTRIBUTES, [](ce::FileSystem& fs, auto& path, auto& entry) {
            bool folder = entry.isFolder();
            DWORD bits = path.isRoot() ? 0 : fs.bitsOf(path.key, folder);
            return ce::reportedAttributes(folder, bits, fs.space().isCardRoot(path.key));
        });
}

BOOL SetFileAttributesW(LPCWSTR lpFileName, DWORD dwFileAttributes)
{
    return setAttributes(lpFileName, dwFileAttributes, false);
}

namespace emulator {

BOOL setFileAttributesRaw(LPCWSTR devicePath, DWORD attributes)
{
    return setAttributes(devicePath, attributes, true);
}

}  // namespace emulator
