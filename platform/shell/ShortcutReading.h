// Reading a shortcut file of the device file system, for the shell calls that follow shortcuts.
#pragma once

#include <string>

#include "windef.h"

namespace ce {

// Shortcuts are small; anything longer than this is read only this far.
inline constexpr DWORD largestShortcutFile = 4096;

// The command a shortcut holds (see ShortcutFile.h); the file system's error when the file cannot
// be read, ERROR_BAD_FORMAT when it holds no shortcut.
DWORD readShortcutFile(const std::u16string& path, std::u16string& command);

}  // namespace ce
