// The StartUp folder the shell runs when the device boots after a soft reset.
#pragma once

#include <vector>

#include "emulator/Reset.h"

namespace ce {

inline constexpr const char16_t* startUpFolder = u"\\Windows\\StartUp";

// Starts the folder's entries in enumeration order: a shortcut (.lnk) starts its target with its
// arguments, a program (.exe) starts itself; folders and other files are left alone. Calls the
// platform as a host thread does; the device must be booted.
std::vector<emulator::StartUpLaunch> startStartUpEntries();

}  // namespace ce
