// The shape of every file call that takes a path: the mounted file system, locked for the
// whole call, and the caller's path resolved under root/. Failing before the body sets the
// last error and gives the call's failure value.
#pragma once

#include <mutex>

#include "FileErrors.h"
#include "FileSystem.h"

namespace ce {

enum class Missing {
    Allowed,  // the last name may be missing (the call creates it)
    Fails,  // a missing last name is ERROR_FILE_NOT_FOUND
};

template <typename Result, typename Body>
Result withPath(LPCWSTR name, Missing missing, Result failure, Body&& body)
{
    FileSystem* fs = mountedFileSystem();
    if (!fs)
        return failure;
    std::lock_guard guard(fs->lock());
    DevicePath path;
    HostEntry entry;
    if (DWORD error = fs->resolve(name, path, entry, missing == Missing::Fails))
        return failWith(error, failure);
    return body(*fs, path, entry);
}

}  // namespace ce
