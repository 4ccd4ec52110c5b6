// Rows and scroll bar of the basic controls' lists.
#include "ListPaint.h"

#include <algorithm>

#include "ListScrollBar.h"
#include "OwnerDraw.h"

namespace ce::gwes::basic {

void paintList(HWND control, HDC dc, UINT ctlType, bool ownerDrawn, const ItemList& list, const ListPaintArea& area,
    const ControlColours& colours)
{
    fill(dc, area.rect, colours.background);
    const int barWidth = area.scrollBar ? GetSystemMetrics(SM_CXVSCROLL) : 0;
    const int rowsRight = std::max<int>(area.rect.left, area.rect.right - barWidth);
    if (ownerDrawn) {
        drawRows(control, dc, ctlType, list, area.rows, {area.rect.left, area.rect.top}, rowsRight - area.rect.left,
            area.focused);
    } else {
        const COLORREF text = textColourOf(control, colours);
        const int end = std::min(list.count(), list.top + area.rows);
        for (int index = list.top; index < end; ++index) {
            const LONG top = area.rect.top + (index - list.top) * list.itemHeight;
            const RECT row {area.rect.left, top, rowsRight, top + list.itemHeight};
            drawTextRow(
                dc, row, list.items[static_cast<size_t>(index)].text, list.isSelected(index), colours.background, text);
            if (area.focused && index == list.selected)
                DrawFocusRect(dc, &row);
        }
    }
    if (barWidth)
        drawScrollBar(dc,
            scrollBarParts(
                {rowsRight, area.rect.top, area.rect.right, area.rect.bottom}, list.top, area.rows, list.count()));
}

} // namespace ce::gwes::basic
