// A list view's geometry: rows from the top index, columns in display order, and the parts of
// an item's first column (indent, state image, small image, label).
#include "ListViewLayout.h"

#include <algorithm>

#include "ListViewScrollBar.h"

namespace ce::gwes {
namespace {

SIZE imageSize(HIMAGELIST list)
{
    int cx = 0;
    int cy = 0;
    return list && ImageList_GetIconSize(list, &cx, &cy) ? SIZE {cx, cy} : SIZE {0, 0};
}

int rowTop(const ListView& lv, int item)
{
    return headerHeight(lv) + (item - lv.topIndex) * rowHeight(lv);
}

// The column whose display area holds x, or -1.
int columnAt(const ListView& lv, int x)
{
    const int columns = std::max(1, static_cast<int>(lv.columns.size()));
    for (int column = 0; column < columns; ++column) {
        const int left = columnLeft(lv, column);
        if (x >= left && x < left + columnWidth(lv, column))
            return column;
    }
    return -1;
}

// The LVHT_ONITEM* part of the first column at x.
UINT partAt(ListView& lv, int item, int x)
{
    struct Part {
        int code;
        UINT flag;
    };
    RECT part {};
    for (const Part& candidate : {Part {LVIR_LABEL, LVHT_ONITEMLABEL}, Part {LVIR_ICON, LVHT_ONITEMICON}}) {
        itemRect(lv, item, candidate.code, part);
        if (x >= part.left && x < part.right)
            return candidate.flag;
    }
    const int stateRight = part.left; // the state image ends where the small image starts
    return x >= stateRight - stateImageWidth(lv) && x < stateRight ? LVHT_ONITEMSTATEICON : LVHT_NOWHERE;
}

UINT outsideFlags(const RECT& client, POINT pt)
{
    return (pt.y < 0 ? LVHT_ABOVE : 0) | (pt.y >= client.bottom ? LVHT_BELOW : 0) |
        (pt.x < 0 ? LVHT_TOLEFT : 0) | (pt.x >= client.right ? LVHT_TORIGHT : 0);
}

} // namespace

RECT clientRect(const ListView& lv)
{
    RECT client {};
    GetClientRect(lv.self, &client);
    return client;
}

int maxTopIndex(const ListView& lv)
{
    return std::max(0, lv.count() - countPerPage(lv));
}

int rowHeight(const ListView& lv)
{
    return std::max({listmetrics::scaled(listmetrics::rowHeight),
        static_cast<int>(imageSize(lv.imageLists[LVSIL_SMALL]).cy),
        static_cast<int>(imageSize(lv.imageLists[LVSIL_STATE]).cy)});
}

int headerHeight(const ListView& lv)
{
    const DWORD style = lv.style();
    const bool shown = (style & LVS_TYPEMASK) == LVS_REPORT && !(style & LVS_NOCOLUMNHEADER);
    return shown ? listmetrics::scaled(listmetrics::headerHeight) : 0;
}

int countPerPage(const ListView& lv)
{
    return std::max(0, static_cast<int>(clientRect(lv).bottom - headerHeight(lv)) / rowHeight(lv));
}

int columnLeft(const ListView& lv, int column)
{
    int left = 0;
    for (int shown : lv.order) {
        if (shown == column)
            break;
        left += lv.columns[static_cast<size_t>(shown)].width;
    }
    return left;
}

int columnWidth(const ListView& lv, int column)
{
    if (lv.columns.empty())
        return column == 0 ? rowsRight(lv) : 0;
    return column >= 0 && static_cast<size_t>(column) < lv.columns.size() ? lv.columns[static_cast<size_t>(column)].width
                                                                          : 0;
}

int totalColumnWidth(const ListView& lv)
{
    if (lv.columns.empty())
        return columnWidth(lv, 0);
    int total = 0;
    for (const ListColumn& column : lv.columns)
        total += column.width;
    return total;
}

int stateImageWidth(const ListView& lv)
{
    return imageSize(lv.imageLists[LVSIL_STATE]).cx;
}

int smallImageWidth(const ListView& lv)
{
    return imageSize(lv.imageLists[LVSIL_SMALL]).cx;
}

int indentPixels(ListView& lv, int item)
{
    const int step = lv.imageLists[LVSIL_SMALL] ? smallImageWidth(lv) : listmetrics::scaled(listmetrics::indentWidth);
    return lv.ownerData() ? 0 : lv.items[static_cast<size_t>(item)].indent * step;
}

bool itemRect(ListView& lv, int item, int code, RECT& rect)
{
    if (!lv.valid(item))
        return false;
    const int top = rowTop(lv, item);
    const int bottom = top + rowHeight(lv);
    const int left = columnLeft(lv, 0);
    const int iconLeft = left + indentPixels(lv, item) + stateImageWidth(lv);
    const int labelLeft = iconLeft + smallImageWidth(lv);
    const int labelRight = std::max(labelLeft, left + columnWidth(lv, 0));
    switch (code) {
    case LVIR_BOUNDS:
        rect = {0, top, totalColumnWidth(lv), bottom};
        return true;
    case LVIR_ICON:
        rect = {iconLeft, top, labelLeft, bottom};
        return true;
    case LVIR_LABEL:
        rect = {labelLeft, top, labelRight, bottom};
        return true;
    case LVIR_SELECTBOUNDS:
        rect = (lv.exStyle & LVS_EX_FULLROWSELECT) ? RECT {iconLeft, top, totalColumnWidth(lv), bottom}
                                                   : RECT {iconLeft, top, labelRight, bottom};
        return true;
    default:
        return false;
    }
}

bool subItemRect(ListView& lv, int item, int subItem, int code, RECT& rect)
{
    if (subItem == 0 || !lv.valid(item))
        return itemRect(lv, item, code, rect); // the device gives the whole row for sub-item 0
    if (subItem < 0 || static_cast<size_t>(subItem) >= lv.columns.size())
        return false;
    const int top = rowTop(lv, item);
    const int left = columnLeft(lv, subItem);
    const int right = left + columnWidth(lv, subItem);
    const bool images = lv.exStyle & LVS_EX_SUBITEMIMAGES;
    const int iconRight = images ? std::min(right, left + smallImageWidth(lv)) : left;
    switch (code) {
    case LVIR_BOUNDS:
    case LVIR_SELECTBOUNDS:
        rect = {left, top, right, top + rowHeight(lv)};
        return true;
    case LVIR_ICON:
        rect = {left, top, iconRight, top + rowHeight(lv)};
        return true;
    case LVIR_LABEL:
        rect = {iconRight, top, right, top + rowHeight(lv)};
        return true;
    default:
        return false;
    }
}

LRESULT hitTest(ListView& lv, LVHITTESTINFO* info, bool subItems)
{
    if (!info)
        return -1;
    const RECT client = clientRect(lv);
    const POINT pt = info->pt;
    info->iItem = -1;
    info->iSubItem = 0;
    if (const UINT outside = outsideFlags(client, pt)) {
        info->flags = outside;
        return -1;
    }
    info->flags = LVHT_NOWHERE;
    const RECT bar = scrollBarParts(lv).bar;
    if (PtInRect(&bar, pt))
        return -1;
    const int offset = pt.y - headerHeight(lv);
    const int item = offset < 0 ? -1 : lv.topIndex + offset / rowHeight(lv);
    const int column = columnAt(lv, pt.x);
    if (!lv.valid(item) || column < 0)
        return -1;
    UINT part = LVHT_ONITEMLABEL;
    if (column == 0)
        part = partAt(lv, item, pt.x);
    else if (!subItems && !(lv.exStyle & LVS_EX_FULLROWSELECT))
        part = LVHT_NOWHERE; // a sub-item's cell is not the item unless the whole row selects
    if (part == LVHT_NOWHERE)
        return -1;
    info->flags = part;
    info->iItem = item;
    info->iSubItem = subItems ? column : 0;
    return item;
}

void invalidateItem(const ListView& lv, int item)
{
    const int top = rowTop(lv, item);
    const RECT row {0, top, clientRect(lv).right, top + rowHeight(lv)};
    InvalidateRect(lv.self, &row, TRUE);
}

void setTopIndex(ListView& lv, int top)
{
    top = std::clamp(top, 0, maxTopIndex(lv));
    if (top == lv.topIndex)
        return;
    lv.topIndex = top;
    InvalidateRect(lv.self, nullptr, TRUE);
}

bool ensureVisible(ListView& lv, int item, bool partialOk)
{
    if (!lv.valid(item))
        return false;
    const int perPage = countPerPage(lv);
    const bool partlyShown = rowTop(lv, item) < clientRect(lv).bottom;
    if (item < lv.topIndex)
        setTopIndex(lv, item);
    else if (item >= lv.topIndex + perPage && !(partialOk && partlyShown))
        setTopIndex(lv, item - std::max(1, perPage) + 1);
    return true;
}

LRESULT scrollBy(ListView& lv, int, int dy)
{
    // Rows scroll whole: dy is rounded toward zero to rows (no horizontal scrolling yet).
    setTopIndex(lv, lv.topIndex + dy / rowHeight(lv));
    return TRUE;
}

LRESULT verticalScroll(ListView& lv, WPARAM request)
{
    const int page = std::max(1, countPerPage(lv));
    switch (LOWORD(request)) {
    case SB_LINEUP:
        setTopIndex(lv, lv.topIndex - 1);
        break;
    case SB_LINEDOWN:
        setTopIndex(lv, lv.topIndex + 1);
        break;
    case SB_PAGEUP:
        setTopIndex(lv, lv.topIndex - page);
        break;
    case SB_PAGEDOWN:
        setTopIndex(lv, lv.topIndex + page);
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        setTopIndex(lv, HIWORD(request));
        break;
    case SB_TOP:
        setTopIndex(lv, 0);
        break;
    case SB_BOTTOM:
        setTopIndex(lv, maxTopIndex(lv));
        break;
    default:
        break;
    }
    return 0;
}

LRESULT approximateViewRect(ListView& lv, int count)
{
    const int items = count < 0 ? lv.count() : count;
    return MAKELONG(totalColumnWidth(lv), headerHeight(lv) + items * rowHeight(lv));
}

void layoutHeader(const ListView& lv)
{
    if (!lv.header)
        return;
    // A WS_BORDER list's frame is drawn in its client area: the header stands inside it.
    const int border = (lv.style() & WS_BORDER) ? 1 : 0;
    RECT area = clientRect(lv);
    area.left += border;
    area.top += border;
    area.right -= border;
    WINDOWPOS place {};
    HDLAYOUT request {&area, &place};
    SendMessageW(lv.header, HDM_LAYOUT, 0, reinterpret_cast<LPARAM>(&request));
    const int height = headerHeight(lv);
    SetWindowPos(lv.header, nullptr, place.x, place.y, place.cx, std::max(height - border, 0),
        SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(lv.header, height ? SW_SHOWNA : SW_HIDE);
}

} // namespace ce::gwes
