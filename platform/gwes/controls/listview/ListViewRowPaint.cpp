// Drawing a row's cells. The selection fills the label's text (or, with full-row selection,
// the row from the small image on) with the highlight colour; other cells take the text
// background; the text is cut with "..." to its column.
#include "ListViewRowPaint.h"

#include <algorithm>
#include <string>

#include "ListDrawing.h"
#include "ListViewLayout.h"
#include "ListViewNotify.h"
#include "ListViewScrollBar.h"
#include "ListViewStates.h"

namespace ce::gwes {
namespace {

constexpr UINT paintedStates = LVIS_SELECTED | LVIS_FOCUSED | LVIS_DROPHILITED | LVIS_STATEIMAGEMASK;

bool isReport(const ListView& lv)
{
    return (lv.style() & LVS_TYPEMASK) == LVS_REPORT;
}

int halfPadding()
{
    return listmetrics::scaled(listmetrics::cellPadding) / 2;
}

// Where the parts of column 0 go: the state image, the small image, the label, and where the
// label's text starts (a small gap after an image, half the cell padding without one).
struct FirstCell {
    int stateLeft;
    RECT icon;
    RECT label;
    int textLeft;
};

FirstCell firstCell(ListView& lv, const PaintedRow& row, const RECT& cell)
{
    FirstCell parts {cell.left + indentPixels(lv, row.item), {}, {}, 0};
    itemRect(lv, row.item, LVIR_ICON, parts.icon);
    itemRect(lv, row.item, LVIR_LABEL, parts.label);
    const bool afterImage = parts.icon.right > parts.stateLeft;
    parts.textLeft = parts.label.left + (afterImage ? listmetrics::scaled(listmetrics::labelMargin) : halfPadding());
    return parts;
}

void paintImages(ListView& lv, HDC dc, const PaintedRow& row, const FirstCell& parts)
{
    const int stateImage = static_cast<int>((row.state & LVIS_STATEIMAGEMASK) >> 12);
    const int top = row.bounds.top;
    const int bottom = row.bounds.bottom;
    if (stateImage > 0)
        drawImageCentred(lv.imageLists[LVSIL_STATE], stateImage - 1, dc, parts.stateLeft, top, bottom, ILD_TRANSPARENT);
    if (lv.imageLists[LVSIL_SMALL]) {
        const bool blended = highlighted(lv, row, 0) && lv.focused;
        drawImageCentred(lv.imageLists[LVSIL_SMALL], itemImage(lv, row.item), dc, parts.icon.left, top, bottom,
            ILD_TRANSPARENT | (blended ? ILD_SELECTED : 0));
    }
}

} // namespace

PaintedRow rowToPaint(ListView& lv, int item)
{
    PaintedRow row {item, static_cast<UINT>(getItemState(lv, item, paintedStates)), {}};
    itemRect(lv, item, LVIR_BOUNDS, row.bounds);
    return row;
}

bool highlighted(const ListView& lv, const PaintedRow& row, int column)
{
    const bool focusOrAlways = lv.focused || (lv.style() & LVS_SHOWSELALWAYS);
    const bool shows = (row.state & LVIS_DROPHILITED) || ((row.state & LVIS_SELECTED) && focusOrAlways);
    return shows && IsWindowEnabled(lv.self) && (column == 0 || (lv.exStyle & LVS_EX_FULLROWSELECT));
}

CellColors defaultColors(const ListView& lv, const PaintedRow& row, int column)
{
    if (highlighted(lv, row, column))
        return {GetSysColor(COLOR_HIGHLIGHTTEXT), GetSysColor(COLOR_HIGHLIGHT)};
    return {IsWindowEnabled(lv.self) ? lv.textColor : GetSysColor(COLOR_GRAYTEXT), lv.textBackground};
}

RECT cellRect(const ListView& lv, const PaintedRow& row, int column)
{
    const int left = columnLeft(lv, column);
    return {left, row.bounds.top, left + columnWidth(lv, column), row.bounds.bottom};
}

void paintCell(ListView& lv, HDC dc, const PaintedRow& row, int column, const CellColors& colors)
{
    const RECT cell = cellRect(lv, row, column);
    const std::u16string text = cellText(lv, row.item, column);
    if (!lv.valid(row.item)) // the parent deleted it while answering
        return;
    if (column != 0) {
        fillSolid(dc, cell, colors.background == CLR_NONE ? lv.background : colors.background);
        const RECT inside {cell.left + halfPadding(), cell.top, cell.right - halfPadding(), cell.bottom};
        drawCellText(dc, text, inside, alignOf(lv.columns[static_cast<size_t>(column)].fmt), colors.text);
        return;
    }
    fillSolid(dc, cell, lv.background);
    const FirstCell parts = firstCell(lv, row, cell);
    const int margin = parts.textLeft - parts.label.left;
    RECT marked {parts.label.left, cell.top,
        std::min<LONG>(parts.label.right, parts.textLeft + textExtent(dc, text) + margin), cell.bottom};
    if (lv.exStyle & LVS_EX_FULLROWSELECT)
        marked = {parts.icon.left, cell.top, cell.right, cell.bottom};
    fillSolid(dc, marked, colors.background);
    paintImages(lv, dc, row, parts);
    drawCellText(dc, text, {parts.textLeft, cell.top, parts.label.right - margin, cell.bottom}, DT_LEFT, colors.text);
}

void paintRowFrame(ListView& lv, HDC dc, const PaintedRow& row)
{
    if ((lv.exStyle & LVS_EX_GRIDLINES) && isReport(lv)) {
        const COLORREF grid = GetSysColor(COLOR_BTNFACE);
        const RECT& r = row.bounds;
        fillSolid(dc, {0, r.bottom - 1, rowsRight(lv), r.bottom}, grid);
        for (int column : lv.order) {
            const int right = columnLeft(lv, column) + columnWidth(lv, column);
            fillSolid(dc, {right - 1, r.top, right, r.bottom}, grid);
        }
    }
    if ((row.state & LVIS_FOCUSED) && !(row.state & LVIS_SELECTED) && lv.focused && lv.valid(row.item)) {
        RECT focus {};
        itemRect(lv, row.item, LVIR_SELECTBOUNDS, focus);
        DrawFocusRect(dc, &focus);
    }
}

bool ownerDrawn(const ListView& lv)
{
    return (lv.style() & LVS_OWNERDRAWFIXED) && isReport(lv);
}

void paintOwnerDrawnRow(ListView& lv, HDC dc, const PaintedRow& row)
{
    DRAWITEMSTRUCT draw {};
    draw.CtlType = ODT_LISTVIEW;
    draw.itemID = static_cast<UINT>(row.item);
    draw.itemAction = ODA_DRAWENTIRE;
    draw.itemState = ((row.state & LVIS_SELECTED) ? ODS_SELECTED : 0)
        | ((row.state & LVIS_FOCUSED) && lv.focused ? ODS_FOCUS : 0) | (IsWindowEnabled(lv.self) ? 0 : ODS_DISABLED);
    draw.hDC = dc;
    draw.rcItem = row.bounds;
    draw.itemData = static_cast<ULONG_PTR>(lv.items[static_cast<size_t>(row.item)].param);
    sendDrawItem(lv.self, draw);
}

} // namespace ce::gwes
