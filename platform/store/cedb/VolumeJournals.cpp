// The VFS that places volume journals. Only opening, deleting and probing files see the names;
// every other VFS method is the default one's.
#include "VolumeJournals.h"

#include <sqlite3.h>

#include <map>
#include <mutex>
#include <string>

namespace ce {
namespace {

struct JournalPlaces {
    std::mutex lock;
    // SQLite's journal name -> ours. Entries are never removed: SQLite keeps using a name it
    // opened until it closes the file.
    std::map<std::string, std::string> journals;
    sqlite3_vfs* base = nullptr;
    sqlite3_vfs vfs {};
};

JournalPlaces& places()
{
    static JournalPlaces instance;
    return instance;
}

const char* placed(const char* name)
{
    if (!name)
        return name;
    JournalPlaces& p = places();
    std::lock_guard guard(p.lock);
    auto found = p.journals.find(name);
    return found == p.journals.end() ? name : found->second.c_str();
}

int openFile(sqlite3_vfs*, sqlite3_filename name, sqlite3_file* file, int flags, int* outFlags)
{
    sqlite3_vfs* base = places().base;
    return base->xOpen(base, (flags & SQLITE_OPEN_MAIN_JOURNAL) ? placed(name) : name, file, flags, outFlags);
}

int deleteFile(sqlite3_vfs*, const char* name, int syncDir)
{
    sqlite3_vfs* base = places().base;
    return base->xDelete(base, placed(name), syncDir);
}

int accessFile(sqlite3_vfs*, const char* name, int flags, int* result)
{
    sqlite3_vfs* base = places().base;
    return base->xAccess(base, placed(name), flags, result);
}

void registerVfs()
{
    JournalPlaces& p = places();
    p.base = sqlite3_vfs_find(nullptr);
    p.vfs = *p.base;
    p.vfs.zName = "kelvara-volume";
    p.vfs.pNext = nullptr;
    p.vfs.xOpen = openFile;
    p.vfs.xDelete = deleteFile;
    p.vfs.xAccess = accessFile;
    sqlite3_vfs_register(&p.vfs, 0);
}

} // namespace

const char* volumeVfsName()
{
    static std::once_flag registered;
    std::call_once(registered, registerVfs);
    return places().vfs.zName;
}

void placeJournal(const std::filesystem::path& volumeFile, const std::filesystem::path& journalFile)
{
    volumeVfsName();
    JournalPlaces& p = places();
    // SQLite names the journal after the full path its VFS makes of the file's name.
    std::string full(static_cast<size_t>(p.base->mxPathname) + 1, '\0');
    if (p.base->xFullPathname(p.base, volumeFile.c_str(), static_cast<int>(full.size()), full.data()) != SQLITE_OK)
        return;
    full.resize(full.find('\0'));
    std::lock_guard guard(p.lock);
    p.journals.try_emplace(full + "-journal", journalFile.string());
}

} // namespace ce
