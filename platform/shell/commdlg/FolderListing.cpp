// Listing a folder for a file dialog through the device's find calls: one search for the
// sub-folders and one per pattern for the files, so patterns follow the device's own rules.
#include "FolderListing.h"

#include <algorithm>

#include "DevicePaths.h"
#include "cewchar.h"
#include "winbase.h"

namespace ce::shell {
namespace {

// Calls `take` with every entry that `pattern` finds in `folder`.
template <typename Take> void findEach(const std::u16string& folder, const std::u16string& pattern, Take take)
{
    WIN32_FIND_DATAW found {};
    HANDLE search = FindFirstFileW(joinPath(folder, pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN))
            take(found);
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

bool nameBefore(const FolderEntry& a, const FolderEntry& b)
{
    return _wcsicmp(a.name.c_str(), b.name.c_str()) < 0;
}

} // namespace

std::vector<FolderEntry> listFolder(const std::u16string& folder, const std::vector<std::u16string>& patterns)
{
    std::vector<FolderEntry> folders;
    findEach(folder, u"*", [&](const WIN32_FIND_DATAW& found) {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            folders.push_back({found.cFileName, true});
    });
    std::vector<FolderEntry> files;
    for (const std::u16string& pattern : patterns) {
        findEach(folder, pattern, [&](const WIN32_FIND_DATAW& found) {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                files.push_back({found.cFileName, false});
        });
    }
    std::sort(folders.begin(), folders.end(), nameBefore);
    std::sort(files.begin(), files.end(), nameBefore);
    // Two patterns may find the same file; the device compares names without regard to case.
    files.erase(std::unique(files.begin(), files.end(),
                    [](const FolderEntry& a, const FolderEntry& b) { return _wcsicmp(a.name.c_str(), b.name.c_str()) == 0; }),
        files.end());
    folders.insert(folders.end(), files.begin(), files.end());
    return folders;
}

} // namespace ce::shell
