// Walking device paths through the host folders under root/.
#include "PathResolution.h"

#include <fcntl.h>

#include <cerrno>

#include "FileErrors.h"
#include "FolderListing.h"
#include "HostNames.h"
#include "text/CaseTable.h"
#include "text/Utf.h"
#include "winerror.h"

namespace ce {
namespace {

constexpr int folderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

bool isDeviceEntry(mode_t mode)
{
    return S_ISREG(mode) || S_ISDIR(mode);
}

bool equalsIgnoringCase(const char16_t* name, size_t length, std::u16string_view upperWanted)
{
    if (length != upperWanted.size())
        return false;
    for (size_t i = 0; i < length; ++i) {
        if (toUpperDevice(name[i]) != upperWanted[i])
            return false;
    }
    return true;
}

// The host spelling of the entry of `folder` named `name` ignoring case. An entry that is no
// link wins over one that is, so that a planted link cannot hide a real entry.
bool findIgnoringCase(int folder, std::u16string_view name, std::string& hostName)
{
    FolderListing listing(folder);
    if (!listing.valid())
        return false;
    std::u16string upperWanted = upperName(name);
    char16_t decoded[MAX_PATH];
    bool found = false;
    while (dirent* e = listing.next()) {
        size_t length = 0;
        if (!decodeUtf8Strict(e->d_name, decoded, MAX_PATH, length) || !equalsIgnoringCase(decoded, length, upperWanted))
            continue;
        if (!found || e->d_type != DT_LNK) {
            hostName = e->d_name;
            found = true;
        }
        if (e->d_type != DT_LNK)
            break;
    }
    return found;
}

// Looks up one name in `folder`: exact spelling first, then ignoring case.
DWORD lookUp(int folder, const std::string& hostName, std::u16string_view name, HostEntry& entry)
{
    entry.exists = false;
    entry.name = hostName;
    if (fstatat(folder, hostName.c_str(), &entry.st, AT_SYMLINK_NOFOLLOW) != 0) {
        if (errno != ENOENT)
            return errorFromErrno(errno);
        std::string found;
        if (!findIgnoringCase(folder, name, found))
            return ERROR_SUCCESS;
        if (fstatat(folder, found.c_str(), &entry.st, AT_SYMLINK_NOFOLLOW) != 0)
            return errno == ENOENT ? ERROR_SUCCESS : errorFromErrno(errno);
        entry.name = std::move(found);
    }
    if (!isDeviceEntry(entry.st.st_mode))
        return ERROR_ACCESS_DENIED;
    entry.exists = true;
    return ERROR_SUCCESS;
}

// Opens the sub-folder `name` of `folder`; `hostName` becomes its host spelling.
DWORD openSubFolder(int folder, std::string& hostName, std::u16string_view name, UniqueFd& next)
{
    next = openChildFolder(folder, hostName.c_str());
    if (next.valid())
        return ERROR_SUCCESS;
    HostEntry entry;
    if (DWORD error = lookUp(folder, hostName, name, entry))
        return error;
    if (!entry.isFolder())
        return ERROR_PATH_NOT_FOUND;
    next = openChildFolder(folder, entry.name.c_str());
    if (!next.valid())
        return errno == ENOENT || errno == ENOTDIR ? ERROR_PATH_NOT_FOUND : errorFromErrno(errno);
    hostName = std::move(entry.name);
    return ERROR_SUCCESS;
}

DWORD walkFolders(int rootFd, const DevicePath& path, size_t count, UniqueFd& folder, std::string& relative)
{
    folder = reopenFolder(rootFd);
    if (!folder.valid())
        return errorFromErrno(errno);
    for (size_t i = 0; i < count; ++i) {
        std::string hostName = path.hostNames[i];
        UniqueFd next;
        if (DWORD error = openSubFolder(folder.get(), hostName, path.names[i], next))
            return error;
        folder = std::move(next);
        relative += hostName;
        relative += '/';
    }
    return ERROR_SUCCESS;
}

}  // namespace

UniqueFd reopenFolder(int folder)
{
    return UniqueFd(openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}

UniqueFd openChildFolder(int folder, const char* hostName)
{
    return UniqueFd(openat(folder, hostName, folderFlags));
}

DWORD resolveHostEntry(int rootFd, const DevicePath& path, HostEntry& entry)
{
    entry = HostEntry();
    if (path.isRoot()) {
        entry.folder = reopenFolder(rootFd);
        if (!entry.folder.valid() || fstat(entry.folder.get(), &entry.st) != 0)
            return errorFromErrno(errno);
        entry.exists = true;
        return ERROR_SUCCESS;
    }
    size_t last = path.names.size() - 1;
    if (DWORD error = walkFolders(rootFd, path, last, entry.folder, entry.relative))
        return error;
    DWORD error = lookUp(entry.folder.get(), path.hostNames[last], path.names[last], entry);
    entry.relative += entry.name;
    return error;
}

DWORD openHostFolder(int rootFd, const DevicePath& path, UniqueFd& folder)
{
    std::string relative;
    return walkFolders(rootFd, path, path.names.size(), folder, relative);
}

}  // namespace ce
