// Listing folders for the find calls.
#include "FindSearch.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cstring>

#include "FileAttributes.h"
#include "FileSystem.h"
#include "FileTimes.h"
#include "HostNames.h"
#include "NamePattern.h"
#include "PathResolution.h"
#include "text/Utf.h"
#include "winerror.h"

namespace ce {
namespace {

bool isListed(const struct stat& st, bool foldersOnly)
{
    return S_ISDIR(st.st_mode) || (!foldersOnly && S_ISREG(st.st_mode));
}

// A stable object id per host file: its inode, folded to the record's 32 bits and never 0.
DWORD objectIdOf(const struct stat& st)
{
    auto id = static_cast<DWORD>(st.st_ino) ^ static_cast<DWORD>(static_cast<ULONGLONG>(st.st_ino) >> 32);
    return id ? id : 1;
}

}  // namespace

FindSearch::FindSearch(FileSystem& fs, const DevicePath& path, bool foldersOnly)
    : m_fs(fs)
    , m_foldersOnly(foldersOnly)
    , m_inRoot(path.names.size() == 1)
    , m_folderKey(parentKey(path.key))
    , m_pattern(leafKey(path.key))
    , m_everyName(matchesEveryName(m_pattern))
{
}

DWORD FindSearch::start(const DevicePath& path, WIN32_FIND_DATAW& data)
{
    UniqueFd folder;
    {
        std::lock_guard guard(m_fs.lock());
        if (DWORD error = openHostFolder(m_fs.rootFd(), path.parent(), folder))
            return error;
    }
    std::lock_guard guard(m_lock);
    m_listing = std::make_unique<FolderListing>(folder.get());
    if (!m_listing->valid())
        return ERROR_ACCESS_DENIED;
    return advance(data) ? ERROR_SUCCESS : ERROR_NO_MORE_FILES;
}

DWORD FindSearch::findOne(const DevicePath& path, WIN32_FIND_DATAW& data)
{
    std::lock_guard guard(m_fs.lock());
    HostEntry entry;
    if (DWORD error = resolveHostEntry(m_fs.rootFd(), path, entry))
        return error;
    char16_t name[MAX_PATH];
    size_t length = 0;
    if (!entry.exists || !isListed(entry.st, m_foldersOnly) || !decodeUtf8Strict(entry.name, name, MAX_PATH - 1, length))
        return ERROR_NO_MORE_FILES;
    std::u16string_view shown(name, length);
    describe(shown, entry.st, bitsOf(shown, entry.isFolder()), data);
    return ERROR_SUCCESS;
}

bool FindSearch::next(WIN32_FIND_DATAW& data)
{
    std::lock_guard guard(m_lock);
    return advance(data);
}

bool FindSearch::advance(WIN32_FIND_DATAW& data)
{
    if (!m_listing)
        return false;
    char16_t name[MAX_PATH];
    while (dirent* e = m_listing->next()) {
        // Links are never listed; with folders only, the listing's type spares a stat.
        if (e->d_type == DT_LNK || (m_foldersOnly && e->d_type != DT_DIR && e->d_type != DT_UNKNOWN))
            continue;
        size_t length = 0;
        if (!decodeUtf8Strict(e->d_name, name, MAX_PATH - 1, length))
            continue;
        std::u16string_view shown(name, length);
        if (!m_everyName && !matchesPattern(m_pattern, shown))
            continue;
        struct stat st{};
        if (fstatat(m_listing->fd(), e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !isListed(st, m_foldersOnly))
            continue;
        DWORD bits;
        {
            std::lock_guard guard(m_fs.lock());
            bits = bitsOf(shown, S_ISDIR(st.st_mode));
        }
        describe(shown, st, bits, data);
        return true;
    }
    return false;
}

DWORD FindSearch::bitsOf(std::u16string_view name, bool folder) const
{
    const FolderRecords* records = m_fs.attributes().folder(m_folderKey);
    if (!records)
        return defaultBits(folder);
    auto it = records->find(upperName(name));
    return it == records->end() ? defaultBits(folder) : it->second;
}

void FindSearch::describe(std::u16string_view name, const struct stat& st, DWORD bits, WIN32_FIND_DATAW& data) const
{
    bool folder = S_ISDIR(st.st_mode);
    bool cardRoot = m_inRoot && folder && m_fs.space().isCardFolderName(name);
    data.dwFileAttributes = reportedAttributes(folder, bits, cardRoot);
    FILETIME written = fileTimeFromTicks(ticksFromHost(st.st_mtim));
    data.ftCreationTime = written;
    data.ftLastAccessTime = written;
    data.ftLastWriteTime = written;
    ULONGLONG size = folder ? 0 : static_cast<ULONGLONG>(st.st_size);
    data.nFileSizeHigh = static_cast<DWORD>(size >> 32);
    data.nFileSizeLow = static_cast<DWORD>(size);
    data.dwOID = objectIdOf(st);
    std::memcpy(data.cFileName, name.data(), name.size() * sizeof(char16_t));
    data.cFileName[name.size()] = 0;
}

}  // namespace ce
