// The NM_CUSTOMDRAW stages of a paint: CDDS_PREPAINT; when the parent asks (CDRF_NOTIFYITEMDRAW)
// CDDS_ITEMPREPAINT for each row to paint; when it asks for sub-items (CDRF_NOTIFYSUBITEMDRAW)
// CDDS_ITEMPREPAINT | CDDS_SUBITEM for each column in display order; the post-paint stages
// after each level that asked for them (CDRF_NOTIFYPOSTPAINT). Owner-data lists first get
// LVN_ODCACHEHINT for the rows about to be painted. CDRF_SKIPDEFAULT skips what the
// list would paint at that level, but not the post-paint stage asked for.
#include "ListViewPaint.h"

#include <algorithm>
#include <utility>

#include "ListViewLayout.h"
#include "gwes/controls/ControlNotify.h"

namespace ce::gwes {
namespace {

struct Stage {
    DWORD stage;
    HDC dc;
    RECT rect;
    int item = 0;
    int subItem = 0;
};

LRESULT customDraw(ListView& lv, const Stage& at)
{
    NMLVCUSTOMDRAW draw {};
    draw.nmcd.dwDrawStage = at.stage;
    draw.nmcd.hdc = at.dc;
    draw.nmcd.rc = at.rect;
    draw.clrText = lv.textColor;
    draw.clrTextBk = lv.textBackground;
    draw.iSubItem = at.subItem;
    if (at.stage & CDDS_ITEM && lv.valid(at.item)) {
        const ListItem& item = lv.items[static_cast<size_t>(at.item)];
        draw.nmcd.dwItemSpec = static_cast<DWORD_PTR>(at.item);
        draw.nmcd.lItemlParam = item.param;
        const bool selected = item.state & LVIS_SELECTED;
        draw.nmcd.uItemState = (selected ? CDIS_SELECTED : 0) | ((item.state & LVIS_FOCUSED) && lv.focused ? CDIS_FOCUS : 0);
        if (selected && (lv.focused || (lv.style() & LVS_SHOWSELALWAYS))) {
            draw.clrText = listmetrics::highlightTextColor;
            draw.clrTextBk = listmetrics::highlightColor;
        }
    }
    return notifyParent(lv.self, NM_CUSTOMDRAW, draw.nmcd.hdr);
}

void paintSubItems(ListView& lv, HDC dc, int item)
{
    const std::vector<int> order = lv.order.empty() ? std::vector<int> {0} : lv.order;
    for (int column : order) {
        if (!lv.valid(item))
            return;
        RECT cell {};
        itemRect(lv, item, LVIR_BOUNDS, cell);
        cell.left = columnLeft(lv, column);
        cell.right = cell.left + columnWidth(lv, column);
        const Stage stage {CDDS_ITEMPREPAINT | CDDS_SUBITEM, dc, cell, item, column};
        if (customDraw(lv, stage) & CDRF_NOTIFYPOSTPAINT)
            customDraw(lv, {CDDS_ITEMPOSTPAINT | CDDS_SUBITEM, dc, cell, item, column});
    }
}

void paintItem(ListView& lv, HDC dc, int item)
{
    RECT bounds {};
    itemRect(lv, item, LVIR_BOUNDS, bounds);
    const LRESULT answer = customDraw(lv, {CDDS_ITEMPREPAINT, dc, bounds, item});
    if (!(answer & CDRF_SKIPDEFAULT) && (answer & CDRF_NOTIFYSUBITEMDRAW))
        paintSubItems(lv, dc, item);
    if ((answer & CDRF_NOTIFYPOSTPAINT) && lv.valid(item))
        customDraw(lv, {CDDS_ITEMPOSTPAINT, dc, bounds, item});
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
    RECT client {};
    GetClientRect(lv.self, &client);
    const LRESULT answer = customDraw(lv, {CDDS_PREPAINT, dc, client});
    if (!(answer & CDRF_SKIPDEFAULT)) {
        const auto rows = rowsToPaint(lv, client, ps.rcPaint);
        hintCache(lv, rows);
        for (int item = rows.first; item <= rows.second && (answer & CDRF_NOTIFYITEMDRAW); ++item)
            paintItem(lv, dc, item);
    }
    if (answer & CDRF_NOTIFYPOSTPAINT)
        customDraw(lv, {CDDS_POSTPAINT, dc, client});
    EndPaint(lv.self, &ps);
    return 0;
}

} // namespace ce::gwes
