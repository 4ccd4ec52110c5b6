// The rectangle utilities with a check of their output pointer. A bad pointer is a programming
// error: it is reported in the debug output and in an "Assertion Failed!" box that offers to end
// the program (code 3), to break into a debugger, or to go on.
#pragma once

#include <source_location>

#include "windows.h"

// True when `pointer` may be written; otherwise reports the failure at `where` and is false.
bool assertValidPointer(const void* pointer, const std::source_location& where);

// GetClientRect, GetWindowRect and ScreenToClient, each first checking its output pointer.
BOOL clientRect(HWND window, RECT* rect, const std::source_location& where = std::source_location::current());
BOOL windowRect(HWND window, RECT* rect, const std::source_location& where = std::source_location::current());
BOOL screenToClient(HWND window, POINT* point, const std::source_location& where = std::source_location::current());
