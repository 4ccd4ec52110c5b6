// How a list view draws one row: its cells (column 0 with the indent, state image, small image
// and label; the others with their sub-item text), the selection in the highlight colours, grid
// lines, the focus rectangle, or the parent's drawing for an owner-drawn list.
#pragma once

#include "ListViewState.h"

namespace ce::gwes {

struct CellColors {
    COLORREF text;
    COLORREF background;
    bool operator==(const CellColors&) const = default;
};

// A row about to be painted: its item, its states (with those the parent keeps) and bounds.
struct PaintedRow {
    int item;
    UINT state;
    RECT bounds;
};

PaintedRow rowToPaint(ListView& lv, int item);
// Whether the row's selection shows in this column: while the list has the focus or
// LVS_SHOWSELALWAYS, in column 0 or, with LVS_EX_FULLROWSELECT, in every column.
bool highlighted(const ListView& lv, const PaintedRow& row, int column);
// The colours a cell starts with before custom draw: the highlight ones where the selection
// shows, else the list's (grey text while the list is disabled).
CellColors defaultColors(const ListView& lv, const PaintedRow& row, int column);
RECT cellRect(const ListView& lv, const PaintedRow& row, int column);

void paintCell(ListView& lv, HDC dc, const PaintedRow& row, int column, const CellColors& colors);
// What goes over the cells: grid lines (LVS_EX_GRIDLINES) and the focus rectangle of a focused
// row that is not selected.
void paintRowFrame(ListView& lv, HDC dc, const PaintedRow& row);
// LVS_OWNERDRAWFIXED in the report view: WM_DRAWITEM (ODT_LISTVIEW) to the parent.
bool ownerDrawn(const ListView& lv);
void paintOwnerDrawnRow(ListView& lv, HDC dc, const PaintedRow& row);

} // namespace ce::gwes
