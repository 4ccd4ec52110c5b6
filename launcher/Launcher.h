// The launcher: what the system starts at a reset, on schedule and for the tweaks, and which starts
// Kelvara in turn, found through the installer's registry entry.
#pragma once

#include "windows.h"

// Runs the launcher for a command line (null: none at all): 1 when Kelvara was started, else 0.
int runLauncher(LPCWSTR commandLine);
