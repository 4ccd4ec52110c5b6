// The file types of a file dialog, read from OPENFILENAMEW's filter: pairs of a name and a list
// of patterns ("Text\0*.txt;*.log\0All\0*.*\0\0").
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "windef.h"

namespace ce::shell {

struct FileType {
    std::u16string name;
    std::vector<std::u16string> patterns;
};

// The types of a filter in order; a null or empty filter gives no types. A last name without
// its patterns is left out.
std::vector<FileType> fileTypesOf(LPCWSTR filter);

// The patterns of a ';'-separated list, spaces around them trimmed, empty ones left out.
std::vector<std::u16string> patternsOf(std::u16string_view list);

// Every name: what a dialog lists when it has no types.
const std::vector<std::u16string>& everyNamePatterns();

} // namespace ce::shell
