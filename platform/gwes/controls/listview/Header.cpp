// SysHeader32: column titles in a row. Items keep a width, title, format, parameter and image;
// their display order can differ from their indexes. A tap on an item of an HDS_BUTTONS header
// sends HDN_ITEMCLICKW (the item shows pressed while held); dragging a divider resizes the item
// to its left.
#include <algorithm>
#include <numeric>
#include <utility>

#include "HeaderPaint.h"
#include "ListMetrics.h"
#include "gwes/controls/TextBuffer.h"
#include "gwes/SystemClasses.h"
#include "gwes/controls/ControlNotify.h"
#include "gwes/controls/ControlState.h"

namespace ce::gwes {
namespace {

int clientHeight(HWND hwnd)
{
    RECT client {};
    GetClientRect(hwnd, &client);
    return client.bottom;
}

} // namespace

RECT headerItemRect(HWND hwnd, const Header& header, int index)
{
    int left = 0;
    for (int shown : header.order) {
        if (shown == index)
            return {left, 0, left + header.items[static_cast<size_t>(shown)].width, clientHeight(hwnd)};
        left += header.items[static_cast<size_t>(shown)].width;
    }
    return {};
}

namespace {

bool validIndex(const Header& header, WPARAM index)
{
    return index < header.items.size();
}

void applyItem(HeaderItem& item, const HDITEMW& values)
{
    if (values.mask & HDI_WIDTH)
        item.width = std::max(0, values.cxy);
    if ((values.mask & HDI_TEXT) && values.pszText != LPSTR_TEXTCALLBACKW)
        item.text = textOf(values.pszText);
    if (values.mask & HDI_FORMAT)
        item.fmt = values.fmt;
    if (values.mask & HDI_LPARAM)
        item.param = values.lParam;
    if (values.mask & HDI_IMAGE)
        item.image = values.iImage;
    if (values.mask & HDI_BITMAP)
        item.bitmap = values.hbm;
}

// Moves item `index` to display position `position`.
void placeInOrder(Header& header, int index, int position)
{
    header.order.erase(std::remove(header.order.begin(), header.order.end(), index), header.order.end());
    position = std::clamp(position, 0, static_cast<int>(header.order.size()));
    header.order.insert(header.order.begin() + position, index);
}

LRESULT insertItem(HWND hwnd, Header& header, WPARAM index, const HDITEMW* values)
{
    if (!values)
        return -1;
    const int at = static_cast<int>(std::min(index, static_cast<WPARAM>(header.items.size())));
    HeaderItem item;
    applyItem(item, *values);
    header.items.insert(header.items.begin() + at, item);
    for (int& shown : header.order) {
        if (shown >= at)
            ++shown;
    }
    header.order.push_back(at);
    placeInOrder(header, at, (values->mask & HDI_ORDER) ? values->iOrder : at);
    InvalidateRect(hwnd, nullptr, TRUE);
    return at;
}

LRESULT deleteItem(HWND hwnd, Header& header, WPARAM index)
{
    if (!validIndex(header, index))
        return FALSE;
    const int gone = static_cast<int>(index);
    header.items.erase(header.items.begin() + gone);
    header.order.erase(std::remove(header.order.begin(), header.order.end(), gone), header.order.end());
    for (int& shown : header.order) {
        if (shown > gone)
            --shown;
    }
    InvalidateRect(hwnd, nullptr, TRUE);
    return TRUE;
}

LRESULT getItem(const Header& header, WPARAM index, HDITEMW* values)
{
    if (!values || !validIndex(header, index))
        return FALSE;
    const HeaderItem& item = header.items[index];
    if (values->mask & HDI_WIDTH)
        values->cxy = item.width;
    if (values->mask & HDI_TEXT)
        copyToBuffer(item.text, values->pszText, values->cchTextMax);
    if (values->mask & HDI_FORMAT)
        values->fmt = item.fmt;
    if (values->mask & HDI_LPARAM)
        values->lParam = item.param;
    if (values->mask & HDI_IMAGE)
        values->iImage = item.image;
    if (values->mask & HDI_BITMAP)
        values->hbm = item.bitmap;
    if (values->mask & HDI_ORDER) {
        const auto at = std::find(header.order.begin(), header.order.end(), static_cast<int>(index));
        values->iOrder = static_cast<int>(at - header.order.begin());
    }
    return TRUE;
}

LRESULT notifyHeader(HWND hwnd, UINT code, int index, HDITEMW* values)
{
    NMHEADERW notice {};
    notice.iItem = index;
    notice.pitem = values;
    return notifyParent(hwnd, code, notice.hdr);
}

LRESULT setItem(HWND hwnd, WPARAM index, const HDITEMW* values)
{
    auto header = controlState<Header>(hwnd);
    if (!values || !header || !validIndex(*header, index))
        return FALSE;
    HDITEMW asked = *values;
    const int item = static_cast<int>(index);
    if (notifyHeader(hwnd, HDN_ITEMCHANGINGW, item, &asked))
        return FALSE;
    if (!validIndex(*header, index)) // the parent deleted it meanwhile
        return FALSE;
    applyItem(header->items[index], *values);
    if (values->mask & HDI_ORDER)
        placeInOrder(*header, item, values->iOrder);
    InvalidateRect(hwnd, nullptr, TRUE);
    notifyHeader(hwnd, HDN_ITEMCHANGEDW, item, &asked);
    return TRUE;
}

struct HeaderHit {
    UINT flags = HHT_NOWHERE;
    int item = -1;
};

HeaderHit hitTest(HWND hwnd, const Header& header, POINT pt)
{
    RECT client {};
    GetClientRect(hwnd, &client);
    HeaderHit hit;
    if (pt.x < 0 || pt.y < 0 || pt.x >= client.right || pt.y >= client.bottom) {
        hit.flags = (pt.y < 0 ? HHT_ABOVE : 0) | (pt.y >= client.bottom ? HHT_BELOW : 0) |
            (pt.x < 0 ? HHT_TOLEFT : 0) | (pt.x >= client.right ? HHT_TORIGHT : 0);
        return hit;
    }
    int left = 0;
    for (int shown : header.order) {
        const int right = left + header.items[static_cast<size_t>(shown)].width;
        if (std::abs(pt.x - right) < listmetrics::scaled(listmetrics::dividerZone))
            return {HHT_ONDIVIDER, shown};
        if (pt.x >= left && pt.x < right)
            return {HHT_ONHEADER, shown};
        left = right;
    }
    return hit;
}

LRESULT hitTestMessage(HWND hwnd, const Header& header, HDHITTESTINFO* info)
{
    if (!info)
        return -1;
    const HeaderHit hit = hitTest(hwnd, header, info->pt);
    info->flags = hit.flags;
    info->iItem = hit.item;
    return hit.item;
}

LRESULT layout(HWND hwnd, const HDLAYOUT* request)
{
    if (!request || !request->prc || !request->pwpos)
        return FALSE;
    RECT& area = *request->prc;
    const bool hidden = GetWindowLongW(hwnd, GWL_STYLE) & HDS_HIDDEN;
    const int height = hidden ? 0 : listmetrics::scaled(listmetrics::headerHeight);
    *request->pwpos = WINDOWPOS {hwnd, nullptr, area.left, area.top, area.right - area.left, height, SWP_NOZORDER};
    area.top += height;
    return TRUE;
}

LRESULT getOrder(const Header& header, WPARAM count, int* order)
{
    if (!order || count != header.order.size())
        return FALSE;
    std::copy(header.order.begin(), header.order.end(), order);
    return TRUE;
}

LRESULT setOrder(HWND hwnd, Header& header, WPARAM count, const int* order)
{
    if (!order || count != header.items.size())
        return FALSE;
    std::vector<int> wanted(order, order + count);
    std::vector<int> sorted = wanted;
    std::sort(sorted.begin(), sorted.end());
    std::vector<int> every(count);
    std::iota(every.begin(), every.end(), 0);
    if (sorted != every)
        return FALSE;
    header.order = wanted;
    InvalidateRect(hwnd, nullptr, TRUE);
    return TRUE;
}

HDITEMW widthItem(int width)
{
    HDITEMW item {};
    item.mask = HDI_WIDTH;
    item.cxy = width;
    return item;
}

POINT pointOf(LPARAM lParam)
{
    return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

void invalidateItem(HWND hwnd, const Header& header, int index)
{
    const RECT rect = headerItemRect(hwnd, header, index);
    InvalidateRect(hwnd, &rect, TRUE);
}

LRESULT stylusDown(HWND hwnd, LPARAM lParam)
{
    auto header = controlState<Header>(hwnd);
    if (!header || !IsWindowEnabled(hwnd))
        return 0;
    const HeaderHit hit = hitTest(hwnd, *header, pointOf(lParam));
    header->pressed = header->tracking = -1;
    if (hit.flags == HHT_ONDIVIDER) {
        HDITEMW values = widthItem(header->items[static_cast<size_t>(hit.item)].width);
        if (notifyHeader(hwnd, HDN_BEGINTRACKW, hit.item, &values))
            return 0;
        header->tracking = hit.item;
    } else if (hit.flags == HHT_ONHEADER && (GetWindowLongW(hwnd, GWL_STYLE) & HDS_BUTTONS)) {
        header->pressed = hit.item;
        invalidateItem(hwnd, *header, hit.item);
    } else {
        return 0;
    }
    SetCapture(hwnd);
    return 0;
}

LRESULT stylusUp(HWND hwnd, LPARAM lParam)
{
    auto header = controlState<Header>(hwnd);
    if (!header || (header->pressed < 0 && header->tracking < 0))
        return 0;
    const int pressed = std::exchange(header->pressed, -1);
    const int tracking = std::exchange(header->tracking, -1);
    ReleaseCapture();
    if (pressed >= 0)
        invalidateItem(hwnd, *header, pressed);
    const POINT pt = pointOf(lParam);
    if (tracking >= 0 && validIndex(*header, static_cast<WPARAM>(tracking))) {
        HDITEMW values = widthItem(std::max(0, static_cast<int>(pt.x - headerItemRect(hwnd, *header, tracking).left)));
        notifyHeader(hwnd, HDN_ENDTRACKW, tracking, &values);
        setItem(hwnd, static_cast<WPARAM>(tracking), &values);
        return 0;
    }
    const HeaderHit hit = hitTest(hwnd, *header, pt);
    if (hit.flags == HHT_ONHEADER && hit.item == pressed)
        notifyHeader(hwnd, HDN_ITEMCLICKW, pressed, nullptr);
    return 0;
}

LRESULT doubleTap(HWND hwnd, LPARAM lParam)
{
    auto header = controlState<Header>(hwnd);
    if (!header || !IsWindowEnabled(hwnd))
        return 0;
    const HeaderHit hit = hitTest(hwnd, *header, pointOf(lParam));
    if (hit.flags == HHT_ONDIVIDER)
        notifyHeader(hwnd, HDN_DIVIDERDBLCLICKW, hit.item, nullptr);
    else if (hit.flags == HHT_ONHEADER)
        notifyHeader(hwnd, HDN_ITEMDBLCLICKW, hit.item, nullptr);
    return 0;
}

LRESULT getItemRect(HWND hwnd, const Header& header, WPARAM index, RECT* rect)
{
    if (!rect || !validIndex(header, index))
        return FALSE;
    *rect = headerItemRect(hwnd, header, static_cast<int>(index));
    return TRUE;
}

LRESULT headerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto header = controlState<Header>(hwnd);
    if (!header)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    switch (message) {
    case HDM_GETITEMCOUNT:
        return static_cast<LRESULT>(header->items.size());
    case HDM_INSERTITEMW:
        return insertItem(hwnd, *header, wParam, reinterpret_cast<const HDITEMW*>(lParam));
    case HDM_DELETEITEM:
        return deleteItem(hwnd, *header, wParam);
    case HDM_GETITEMW:
        return getItem(*header, wParam, reinterpret_cast<HDITEMW*>(lParam));
    case HDM_SETITEMW:
        return setItem(hwnd, wParam, reinterpret_cast<const HDITEMW*>(lParam));
    case HDM_GETITEMRECT:
        return getItemRect(hwnd, *header, wParam, reinterpret_cast<RECT*>(lParam));
    case HDM_HITTEST:
        return hitTestMessage(hwnd, *header, reinterpret_cast<HDHITTESTINFO*>(lParam));
    case HDM_LAYOUT:
        return layout(hwnd, reinterpret_cast<const HDLAYOUT*>(lParam));
    case HDM_SETIMAGELIST:
        InvalidateRect(hwnd, nullptr, TRUE);
        return reinterpret_cast<LRESULT>(std::exchange(header->images, reinterpret_cast<HIMAGELIST>(lParam)));
    case HDM_GETIMAGELIST:
        return reinterpret_cast<LRESULT>(header->images);
    case HDM_ORDERTOINDEX:
        return wParam < header->order.size() ? header->order[wParam] : static_cast<LRESULT>(wParam);
    case HDM_GETORDERARRAY:
        return getOrder(*header, wParam, reinterpret_cast<int*>(lParam));
    case HDM_SETORDERARRAY:
        return setOrder(hwnd, *header, wParam, reinterpret_cast<const int*>(lParam));
    case WM_PAINT:
        return paintHeader(hwnd, *header);
    case WM_LBUTTONDOWN:
        return stylusDown(hwnd, lParam);
    case WM_LBUTTONUP:
        return stylusUp(hwnd, lParam);
    case WM_LBUTTONDBLCLK:
        return doubleTap(hwnd, lParam);
    case WM_SETFONT:
        header->font = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam))
            InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(header->font);
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

const SystemClassRegistration registration({WC_HEADERW, headerProc, CS_DBLCLKS, 0});

} // namespace
} // namespace ce::gwes
