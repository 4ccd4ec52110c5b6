// The NM_CUSTOMDRAW stages of a paint and what the list draws between them: CDDS_PREPAINT; when
// the parent asks (CDRF_NOTIFYITEMDRAW) CDDS_ITEMPREPAINT for each row to paint; when it asks for
// sub-items (CDRF_NOTIFYSUBITEMDRAW) CDDS_ITEMPREPAINT | CDDS_SUBITEM for each column in display
// order; the post-paint stages after each level that asked for them (CDRF_NOTIFYPOSTPAINT).
// Owner-data lists first get LVN_ODCACHEHINT for the rows about to be painted. CDRF_SKIPDEFAULT
// skips what the list would paint at that level, but not the post-paint stage asked for;
// CDRF_NEWFONT keeps the font the parent selected for that level; the colours the parent leaves
// in clrText and clrTextBk are the ones drawn with. The scroll bar and a WS_BORDER list's
// one-pixel frame are drawn last, whatever the parent answered, as a window frame would be.
#include "ListViewPaint.h"

#include <algorithm>
#include <utility>

#include "ListDrawing.h"
#include "ListViewLayout.h"
#include "ListViewRowPaint.h"
#include "ListViewScrollBar.h"
#include "gwes/controls/ControlNotify.h"

namespace ce::gwes {
namespace {

struct Stage {
    DWORD stage;
    HDC dc;
    RECT rect;
    const PaintedRow* row = nullptr;
    int subItem = 0;
};

struct Answer {
    LRESULT flags;
    CellColors colors;
};

Answer customDraw(ListView& lv, const Stage& at, const CellColors& colors)
{
    NMLVCUSTOMDRAW draw {};
    draw.nmcd.dwDrawStage = at.stage;
    draw.nmcd.hdc = at.dc;
    draw.nmcd.rc = at.rect;
    draw.clrText = colors.text;
    draw.clrTextBk = colors.background;
    draw.iSubItem = at.subItem;
    if (at.row && lv.valid(at.row->item)) {
        const UINT state = at.row->state;
        draw.nmcd.dwItemSpec = static_cast<DWORD_PTR>(at.row->item);
        draw.nmcd.lItemlParam = lv.items[static_cast<size_t>(at.row->item)].param;
        draw.nmcd.uItemState
            = ((state & LVIS_SELECTED) ? CDIS_SELECTED : 0) | ((state & LVIS_FOCUSED) && lv.focused ? CDIS_FOCUS : 0);
    }
    const LRESULT flags = notifyParent(lv.self, NM_CUSTOMDRAW, draw.nmcd.hdr);
    return {flags, {draw.clrText, draw.clrTextBk}};
}

// The font a level draws with: the one the parent selected when it answered CDRF_NEWFONT.
HFONT fontAfter(HDC dc, LRESULT answer, HFONT font)
{
    if (answer & CDRF_NEWFONT)
        return static_cast<HFONT>(GetCurrentObject(dc, OBJ_FONT));
    SelectObject(dc, font);
    return font;
}

void paintCells(ListView& lv, HDC dc, const PaintedRow& row, const Answer& itemAnswer, HFONT font)
{
    // Colours the parent changed at the item stage hold for every cell.
    const bool parentColors = itemAnswer.colors != defaultColors(lv, row, 0);
    const std::vector<int> order = lv.order.empty() ? std::vector<int> {0} : lv.order;
    for (int column : order) {
        if (!lv.valid(row.item) || (column > 0 && static_cast<size_t>(column) >= lv.columns.size()))
            return; // the parent deleted them while answering
        Answer cell {CDRF_DODEFAULT, parentColors ? itemAnswer.colors : defaultColors(lv, row, column)};
        const Stage stage {CDDS_ITEMPREPAINT | CDDS_SUBITEM, dc, cellRect(lv, row, column), &row, column};
        if (itemAnswer.flags & CDRF_NOTIFYSUBITEMDRAW)
            cell = customDraw(lv, stage, cell.colors);
        fontAfter(dc, cell.flags, font);
        if (!(cell.flags & CDRF_SKIPDEFAULT))
            paintCell(lv, dc, row, column, cell.colors);
        SelectObject(dc, font);
        if ((cell.flags & CDRF_NOTIFYPOSTPAINT) && lv.valid(row.item))
            customDraw(lv, {CDDS_ITEMPOSTPAINT | CDDS_SUBITEM, dc, stage.rect, &row, column}, cell.colors);
    }
    paintRowFrame(lv, dc, row);
}

void paintItem(ListView& lv, HDC dc, int item, bool notify, HFONT font)
{
    const PaintedRow row = rowToPaint(lv, item);
    SelectObject(dc, font);
    Answer answer {CDRF_DODEFAULT, defaultColors(lv, row, 0)};
    if (notify)
        answer = customDraw(lv, {CDDS_ITEMPREPAINT, dc, row.bounds, &row}, answer.colors);
    const HFONT rowFont = fontAfter(dc, answer.flags, font);
    if (!(answer.flags & CDRF_SKIPDEFAULT) && lv.valid(item)) {
        if (ownerDrawn(lv))
            paintOwnerDrawnRow(lv, dc, row);
        else
            paintCells(lv, dc, row, answer, rowFont);
    }
    if ((answer.flags & CDRF_NOTIFYPOSTPAINT) && lv.valid(item))
        customDraw(lv, {CDDS_ITEMPOSTPAINT, dc, row.bounds, &row}, answer.colors);
}

bool overlaps(const RECT& a, const RECT& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// The rows within the update rectangle, [first, last].
std::pair<int, int> rowsToPaint(ListView& lv, const RECT& client, const RECT& update)
{
    std::pair rows {-1, -2};
    const int end = std::min(lv.count(), lv.topIndex + countPerPage(lv) + 1); // with a part row
    for (int item = lv.topIndex; item < end; ++item) {
        RECT row {};
        itemRect(lv, item, LVIR_BOUNDS, row);
        row.right = std::max(row.right, client.right);
        if (overlaps(row, update))
            rows = {rows.first < 0 ? item : rows.first, item};
    }
    return rows;
}

// Owner-data lists tell their parent which items the paint is about to need.
void hintCache(ListView& lv, std::pair<int, int> rows)
{
    if (!lv.ownerData() || rows.first < 0)
        return;
    NMLVCACHEHINT hint {};
    hint.iFrom = rows.first;
    hint.iTo = rows.second;
    notifyParent(lv.self, LVN_ODCACHEHINT, hint.hdr);
}

} // namespace

LRESULT paint(ListView& lv)
{
    PAINTSTRUCT ps {};
    HDC dc = BeginPaint(lv.self, &ps);
    if (!dc)
        return 0;
    RECT client {};
    GetClientRect(lv.self, &client);
    const HGDIOBJ oldFont = SelectObject(dc, fontOrSystem(lv.font));
    const CellColors listColors {lv.textColor, lv.textBackground};
    const LRESULT answer = customDraw(lv, {CDDS_PREPAINT, dc, client}, listColors).flags;
    const HFONT font = fontAfter(dc, answer, fontOrSystem(lv.font));
    if (!(answer & CDRF_SKIPDEFAULT)) {
        const auto rows = rowsToPaint(lv, client, ps.rcPaint);
        hintCache(lv, rows);
        for (int item = rows.first; item <= rows.second && item < lv.count(); ++item)
            paintItem(lv, dc, item, answer & CDRF_NOTIFYITEMDRAW, font);
    }
    if (answer & CDRF_NOTIFYPOSTPAINT)
        customDraw(lv, {CDDS_POSTPAINT, dc, client}, listColors);
    paintScrollBar(lv, dc);
    if (lv.style() & WS_BORDER)
        FrameRect(dc, &client, GetSysColorBrush(COLOR_WINDOWFRAME));
    SelectObject(dc, oldFont);
    EndPaint(lv.self, &ps);
    return 0;
}

LRESULT eraseBackground(const ListView& lv, HDC dc)
{
    RECT client {};
    GetClientRect(lv.self, &client);
    fillSolid(dc, client, lv.background);
    return TRUE;
}

} // namespace ce::gwes
