// Mounting the profile's database volumes at boot and unmounting them at shutdown.
#include "MountedVolumes.h"

#include <sys/stat.h>

#include <cctype>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <utility>

#include "VolumeJournals.h"
#include "kernel/Clock.h"
#include "kernel/Device.h"
#include "kernel/DeviceParts.h"
#include "store/files/FileSystem.h"
#include "text/CaseTable.h"
#include "winbase.h"
#include "winerror.h"

namespace ce {
namespace {

struct Mount {
    std::shared_ptr<Volume> volume;
    FileId file;
};

struct VolumeTable {
    std::mutex lock;
    std::vector<Mount> mounts;
    FileSystem* fileSystem = nullptr; // holds the mounted files in its share table
};

VolumeTable& table()
{
    static VolumeTable instance;
    return instance;
}

// The system's hold on a volume file: a share entry that allows no one else in.
constexpr DWORD heldAccess = GENERIC_READ | GENERIC_WRITE;
constexpr DWORD heldShare = 0;

// Resolves the device path to its host file (which may not exist yet). False when the path
// cannot hold a volume, or the file is already open (held by someone else).
bool volumeFile(
    FileSystem& fs, const std::u16string& devicePath, const std::filesystem::path& root, std::filesystem::path& file)
{
    std::lock_guard guard(fs.lock());
    DevicePath path;
    HostEntry entry;
    if (fs.resolve(devicePath.c_str(), path, entry) != ERROR_SUCCESS || (entry.exists && !entry.isFile()))
        return false;
    if (entry.exists && fs.shares().isOpen(fileIdOf(entry.st)))
        return false;
    file = root / entry.relative;
    return true;
}

// Where the journal of a volume file goes: a host folder of the image, outside root/, under a
// name made from the file's place in the device.
std::filesystem::path journalFile(const std::filesystem::path& image, const std::filesystem::path& relative)
{
    std::string name;
    for (unsigned char c : relative.string()) {
        char escaped[4];
        std::snprintf(escaped, sizeof escaped, "%%%02X", c);
        name += std::isalnum(c) || c == '.' ? std::string(1, static_cast<char>(c)) : escaped;
    }
    return image / "volume-journals" / (name + ".journal");
}

void mountVolume(Device& device, const std::u16string& devicePath)
{
    std::filesystem::path file;
    if (!volumeFile(device.fileSystem(), devicePath, device.rootFolder(), file))
        return;
    const auto journal = journalFile(device.imagePath(), file.lexically_relative(device.rootFolder()));
    std::error_code ec;
    std::filesystem::create_directories(journal.parent_path(), ec);
    placeJournal(file, journal);
    std::string error;
    auto volume = Volume::open(file, devicePath, device.clock().utcNow(), error);
    struct stat st { };
    if (!volume || stat(file.c_str(), &st) != 0)
        return;
    FileSystem& fs = device.fileSystem();
    {
        std::lock_guard guard(fs.lock());
        fs.shares().add(fileIdOf(st), heldAccess, heldShare);
    }
    std::lock_guard guard(table().lock);
    table().mounts.push_back({std::move(volume), fileIdOf(st)});
}

bool startVolumes(Device& device, std::string&)
{
    {
        std::lock_guard guard(table().lock);
        table().fileSystem = &device.fileSystem();
    }
    for (const auto& path : device.profile().volumes) {
        const bool known = static_cast<bool>(findVolume(path));
        if (!known)
            mountVolume(device, path);
    }
    return true;
}

void stopVolumes()
{
    std::vector<Mount> mounts;
    FileSystem* fs = nullptr;
    {
        std::lock_guard guard(table().lock);
        mounts.swap(table().mounts);
        fs = std::exchange(table().fileSystem, nullptr);
    }
    for (Mount& mount : mounts) {
        {
            std::lock_guard guard(mount.volume->lock());
            mount.volume->unmount();
        }
        std::lock_guard guard(fs->lock());
        fs->shares().remove(mount.file, heldAccess, heldShare);
    }
}

const DevicePartRegistration registration {{"database volumes", 30, startVolumes, stopVolumes}};

} // namespace

std::vector<std::shared_ptr<Volume>> mountedVolumes()
{
    std::lock_guard guard(table().lock);
    std::vector<std::shared_ptr<Volume>> volumes;
    for (const Mount& mount : table().mounts)
        volumes.push_back(mount.volume);
    return volumes;
}

std::shared_ptr<Volume> findVolume(const CEGUID& guid)
{
    std::lock_guard guard(table().lock);
    for (const Mount& mount : table().mounts)
        if (std::memcmp(&mount.volume->guid(), &guid, sizeof guid) == 0)
            return mount.volume;
    return nullptr;
}

std::shared_ptr<Volume> findVolume(std::u16string_view path)
{
    std::lock_guard guard(table().lock);
    for (const Mount& mount : table().mounts)
        if (sameNameDevice(mount.volume->devicePath(), path))
            return mount.volume;
    return nullptr;
}

} // namespace ce
