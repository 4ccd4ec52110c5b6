// Drawing one row of a tree view: its lines, +/- button, state image, image and label.
#pragma once

#include "TreeControl.h"

namespace ce::gwes {

// The colours a row is drawn in, as the custom-draw item stage left them, and its CDIS_* state.
struct RowColors {
    COLORREF text = 0;
    COLORREF textBack = 0;
    UINT itemState = 0;
};

void drawRow(HDC dc, HWND hwnd, TreeControl& tree, HTREEITEM handle, const RowColors& colors);

} // namespace ce::gwes
