// One running instance per run mode, found by its marker window: a second interactive start hands
// over to the first, a second quick clean or reclaim replaces the first.
#pragma once

#include "windows.h"

// The message a second interactive start posts to the first's marker: bring your main window forward.
constexpr UINT bringToFrontMessage = WM_USER + 200;

// The marker window class (and title) of a run mode.
const char16_t* markerClassName(int runMode);

// Looks for the marker of `runMode`, acts on it as the run mode says, then makes this process's
// marker. False when this process should end: another interactive instance runs, or the
// marker could not be made.
bool takeInstance(int runMode);
