// The trackbar (msctls_trackbar32): a position within a range shown as a thumb on a channel,
// with tick marks and an optional selection. Keys, taps beside the thumb (a page, repeated
// while the stylus stays down) and drags of the thumb move it; each user move is reported to
// the parent with WM_HSCROLL (WM_VSCROLL when vertical) in Win32's order. The layout
// (RangeMetrics.h) is real so taps land where they would on the device, and painting draws the
// tick marks, channel and thumb at those places (TrackbarPaint.h) between the NM_CUSTOMDRAW
// stages.
#include <algorithm>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "RangeMetrics.h"
#include "RangePaint.h"
#include "TrackbarPaint.h"
#include "commctrl.h"
#include "gwes/Screen.h"
#include "gwes/SystemClasses.h"
#include "gwes/controls/ControlNotify.h"
#include "gwes/controls/ControlState.h"

namespace ce::gwes {
namespace {

namespace metrics = range_metrics;

// Automatic tick marks beyond this many are not made: a huge range with a small frequency would
// otherwise take memory without showing anything more.
constexpr long long maxAutoTics = 10000;

constexpr UINT_PTR pageTimer = 1;

enum class Press { none, page, thumb };

struct Trackbar {
    int min = 0;
    int max = 100;
    int position = 0;
    int lineSize = 1;
    int pageSize = 20;
    int ticFrequency = 1;
    std::vector<int> tics; // sorted; the first and last tick marks are not in it
    int selStart = 0;
    int selEnd = 0;
    int thumbLength = scaledForScreen(metrics::thumbLength);
    HWND buddies[2] {}; // left or top, right or bottom
    Press press = Press::none;
    int dragOffset = 0; // from the thumb's centre to where the stylus took it
    int pageDirection = 0; // -1 (page up) or +1 while the stylus is held beside the thumb
    int pressAt = 0; // where, along the channel
    HFONT font = nullptr;
};

DWORD styleOf(HWND hwnd)
{
    return static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE));
}

bool isVertical(HWND hwnd)
{
    return styleOf(hwnd) & TBS_VERT;
}

// Where things are, measured along the channel and across it.
struct Layout {
    bool vertical = false;
    int start = 0; // the thumb's centre at the minimum
    int length = 0; // from there to its centre at the maximum
    int thumbAcross = 0; // the thumb's near edge across the channel
};

Layout layoutOf(HWND hwnd)
{
    RECT client {};
    GetClientRect(hwnd, &client);
    const DWORD style = styleOf(hwnd);
    Layout layout;
    layout.vertical = style & TBS_VERT;
    const int along = layout.vertical ? client.bottom : client.right;
    const bool ticksBefore = !(style & TBS_NOTICKS) && (style & (TBS_TOP | TBS_BOTH));
    layout.start = scaledForScreen(metrics::channelMargin);
    layout.length = std::max(0, along - 2 * scaledForScreen(metrics::channelMargin));
    layout.thumbAcross = (ticksBefore ? scaledForScreen(metrics::tickSpace) : 0) + scaledForScreen(metrics::edgeGap);
    return layout;
}

RECT oriented(const Layout& layout, int along0, int along1, int across0, int across1)
{
    return layout.vertical ? RECT {across0, along0, across1, along1} : RECT {along0, across0, along1, across1};
}

int pixelOf(const Layout& layout, const Trackbar& bar, int position)
{
    const long long span = static_cast<long long>(bar.max) - bar.min;
    if (span <= 0)
        return layout.start;
    return layout.start + static_cast<int>((static_cast<long long>(position) - bar.min) * layout.length / span);
}

int clampToRange(const Trackbar& bar, long long position)
{
    return static_cast<int>(std::clamp<long long>(position, bar.min, std::max(bar.min, bar.max)));
}

// The position whose thumb centre is nearest to `pixel`.
int positionAt(const Layout& layout, const Trackbar& bar, int pixel)
{
    const long long span = static_cast<long long>(bar.max) - bar.min;
    if (span <= 0 || layout.length <= 0)
        return bar.min;
    const long long offset = static_cast<long long>(pixel) - layout.start;
    const long long scaled = offset * span;
    const long long rounded = (scaled >= 0 ? scaled + layout.length / 2 : scaled - layout.length / 2) / layout.length;
    return clampToRange(bar, bar.min + rounded);
}

RECT thumbRect(const Layout& layout, const Trackbar& bar)
{
    const int centre = pixelOf(layout, bar, bar.position);
    const int half = scaledForScreen(metrics::thumbWidth) / 2;
    return oriented(layout, centre - half, centre + half, layout.thumbAcross, layout.thumbAcross + bar.thumbLength);
}

RECT channelRect(const Layout& layout, const Trackbar& bar)
{
    const int middle = layout.thumbAcross + bar.thumbLength / 2;
    const int half = scaledForScreen(metrics::channelThickness) / 2;
    return oriented(layout, layout.start, layout.start + layout.length, middle - half, middle + half);
}

void redrawIf(HWND hwnd, WPARAM redraw)
{
    if (redraw)
        InvalidateRect(hwnd, nullptr, FALSE);
}

void recalculateTics(HWND hwnd, Trackbar& bar)
{
    if (!(styleOf(hwnd) & TBS_AUTOTICKS))
        return;
    bar.tics.clear();
    const long long frequency = bar.ticFrequency;
    if (frequency <= 0 || (static_cast<long long>(bar.max) - bar.min) / frequency > maxAutoTics)
        return;
    for (long long tic = bar.min + frequency; tic < bar.max; tic += frequency)
        bar.tics.push_back(static_cast<int>(tic));
}

// A new range keeps the position inside it and resets the page to a fifth of it, as Win32 does.
LRESULT setRange(HWND hwnd, Trackbar& bar, int min, int max, WPARAM redraw)
{
    bar.min = min;
    bar.max = max;
    bar.position = clampToRange(bar, bar.position);
    bar.pageSize = std::max(1, static_cast<int>((static_cast<long long>(max) - min) / 5));
    recalculateTics(hwnd, bar);
    redrawIf(hwnd, redraw);
    return 0;
}

LRESULT setPosition(HWND hwnd, Trackbar& bar, int position, WPARAM redraw)
{
    bar.position = clampToRange(bar, position);
    redrawIf(hwnd, redraw);
    return 0;
}

LRESULT setTic(HWND hwnd, Trackbar& bar, int position)
{
    if (position < bar.min || position > bar.max)
        return FALSE;
    bar.tics.insert(std::upper_bound(bar.tics.begin(), bar.tics.end(), position), position);
    InvalidateRect(hwnd, nullptr, FALSE);
    return TRUE;
}

LRESULT setTicFrequency(HWND hwnd, Trackbar& bar, int frequency)
{
    bar.ticFrequency = frequency;
    recalculateTics(hwnd, bar);
    InvalidateRect(hwnd, nullptr, FALSE);
    return 0;
}

LRESULT numberOfTics(HWND hwnd, const Trackbar& bar)
{
    return (styleOf(hwnd) & TBS_NOTICKS) ? 0 : static_cast<LRESULT>(bar.tics.size() + 2);
}

LRESULT ticAt(const Trackbar& bar, WPARAM index)
{
    return index < bar.tics.size() ? bar.tics[index] : -1;
}

LRESULT ticPixel(HWND hwnd, const Trackbar& bar, WPARAM index)
{
    return index < bar.tics.size() ? pixelOf(layoutOf(hwnd), bar, bar.tics[index]) : -1;
}

LRESULT clearTics(HWND hwnd, Trackbar& bar, WPARAM redraw)
{
    bar.tics.clear();
    redrawIf(hwnd, redraw);
    return 0;
}

// The selection exists only with TBS_ENABLESELRANGE; each end stays within the range.
LRESULT setSelection(HWND hwnd, Trackbar& bar, const int* start, const int* end, WPARAM redraw)
{
    if (!(styleOf(hwnd) & TBS_ENABLESELRANGE))
        return 0;
    if (start)
        bar.selStart = clampToRange(bar, *start);
    if (end)
        bar.selEnd = clampToRange(bar, *end);
    redrawIf(hwnd, redraw);
    return 0;
}

LRESULT clearSelection(HWND hwnd, Trackbar& bar, WPARAM redraw)
{
    bar.selStart = bar.selEnd = 0;
    redrawIf(hwnd, redraw);
    return 0;
}

LRESULT copyRect(const RECT& rect, LPARAM target)
{
    if (auto* out = reinterpret_cast<RECT*>(target))
        *out = rect;
    return 0;
}

LRESULT setThumbLength(HWND hwnd, Trackbar& bar, WPARAM length)
{
    if (styleOf(hwnd) & TBS_FIXEDLENGTH) {
        bar.thumbLength = static_cast<int>(length);
        InvalidateRect(hwnd, nullptr, FALSE);
    }
    return 0;
}

// A buddy sits against the end of the bar it belongs to, centred across it.
void placeBuddy(HWND hwnd, HWND buddy, bool leftOrTop)
{
    HWND parent = GetParent(hwnd);
    if (!parent || GetParent(buddy) != parent)
        return;
    RECT bar {};
    RECT own {};
    GetWindowRect(hwnd, &bar);
    GetWindowRect(buddy, &own);
    POINT at {};
    const LONG width = own.right - own.left;
    const LONG height = own.bottom - own.top;
    if (isVertical(hwnd))
        at = {(bar.left + bar.right - width) / 2, leftOrTop ? bar.top - height : bar.bottom};
    else
        at = {leftOrTop ? bar.left - width : bar.right, (bar.top + bar.bottom - height) / 2};
    ScreenToClient(parent, &at);
    SetWindowPos(buddy, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT setBuddy(HWND hwnd, Trackbar& bar, WPARAM leftOrTop, HWND buddy)
{
    if (IsWindow(buddy))
        placeBuddy(hwnd, buddy, leftOrTop);
    return reinterpret_cast<LRESULT>(std::exchange(bar.buddies[leftOrTop ? 0 : 1], buddy));
}

// ---- What the user does ---------------------------------------------------------------------

void notifyScroll(HWND hwnd, WORD code, int position = 0)
{
    if (HWND parent = GetParent(hwnd))
        SendMessageW(parent, isVertical(hwnd) ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(code, position),
            reinterpret_cast<LPARAM>(hwnd));
}

// Moves the thumb for the user and tells the parent; a move that changes nothing says nothing.
void userMove(HWND hwnd, Trackbar& bar, long long target, WORD code)
{
    const int position = clampToRange(bar, target);
    if (position == bar.position)
        return;
    bar.position = position;
    InvalidateRect(hwnd, nullptr, FALSE);
    notifyScroll(hwnd, code, code == TB_THUMBTRACK || code == TB_THUMBPOSITION ? position : 0);
}

LRESULT keyDown(HWND hwnd, Trackbar& bar, WPARAM key)
{
    const long long position = bar.position;
    switch (key) {
    case VK_LEFT:
    case VK_UP:
        userMove(hwnd, bar, position - bar.lineSize, TB_LINEUP);
        return 0;
    case VK_RIGHT:
    case VK_DOWN:
        userMove(hwnd, bar, position + bar.lineSize, TB_LINEDOWN);
        return 0;
    case VK_PRIOR:
        userMove(hwnd, bar, position - bar.pageSize, TB_PAGEUP);
        return 0;
    case VK_NEXT:
        userMove(hwnd, bar, position + bar.pageSize, TB_PAGEDOWN);
        return 0;
    case VK_HOME:
        userMove(hwnd, bar, bar.min, TB_TOP);
        return 0;
    case VK_END:
        userMove(hwnd, bar, bar.max, TB_BOTTOM);
        return 0;
    default:
        return 0;
    }
}

LRESULT keyUp(HWND hwnd, WPARAM key)
{
    switch (key) {
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_HOME:
    case VK_END:
        notifyScroll(hwnd, TB_ENDTRACK);
        return 0;
    default:
        return 0;
    }
}

POINT pointOf(LPARAM lParam)
{
    return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

int alongOf(const Layout& layout, POINT point)
{
    return layout.vertical ? point.y : point.x;
}

bool holds(const RECT& rect, POINT point)
{
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom;
}

void page(HWND hwnd, Trackbar& bar)
{
    const long long position = bar.position;
    if (bar.pageDirection < 0)
        userMove(hwnd, bar, position - bar.pageSize, TB_PAGEUP);
    else
        userMove(hwnd, bar, position + bar.pageSize, TB_PAGEDOWN);
}

// A tap on the thumb takes it for dragging; a tap beside it moves a page towards the tap.
LRESULT buttonDown(HWND hwnd, Trackbar& bar, LPARAM lParam)
{
    if (!IsWindowEnabled(hwnd) || (styleOf(hwnd) & TBS_NOTHUMB))
        return 0;
    SetFocus(hwnd);
    const Layout layout = layoutOf(hwnd);
    const POINT point = pointOf(lParam);
    const int centre = pixelOf(layout, bar, bar.position);
    SetCapture(hwnd);
    if (holds(thumbRect(layout, bar), point)) {
        bar.press = Press::thumb;
        bar.dragOffset = alongOf(layout, point) - centre;
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    }
    bar.press = Press::page;
    bar.pressAt = alongOf(layout, point);
    bar.pageDirection = bar.pressAt < centre ? -1 : 1;
    page(hwnd, bar);
    SetTimer(hwnd, pageTimer, metrics::firstRepeatMs, nullptr);
    return 0;
}

// While the stylus stays down beside the thumb, pages follow until the thumb reaches it.
LRESULT repeatPage(HWND hwnd, Trackbar& bar)
{
    if (bar.press != Press::page)
        return 0;
    const int centre = pixelOf(layoutOf(hwnd), bar, bar.position);
    const bool beyondThumb = bar.pageDirection < 0 ? bar.pressAt < centre - scaledForScreen(metrics::thumbWidth) / 2
                                                   : bar.pressAt >= centre + scaledForScreen(metrics::thumbWidth) / 2;
    if (beyondThumb)
        page(hwnd, bar);
    SetTimer(hwnd, pageTimer, metrics::repeatMs, nullptr);
    return 0;
}

LRESULT mouseMove(HWND hwnd, Trackbar& bar, LPARAM lParam)
{
    if (bar.press != Press::thumb)
        return 0;
    const Layout layout = layoutOf(hwnd);
    userMove(hwnd, bar, positionAt(layout, bar, alongOf(layout, pointOf(lParam)) - bar.dragOffset), TB_THUMBTRACK);
    return 0;
}

LRESULT buttonUp(HWND hwnd, Trackbar& bar)
{
    const Press press = std::exchange(bar.press, Press::none);
    if (press == Press::none)
        return 0;
    KillTimer(hwnd, pageTimer);
    if (press == Press::thumb)
        notifyScroll(hwnd, TB_THUMBPOSITION, bar.position);
    notifyScroll(hwnd, TB_ENDTRACK);
    InvalidateRect(hwnd, nullptr, FALSE);
    ReleaseCapture();
    return 0;
}

// Another window took the stylus in the middle of a press: the press ends where it is.
LRESULT captureLost(HWND hwnd, Trackbar& bar, LPARAM newCapture)
{
    if (reinterpret_cast<HWND>(newCapture) == hwnd || std::exchange(bar.press, Press::none) == Press::none)
        return 0;
    KillTimer(hwnd, pageTimer);
    notifyScroll(hwnd, TB_ENDTRACK);
    InvalidateRect(hwnd, nullptr, FALSE);
    return 0;
}

// ---- Painting ---------------------------------------------------------------------------------

LRESULT customDraw(HWND hwnd, NMCUSTOMDRAW& draw, DWORD stage, DWORD_PTR item, const RECT& rect, UINT state)
{
    draw.dwDrawStage = stage;
    draw.dwItemSpec = item;
    draw.rc = rect;
    draw.uItemState = state;
    return notifyParent(hwnd, NM_CUSTOMDRAW, draw.hdr);
}

// The tick marks at the minimum, each tic and the maximum, on the sides the style names.
std::vector<trackbar_paint::TickMark> tickMarks(HWND hwnd, const Layout& layout, const Trackbar& bar)
{
    const DWORD style = styleOf(hwnd);
    std::vector<trackbar_paint::TickMark> marks;
    if (style & TBS_NOTICKS)
        return marks;
    const bool before = style & (TBS_TOP | TBS_BOTH);
    const bool after = !(style & TBS_TOP) || (style & TBS_BOTH);
    const int beforeEnd = layout.thumbAcross - scaledForScreen(metrics::edgeGap);
    const int afterStart = layout.thumbAcross + bar.thumbLength + scaledForScreen(metrics::edgeGap);
    std::vector<int> positions {bar.min};
    positions.insert(positions.end(), bar.tics.begin(), bar.tics.end());
    positions.push_back(bar.max);
    for (int position : positions) {
        const int along = pixelOf(layout, bar, position);
        if (before)
            marks.push_back({along, beforeEnd - scaledForScreen(metrics::tickSpace) + 1, beforeEnd});
        if (after)
            marks.push_back({along, afterStart, afterStart + scaledForScreen(metrics::tickSpace) - 1});
    }
    return marks;
}

// The selection's part of the channel (TBS_ENABLESELRANGE); empty without one.
RECT selectionRect(HWND hwnd, const Layout& layout, const Trackbar& bar)
{
    if (!(styleOf(hwnd) & TBS_ENABLESELRANGE) || bar.selEnd <= bar.selStart)
        return {};
    const RECT channel = channelRect(layout, bar);
    const int across0 = layout.vertical ? channel.left : channel.top;
    const int across1 = layout.vertical ? channel.right : channel.bottom;
    return oriented(layout, pixelOf(layout, bar, bar.selStart), pixelOf(layout, bar, bar.selEnd) + 1, across0, across1);
}

LRESULT paint(HWND hwnd, const Trackbar& bar)
{
    PAINTSTRUCT paint {};
    NMCUSTOMDRAW draw {};
    draw.hdc = BeginPaint(hwnd, &paint);
    RECT client {};
    GetClientRect(hwnd, &client);
    const LRESULT answer = customDraw(hwnd, draw, CDDS_PREPAINT, 0, client, 0);
    if (!(answer & CDRF_SKIPDEFAULT)) {
        HDC dc = draw.hdc;
        FillRect(dc, &client, range_paint::backgroundBrush(hwnd, dc));
        const Layout layout = layoutOf(hwnd);
        const DWORD style = styleOf(hwnd);
        const bool pressed = bar.press == Press::thumb;
        const RECT thumb = thumbRect(layout, bar);
        const RECT channel = channelRect(layout, bar);
        struct Part {
            DWORD_PTR item;
            RECT rect;
            UINT state;
            bool shown;
            std::function<void()> paint;
        };
        const Part parts[] = {
            {TBCD_TICS, client, 0, !(style & TBS_NOTICKS),
                [&] { trackbar_paint::drawTics(dc, layout.vertical, tickMarks(hwnd, layout, bar)); }},
            {TBCD_CHANNEL, channel, 0, true,
                [&] { trackbar_paint::drawChannel(dc, channel, selectionRect(hwnd, layout, bar)); }},
            {TBCD_THUMB, thumb, pressed ? UINT {CDIS_SELECTED} : 0, !(style & TBS_NOTHUMB),
                [&] { trackbar_paint::drawThumb(dc, thumb, pressed, IsWindowEnabled(hwnd)); }},
        };
        for (const Part& part : parts) {
            if (!part.shown)
                continue;
            const LRESULT wanted = (answer & CDRF_NOTIFYITEMDRAW)
                ? customDraw(hwnd, draw, CDDS_ITEMPREPAINT, part.item, part.rect, part.state)
                : CDRF_DODEFAULT;
            if (!(wanted & CDRF_SKIPDEFAULT))
                part.paint();
            if (wanted & CDRF_NOTIFYPOSTPAINT)
                customDraw(hwnd, draw, CDDS_ITEMPOSTPAINT, part.item, part.rect, part.state);
        }
        if (GetFocus() == hwnd)
            DrawFocusRect(dc, &client);
    }
    if (answer & CDRF_NOTIFYPOSTPAINT)
        customDraw(hwnd, draw, CDDS_POSTPAINT, 0, client, 0);
    EndPaint(hwnd, &paint);
    return 0;
}

int signedLow(LPARAM value)
{
    return static_cast<short>(LOWORD(value));
}

int signedHigh(LPARAM value)
{
    return static_cast<short>(HIWORD(value));
}

LRESULT trackbarProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto bar = controlState<Trackbar>(hwnd);
    if (!bar)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    const int value = static_cast<int>(lParam);
    switch (message) {
    case WM_CREATE:
        recalculateTics(hwnd, *bar);
        return 0;
    case TBM_GETPOS:
        return bar->position;
    case TBM_GETRANGEMIN:
        return bar->min;
    case TBM_GETRANGEMAX:
        return bar->max;
    case TBM_SETPOS:
        return setPosition(hwnd, *bar, value, wParam);
    case TBM_SETRANGE:
        return setRange(hwnd, *bar, signedLow(lParam), signedHigh(lParam), wParam);
    case TBM_SETRANGEMIN:
        return setRange(hwnd, *bar, value, bar->max, wParam);
    case TBM_SETRANGEMAX:
        return setRange(hwnd, *bar, bar->min, value, wParam);
    case TBM_SETTIC:
        return setTic(hwnd, *bar, value);
    case TBM_SETTICFREQ:
        return setTicFrequency(hwnd, *bar, static_cast<int>(wParam));
    case TBM_GETNUMTICS:
        return numberOfTics(hwnd, *bar);
    case TBM_GETTIC:
        return ticAt(*bar, wParam);
    case TBM_GETTICPOS:
        return ticPixel(hwnd, *bar, wParam);
    case TBM_CLEARTICS:
        return clearTics(hwnd, *bar, wParam);
    case TBM_SETSEL: {
        const int start = signedLow(lParam);
        const int end = signedHigh(lParam);
        return setSelection(hwnd, *bar, &start, &end, wParam);
    }
    case TBM_SETSELSTART:
        return setSelection(hwnd, *bar, &value, nullptr, wParam);
    case TBM_SETSELEND:
        return setSelection(hwnd, *bar, nullptr, &value, wParam);
    case TBM_GETSELSTART:
        return bar->selStart;
    case TBM_GETSELEND:
        return bar->selEnd;
    case TBM_CLEARSEL:
        return clearSelection(hwnd, *bar, wParam);
    case TBM_SETPAGESIZE:
        return std::exchange(bar->pageSize, value);
    case TBM_GETPAGESIZE:
        return bar->pageSize;
    case TBM_SETLINESIZE:
        return std::exchange(bar->lineSize, value);
    case TBM_GETLINESIZE:
        return bar->lineSize;
    case TBM_GETTHUMBRECT:
        return copyRect(thumbRect(layoutOf(hwnd), *bar), lParam);
    case TBM_GETCHANNELRECT:
        return copyRect(channelRect(layoutOf(hwnd), *bar), lParam);
    case TBM_SETTHUMBLENGTH:
        return setThumbLength(hwnd, *bar, wParam);
    case TBM_GETTHUMBLENGTH:
        return bar->thumbLength;
    case TBM_SETBUDDY:
        return setBuddy(hwnd, *bar, wParam, reinterpret_cast<HWND>(lParam));
    case TBM_GETBUDDY:
        return reinterpret_cast<LRESULT>(bar->buddies[wParam ? 0 : 1]);
    case WM_KEYDOWN:
        return IsWindowEnabled(hwnd) ? keyDown(hwnd, *bar, wParam) : 0;
    case WM_KEYUP:
        return IsWindowEnabled(hwnd) ? keyUp(hwnd, wParam) : 0;
    case WM_LBUTTONDOWN:
        return buttonDown(hwnd, *bar, lParam);
    case WM_MOUSEMOVE:
        return mouseMove(hwnd, *bar, lParam);
    case WM_LBUTTONUP:
        return buttonUp(hwnd, *bar);
    case WM_CAPTURECHANGED:
        return captureLost(hwnd, *bar, lParam);
    case WM_TIMER:
        return wParam == pageTimer ? repeatPage(hwnd, *bar) : 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    case WM_PAINT:
        return paint(hwnd, *bar);
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
        InvalidateRect(hwnd, nullptr, FALSE); // the focus rectangle, the greyed thumb
        return 0;
    case WM_SETFONT:
        bar->font = reinterpret_cast<HFONT>(wParam);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(bar->font);
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

const SystemClassRegistration registration({TRACKBAR_CLASSW, trackbarProc, 0, 0});

} // namespace
} // namespace ce::gwes
