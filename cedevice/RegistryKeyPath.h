// Registry key arguments: "HKEY_LOCAL_MACHINE\Software\Apps", "hklm\software", "HKCU".
#pragma once

#include <string>

#include "windows.h"

namespace cedevice {

struct KeyPath {
    HKEY root;
    std::u16string subKey;  // empty for the root itself
    std::string display;    // the root's full name and the sub key, for messages and listings
};

// Roots by full or short name, case-insensitively; throws CommandError on another root.
KeyPath parseKeyPath(const std::string& argument);

}  // namespace cedevice
