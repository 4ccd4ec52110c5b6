// The kernel object behind a find handle: a folder listing read as FindNextFileW asks, with
// the pattern and the search kind. Entries are described from the listing's own stat of each
// name and the in-memory attribute records, never from a database query.
#pragma once

#include <sys/stat.h>

#include <memory>
#include <mutex>
#include <string>

#include "DevicePath.h"
#include "FolderListing.h"
#include "FindHandle.h"
#include "winbase.h"

namespace ce {

class FileSystem;

class FindSearch : public FindHandle {
public:
    FindSearch(FileSystem& fs, const DevicePath& path, bool foldersOnly);

    // Starts listing the folder of a pattern and gives its first match; ERROR_NO_MORE_FILES
    // when nothing in the folder matches.
    DWORD start(const DevicePath& path, WIN32_FIND_DATAW& data);
    // Describes the one entry a name without wildcards names.
    DWORD findOne(const DevicePath& path, WIN32_FIND_DATAW& data);
    bool next(WIN32_FIND_DATAW& data) override;

private:
    bool advance(WIN32_FIND_DATAW& data);
    DWORD bitsOf(std::u16string_view name, bool folder) const;
    void describe(std::u16string_view name, const struct stat& st, DWORD bits, WIN32_FIND_DATAW& data) const;

    FileSystem& m_fs;
    const bool m_foldersOnly;
    const bool m_inRoot;
    const std::u16string m_folderKey;
    const std::u16string m_pattern;  // upper-cased
    const bool m_everyName;
    std::mutex m_lock;
    std::unique_ptr<FolderListing> m_listing;  // null once a one-entry find has given its entry
};

}  // namespace ce
