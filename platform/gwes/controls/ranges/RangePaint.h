// Drawing helpers of the range controls (progress bar, trackbar, up-down): the colours they
// fill with and the flat Pocket PC parts they share.
#pragma once

#include "windows.h"

namespace ce::gwes::range_paint {

void fill(HDC dc, const RECT& rect, COLORREF color);
// A well: a border of the screen's line width in `border`, the inside in `inside`; returns the
// inside rectangle.
RECT well(HDC dc, const RECT& rect, COLORREF border, COLORREF inside);
// The background brush the parent gives with WM_CTLCOLORSTATIC, else the static colour's.
HBRUSH backgroundBrush(HWND hwnd, HDC dc);

} // namespace ce::gwes::range_paint
