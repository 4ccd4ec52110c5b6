// `cedevice run` with a display: the program in a screen window until it ends or the window
// is closed.
#pragma once

#include <ostream>
#include <string>

#include "windows.h"

namespace cedevice {

// Shows the device's screen while the process runs, when the host has a display; false (nothing
// done) when it has none. Closing the window closes the program's windows, and ends it when it
// does not end by itself.
bool showProgramOnScreen(const std::string& title, DWORD processId, HANDLE process, std::ostream& out);

} // namespace cedevice
