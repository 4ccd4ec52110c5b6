// Mounting the device file system.
#include "FileSystem.h"

#include <fcntl.h>

#include "FileAttributes.h"
#include "kernel/Device.h"
#include "winerror.h"

namespace ce {

FileSystem::FileSystem(std::filesystem::path root, UniqueFd rootFd, std::unique_ptr<AttributeStore> attributes,
    const emulator::Profile& profile, Clock& clock)
    : m_rootPath(std::move(root))
    , m_root(std::move(rootFd))
    , m_clock(clock)
    , m_attributes(std::move(attributes))
    , m_space(m_root.get(), profile)
{
}

FileSystem::~FileSystem() = default;

std::unique_ptr<FileSystem> FileSystem::mount(
    const std::filesystem::path& image, const emulator::Profile& profile, Clock& clock, std::string& error)
{
    std::filesystem::path root = image / "root";
    UniqueFd rootFd(open(root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!rootFd.valid()) {
        error = "the image has no root folder: " + root.string();
        return nullptr;
    }
    auto attributes = AttributeStore::open(image / "attrs.db", error);
    if (!attributes)
        return nullptr;
    return std::unique_ptr<FileSystem>(
        new FileSystem(std::move(root), std::move(rootFd), std::move(attributes), profile, clock));
}

DWORD FileSystem::resolve(LPCWSTR text, DevicePath& path, HostEntry& entry, bool mustExist) const
{
    if (DWORD error = parseDevicePath(text, LeafRule::Name, path))
        return error;
    if (DWORD error = resolveHostEntry(rootFd(), path, entry))
        return error;
    return mustExist && !entry.exists ? ERROR_FILE_NOT_FOUND : ERROR_SUCCESS;
}

DWORD FileSystem::bitsOf(std::u16string_view key, bool folder) const
{
    return m_attributes->lookup(key).value_or(defaultBits(folder));
}

bool FileSystem::setBits(std::u16string_view key, bool folder, DWORD bits)
{
    bits = keptBits(bits);
    return m_attributes->set(key, bits == defaultBits(folder) ? std::nullopt : std::optional<DWORD>(bits));
}

DWORD FileSystem::hostPathOf(LPCWSTR devicePath, std::filesystem::path& hostPath)
{
    std::lock_guard guard(m_lock);
    DevicePath path;
    HostEntry entry;
    if (DWORD error = resolve(devicePath, path, entry, true))
        return error;
    hostPath = m_rootPath / entry.relative;
    return ERROR_SUCCESS;
}

FileSystem* mountedFileSystem()
{
    Device* device = deviceOrFail();
    return device ? &device->fileSystem() : nullptr;
}

}  // namespace ce
