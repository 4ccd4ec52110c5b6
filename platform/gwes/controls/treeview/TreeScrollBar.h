// The tree view's vertical scroll bar: shown at the right of the client area, SM_CXVSCROLL wide,
// while the rows do not all fit; arrows scroll a row, the track beside the thumb a page.
#pragma once

#include "TreeControl.h"

namespace ce::gwes {

// The scroll bar's rectangle; empty while every row fits.
RECT scrollBarRect(HWND hwnd, TreeControl& tree);
// The client area the rows use: the client less the scroll bar.
RECT rowArea(HWND hwnd, TreeControl& tree);
void drawScrollBar(HDC dc, HWND hwnd, TreeControl& tree);
// A tap on the scroll bar scrolls; false when the point is not on it.
bool scrollBarTap(HWND hwnd, TreeControl& tree, POINT point);

} // namespace ce::gwes
