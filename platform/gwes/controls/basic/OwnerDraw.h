// Owner drawing: a control with an owner-draw style asks its parent (the owner) to measure its
// items once (WM_MEASUREITEM) and to draw each one it paints (WM_DRAWITEM). Items of
// variable height are measured as one fixed height.
#pragma once

#include "ItemList.h"
#include "windows.h"

namespace ce::gwes::basic {

// The owner's height for the control's items (itemID -1: a combo box's field), or `height`
// when the owner leaves it unset.
int measureItem(HWND control, UINT ctlType, int itemID, int height);

struct ItemToDraw {
    UINT ctlType;
    int itemID; // -1: no item (an empty combo box field)
    UINT state; // ODS_*
    RECT rect;
    LPARAM data;
};

// Asks the owner to draw one item whole, in the paint's DC.
void drawItem(HWND control, HDC dc, const ItemToDraw& item);

// Asks the owner to draw the visible rows of a list, the first (list.top) at `origin`, each
// `width` wide; selected rows are drawn selected, the selected (focused) row focused when
// `focused`.
void drawRows(
    HWND control, HDC dc, UINT ctlType, const ItemList& list, int rows, POINT origin, int width, bool focused);

} // namespace ce::gwes::basic
