// Device contexts of windows, for BeginPaint and the window system's own drawing.
#pragma once

#include "WindowSurfaces.h"

namespace ce::gwes {

// A device context drawing on an area, limited to `limit` (window coordinates) when given.
HDC deviceContextOn(HWND hwnd, DrawingArea area, const RECT* limit);

// A device context on the window's client area (the whole window: windows have no frame),
// clipped to what it shows and, when `limit` is given, to that client rectangle too. Null
// (with ERROR_INVALID_WINDOW_HANDLE) for a window that does not exist.
HDC windowDeviceContext(HWND hwnd, bool withoutChildren, const RECT* limit);

} // namespace ce::gwes
