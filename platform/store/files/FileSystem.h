// The device file system over the image's root/ folder: the state every file call shares.
// The calls themselves (FileCalls, FileHandles, FindCalls, CopyMoveCalls, FolderCalls,
// AttributeCalls, StoreCalls) hold lock() while they resolve paths and change this state.
#pragma once

#include <filesystem>
#include <memory>
#include <mutex>
#include <string>

#include "AttributeStore.h"
#include "PathResolution.h"
#include "ShareTable.h"
#include "StoreSpace.h"
#include "UniqueFd.h"
#include "emulator/Profile.h"

namespace ce {

class Clock;

class FileSystem {
public:
    // Opens the image's file system: checks root/ and loads attrs.db (made when missing).
    static std::unique_ptr<FileSystem> mount(
        const std::filesystem::path& image, const emulator::Profile& profile, Clock& clock, std::string& error);
    ~FileSystem();

    std::mutex& lock() { return m_lock; }
    int rootFd() const { return m_root.get(); }
    const std::filesystem::path& rootPath() const { return m_rootPath; }
    Clock& clock() { return m_clock; }
    AttributeStore& attributes() { return *m_attributes; }
    ShareTable& shares() { return m_shares; }
    StoreSpace& space() { return m_space; }

    // Parses `text` and resolves it under root/, with lock() held. `mustExist` makes a missing
    // last name ERROR_FILE_NOT_FOUND.
    DWORD resolve(LPCWSTR text, DevicePath& path, HostEntry& entry, bool mustExist = false) const;

    // The bits of an existing entry: its record, or the default of its kind.
    DWORD bitsOf(std::u16string_view key, bool folder) const;
    // Records an entry's bits; false when attrs.db refused the change.
    bool setBits(std::u16string_view key, bool folder, DWORD bits);

    // The host path of an existing device file or folder, for the parts that must hand a host
    // path on (loading program images, opening database volumes). Errors as the file calls give.
    DWORD hostPathOf(LPCWSTR devicePath, std::filesystem::path& hostPath);

private:
    FileSystem(std::filesystem::path root, UniqueFd rootFd, std::unique_ptr<AttributeStore> attributes,
        const emulator::Profile& profile, Clock& clock);

    std::mutex m_lock;
    std::filesystem::path m_rootPath;
    UniqueFd m_root;
    Clock& m_clock;
    std::unique_ptr<AttributeStore> m_attributes;
    ShareTable m_shares;
    StoreSpace m_space;
};

// The booted device's file system, or null with ERROR_NOT_READY set.
FileSystem* mountedFileSystem();

}  // namespace ce
