// The Settings dialog of the Tools menu: the language and the program-wide options.
#pragma once

#include "windows.h"

// Shows the dialog modally. Choosing another language saves the settings and restarts the
// program in it; this process then ends.
void runSettingsDialog(HWND owner);
