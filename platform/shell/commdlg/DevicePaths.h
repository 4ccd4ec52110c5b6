// Device path pieces a file dialog works with: joining a name to a folder, the folders above
// a path, where a path's name and extension start, and what exists on the device.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ce::shell {

// "\" + "a" is "\a"; "\a" + "b" is "\a\b".
std::u16string joinPath(std::u16string_view folder, std::u16string_view name);

// The folder that holds `path` ("\" for "\a" and for "\").
std::u16string parentOf(std::u16string_view path);

// "\", then each folder down to `path` itself: "\", "\a", "\a\b".
std::vector<std::u16string> folderChain(std::u16string_view path);

// A full path without a trailing '\' (except "\" itself); "" for a relative one.
std::u16string fullPathOf(std::u16string_view path);

// A full path with each existing part spelled as the device stores it.
std::u16string storedSpelling(std::u16string_view path);

// Where the name starts (after the last '\').
size_t nameOffset(std::u16string_view path);

// The offset of the extension's first character: past the name's last '.', 0 when the name
// ends in '.', and the path's length (its terminator) when the name has no '.'.
size_t extensionOffset(std::u16string_view path);

// Characters a file name may not hold (wildcards count apart).
bool hasBadNameCharacter(std::u16string_view name);
bool hasWildcard(std::u16string_view name);

bool folderExists(const std::u16string& path);
bool fileExists(const std::u16string& path); // a file, not a folder

} // namespace ce::shell
