// Painting the rows of a list box or of a combo box's dropped list: rows of text (the selected
// ones on COLOR_HIGHLIGHT), or the owner's drawing of each, and a vertical scroll bar when the
// rows overflow.
#pragma once

#include "ControlPaint.h"
#include "ItemList.h"

namespace ce::gwes::basic {

struct ListPaintArea {
    RECT rect; // the first visible row (list.top) at its top
    int rows; // how many rows show
    bool focused; // the focused row gets the focus rectangle (owner-drawn: ODS_FOCUS)
    bool scrollBar; // a scroll bar at the right
};

void paintList(HWND control, HDC dc, UINT ctlType, bool ownerDrawn, const ItemList& list, const ListPaintArea& area,
    const ControlColours& colours);

} // namespace ce::gwes::basic
