// The list's scroll bar: its parts follow the top index and the rows per page, so drawing and
// taps always agree with where the list is scrolled to.
#include "ListViewScrollBar.h"

#include <algorithm>

#include "ListViewLayout.h"

namespace ce::gwes {
namespace {

RECT troughOf(const ScrollBarParts& parts)
{
    return {parts.bar.left, parts.up.bottom, parts.bar.right, parts.down.top};
}

// How far the thumb's top can travel.
int thumbTravel(const ScrollBarParts& parts)
{
    return (parts.down.top - parts.up.bottom) - (parts.thumb.bottom - parts.thumb.top);
}

} // namespace

bool scrollBarShown(const ListView& lv)
{
    return !(lv.style() & LVS_NOSCROLL) && lv.count() > countPerPage(lv);
}

int rowsRight(const ListView& lv)
{
    const int right = clientRect(lv).right;
    return scrollBarShown(lv) ? std::max(0, right - GetSystemMetrics(SM_CXVSCROLL)) : right;
}

ScrollBarParts scrollBarParts(const ListView& lv)
{
    ScrollBarParts parts {};
    if (!scrollBarShown(lv))
        return parts;
    const RECT client = clientRect(lv);
    const RECT bar {rowsRight(lv), headerHeight(lv), client.right, client.bottom};
    const int arrow = std::max(0, std::min<int>(bar.right - bar.left, (bar.bottom - bar.top) / 2));
    parts.bar = bar;
    parts.up = {bar.left, bar.top, bar.right, bar.top + arrow};
    parts.down = {bar.left, bar.bottom - arrow, bar.right, bar.bottom};
    const int trough = std::max(0, static_cast<int>(parts.down.top - parts.up.bottom));
    const int proportional = trough * countPerPage(lv) / lv.count();
    const int thumb = std::min(trough, std::max(listmetrics::scaled(listmetrics::minimumThumb), proportional));
    const int range = maxTopIndex(lv);
    const int top = parts.up.bottom + (range ? (trough - thumb) * lv.topIndex / range : 0);
    parts.thumb = {bar.left, top, bar.right, top + thumb};
    return parts;
}

void paintScrollBar(const ListView& lv, HDC dc)
{
    ScrollBarParts parts = scrollBarParts(lv);
    if (IsRectEmpty(&parts.bar))
        return;
    const UINT inactive = IsWindowEnabled(lv.self) ? 0 : DFCS_INACTIVE;
    DrawFrameControl(dc, &parts.up, DFC_SCROLL, DFCS_SCROLLUP | inactive);
    DrawFrameControl(dc, &parts.down, DFC_SCROLL, DFCS_SCROLLDOWN | inactive);
    const RECT trough = troughOf(parts);
    FillRect(dc, &trough, GetSysColorBrush(COLOR_SCROLLBAR));
    if (!inactive && !IsRectEmpty(&parts.thumb))
        DrawFrameControl(dc, &parts.thumb, DFC_BUTTON, DFCS_BUTTONPUSH);
}

bool scrollBarTap(ListView& lv, POINT pt)
{
    const ScrollBarParts parts = scrollBarParts(lv);
    if (!PtInRect(&parts.bar, pt))
        return false;
    if (PtInRect(&parts.thumb, pt)) {
        lv.thumbGrab = pt.y - parts.thumb.top;
        SetCapture(lv.self);
        return true;
    }
    WORD request = SB_PAGEDOWN;
    if (PtInRect(&parts.up, pt))
        request = SB_LINEUP;
    else if (PtInRect(&parts.down, pt))
        request = SB_LINEDOWN;
    else if (pt.y < parts.thumb.top)
        request = SB_PAGEUP;
    verticalScroll(lv, request);
    return true;
}

bool scrollBarDrag(ListView& lv, POINT pt)
{
    if (lv.thumbGrab < 0)
        return false;
    const ScrollBarParts parts = scrollBarParts(lv);
    const int travel = thumbTravel(parts);
    if (travel > 0) {
        const int moved
            = std::clamp(static_cast<int>(pt.y) - lv.thumbGrab - static_cast<int>(parts.up.bottom), 0, travel);
        const int top = (moved * maxTopIndex(lv) + travel / 2) / travel;
        verticalScroll(lv, MAKEWPARAM(SB_THUMBTRACK, top));
    }
    return true;
}

bool scrollBarRelease(ListView& lv)
{
    if (lv.thumbGrab < 0)
        return false;
    lv.thumbGrab = -1;
    ReleaseCapture();
    return true;
}

void scrollBarCaptureLost(ListView& lv)
{
    lv.thumbGrab = -1;
}

} // namespace ce::gwes
