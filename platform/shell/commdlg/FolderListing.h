// What a file dialog lists of a folder: its sub-folders, then the files that match the chosen
// type's patterns, each group sorted by name without regard to case.
#pragma once

#include <string>
#include <vector>

namespace ce::shell {

struct FolderEntry {
    std::u16string name;
    bool isFolder = false;
};

// Hidden entries are left out, as the device's file list does. An unreadable folder lists
// nothing.
std::vector<FolderEntry> listFolder(const std::u16string& folder, const std::vector<std::u16string>& patterns);

} // namespace ce::shell
