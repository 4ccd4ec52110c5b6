// Moving storage-card folders in and out of the device and erasing their contents.
#include "CardFolders.h"

#include <mutex>
#include <system_error>

#include "FileErrors.h"
#include "FileSystem.h"
#include "HostNames.h"
#include "emulator/Text.h"
#include "winerror.h"

namespace ce {
namespace {

namespace fs = std::filesystem;

DWORD errorOf(const std::error_code& ec)
{
    return ec.category() == std::generic_category() || ec.category() == std::system_category()
        ? errorFromErrno(ec.value())
        : ERROR_GEN_FAILURE;
}

// Deletes what `folder` holds, depth first, dropping each entry's records once it is gone.
// Links are deleted as links: nothing outside the card is ever reached.
DWORD eraseBelow(FileSystem& files, const fs::path& folder, const std::u16string& folderKey)
{
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path& host = it->path();
        std::u16string key = folderKey + u"\\" + upperName(emulator::fromUtf8(host.filename().string()));
        fs::file_status status = it->symlink_status(ec);
        if (ec)
            return errorOf(ec);
        if (status.type() == fs::file_type::directory)
            if (DWORD error = eraseBelow(files, host, key))
                return error;
        if (!fs::remove(host, ec))
            return ec ? errorOf(ec) : ERROR_FILE_NOT_FOUND;
        if (!files.attributes().eraseTree(key))
            return ERROR_GEN_FAILURE;
    }
    return ec ? errorOf(ec) : ERROR_SUCCESS;
}

DWORD resolveCardFolder(
    FileSystem& files, const std::u16string& card, DevicePath& path, HostEntry& entry, bool mustExist = false)
{
    const std::u16string devicePath = u"\\" + card;
    return files.resolve(devicePath.c_str(), path, entry, mustExist);
}

// The volume of an inserted card without open files (with the file system's lock held).
DWORD inUnusedCard(StoreSpace& space, const std::u16string& card, size_t& volume)
{
    volume = space.cardVolume(card);
    if (volume == StoreSpace::objectStore || !space.isInserted(volume))
        return ERROR_DEVICE_REMOVED;
    return space.openFiles(volume) ? ERROR_SHARING_VIOLATION : ERROR_SUCCESS;
}

// The folder of an inserted card without open files, resolved (with the file system's lock held).
DWORD unusedCardFolder(FileSystem& files, const std::u16string& card, bool mustExist, size_t& volume,
    DevicePath& path, HostEntry& entry)
{
    if (DWORD error = inUnusedCard(files.space(), card, volume))
        return error;
    return resolveCardFolder(files, card, path, entry, mustExist);
}

} // namespace

DWORD parkCardFolder(FileSystem& files, const std::u16string& card, const std::filesystem::path& parked)
{
    std::lock_guard guard(files.lock());
    StoreSpace& space = files.space();
    size_t volume = StoreSpace::objectStore;
    DevicePath path;
    HostEntry entry;
    if (DWORD error = unusedCardFolder(files, card, false, volume, path, entry))
        return error;
    std::error_code ec;
    if (fs::exists(parked, ec))
        return ERROR_ALREADY_EXISTS; // never overwrite files kept from before
    fs::create_directories(parked.parent_path(), ec);
    if (entry.exists)
        fs::rename(files.rootPath() / entry.relative, parked, ec);
    else
        fs::create_directory(parked, ec); // a card whose folder was lost is parked empty
    if (ec)
        return errorOf(ec);
    space.setInserted(volume, false);
    return ERROR_SUCCESS;
}

DWORD mountCardFolder(FileSystem& files, const std::u16string& card, const std::filesystem::path& parked)
{
    std::lock_guard guard(files.lock());
    StoreSpace& space = files.space();
    size_t volume = space.cardVolume(card);
    if (volume == StoreSpace::objectStore || space.isInserted(volume))
        return ERROR_ALREADY_EXISTS;
    DevicePath path;
    HostEntry entry;
    if (DWORD error = resolveCardFolder(files, card, path, entry))
        return error;
    if (entry.exists)
        return ERROR_ALREADY_EXISTS; // a folder of the object store took the card's name meanwhile
    std::error_code ec;
    const fs::path folder = files.rootPath() / emulator::toUtf8(card);
    if (fs::exists(parked, ec))
        fs::rename(parked, folder, ec);
    else
        fs::create_directory(folder, ec);
    if (ec)
        return errorOf(ec);
    space.setInserted(volume, true);
    return ERROR_SUCCESS;
}

DWORD eraseCardContents(FileSystem& files, const std::u16string& card)
{
    std::lock_guard guard(files.lock());
    StoreSpace& space = files.space();
    size_t volume = StoreSpace::objectStore;
    DevicePath path;
    HostEntry entry;
    if (DWORD error = unusedCardFolder(files, card, true, volume, path, entry))
        return error;
    DWORD error = eraseBelow(files, files.rootPath() / entry.relative, path.key);
    space.forgetUsage(volume);
    return error;
}

void setCardClusterBytes(FileSystem& files, const std::u16string& card, ULONGLONG clusterBytes)
{
    std::lock_guard guard(files.lock());
    size_t volume = files.space().cardVolume(card);
    if (volume != StoreSpace::objectStore)
        files.space().setClusterBytes(volume, clusterBytes);
}

} // namespace ce
