// The operating-mode choice shown at the first interactive start: Protected or Advanced.
#pragma once

#include "windows.h"

// Shows the dialog modally; the choice is stored in EnableAdvanced as soon as it is clicked.
void runOperatingModeDialog(HWND owner);
