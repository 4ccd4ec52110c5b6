// Device paths as callers write them ("\Windows\Temp\a.tmp"), split into checked names.
// Nothing here touches the host: resolution against root/ is in PathResolution.h.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "windef.h"

namespace ce {

struct DevicePath {
    std::vector<std::u16string> names;  // the caller's spelling, one per component
    std::vector<std::string> hostNames;  // the same names in UTF-8
    std::u16string key;  // "\NAME\NAME" upper-cased, how attributes and volumes are keyed; "" for "\"

    bool isRoot() const { return names.empty(); }
    DevicePath parent() const;
};

enum class LeafRule {
    Name,  // every component is a plain name
    Pattern,  // the last component may hold the wildcards '*' and '?'
};

// Splits at '\' and '/' (a path without a leading separator starts at "\" too: the device has
// no current folder). Errors: ERROR_INVALID_PARAMETER for null, ERROR_PATH_NOT_FOUND for an
// empty path, ERROR_FILENAME_EXCED_RANGE past MAX_PATH, ERROR_INVALID_NAME for "." and ".."
// components and for characters a device name cannot hold.
DWORD parseDevicePath(LPCWSTR text, LeafRule rule, DevicePath& path);

bool hasWildcards(std::u16string_view name);

// "\A\B" -> "\A" and "B"; the root's entries have the parent key "".
std::u16string_view parentKey(std::u16string_view key);
std::u16string_view leafKey(std::u16string_view key);

}  // namespace ce
