// Reading what the list controls painted: dispatching the queued paints, then the pixels of a
// window's client area through a window DC.
#pragma once

#include "windows.h"

namespace listview_test {

// Dispatches everything queued, the WM_PAINT of every invalid window included.
void paintQueued();
COLORREF pixelAt(HWND hwnd, int x, int y);
// How many pixels of a client rectangle differ from `background`.
int inkIn(HWND hwnd, const RECT& rect, COLORREF background);
// Whether some pixel of the rectangle is within `tolerance` of `color` in every channel.
bool holdsColor(HWND hwnd, const RECT& rect, COLORREF color, int tolerance = 24);
// How many pixel rows of the rectangle hold a pixel other than `background`.
int inkHeight(HWND hwnd, const RECT& rect, COLORREF background);

} // namespace listview_test
