// The progress bar (msctls_progress32): a position kept within a range, moved by setting,
// adding or stepping; every change asks for a repaint. It paints a white trough with a thin
// border, filled with the highlight colour (or PBM_SETBARCOLOR's) in proportion to the
// position, from the left or, with PBS_VERTICAL, from the bottom. The Pocket PC bar fills
// smoothly with or without PBS_SMOOTH.
#include <algorithm>
#include <memory>
#include <utility>

#include "RangePaint.h"
#include "commctrl.h"
#include "gwes/SystemClasses.h"
#include "gwes/controls/ControlState.h"

namespace ce::gwes {
namespace {

struct Progress {
    int low = 0;
    int high = 100;
    int position = 0;
    int step = 10;
    COLORREF barColor = CLR_DEFAULT;
    COLORREF backColor = CLR_DEFAULT;
    HFONT font = nullptr;
};

LRESULT packedRange(const Progress& bar)
{
    return MAKELRESULT(static_cast<WORD>(bar.low), static_cast<WORD>(bar.high));
}

// Moves to `position` (clamped into the range), returning the previous position.
LRESULT moveTo(HWND hwnd, Progress& bar, int position)
{
    const int previous = bar.position;
    bar.position = std::clamp(position, std::min(bar.low, bar.high), std::max(bar.low, bar.high));
    if (bar.position != previous)
        InvalidateRect(hwnd, nullptr, FALSE);
    return previous;
}

LRESULT setRange(HWND hwnd, Progress& bar, int low, int high)
{
    const LRESULT previous = packedRange(bar);
    if (low == bar.low && high == bar.high)
        return previous;
    bar.low = low;
    bar.high = high;
    moveTo(hwnd, bar, bar.position);
    InvalidateRect(hwnd, nullptr, TRUE);
    return previous;
}

// Past the maximum the position starts over from the minimum (and below the minimum, for a
// negative step, from the maximum), keeping the overshoot as Win32 does.
LRESULT stepIt(HWND hwnd, Progress& bar)
{
    const int span = bar.high - bar.low;
    int next = bar.position + bar.step;
    if (span <= 0)
        next = bar.low;
    else if (next > bar.high)
        next = bar.low + (next - bar.low) % span;
    else if (next < bar.low)
        next = bar.high - (bar.low - next) % span;
    return moveTo(hwnd, bar, next);
}

LRESULT getRange(const Progress& bar, BOOL wantLow, PBRANGE* range)
{
    if (range)
        *range = {bar.low, bar.high};
    return wantLow ? bar.low : bar.high;
}

LRESULT setColor(HWND hwnd, COLORREF& slot, COLORREF color)
{
    const COLORREF previous = slot;
    slot = color;
    InvalidateRect(hwnd, nullptr, TRUE);
    return static_cast<LRESULT>(previous);
}

// The part of `inside` the position fills.
RECT filledPart(HWND hwnd, const Progress& bar, RECT inside)
{
    const long long span = static_cast<long long>(bar.high) - bar.low;
    const long long done
        = std::clamp<long long>(static_cast<long long>(bar.position) - bar.low, 0, std::max(0LL, span));
    if (GetWindowLongW(hwnd, GWL_STYLE) & PBS_VERTICAL) {
        const long long height = inside.bottom - inside.top;
        inside.top = inside.bottom - static_cast<LONG>(span > 0 ? height * done / span : 0);
    } else {
        const long long width = inside.right - inside.left;
        inside.right = inside.left + static_cast<LONG>(span > 0 ? width * done / span : 0);
    }
    return inside;
}

COLORREF colorOr(COLORREF color, int systemColor)
{
    return color == CLR_DEFAULT ? GetSysColor(systemColor) : color;
}

LRESULT paint(HWND hwnd, const Progress& bar)
{
    PAINTSTRUCT paint {};
    HDC dc = BeginPaint(hwnd, &paint);
    RECT client {};
    GetClientRect(hwnd, &client);
    const RECT trough
        = range_paint::well(dc, client, GetSysColor(COLOR_BTNSHADOW), colorOr(bar.backColor, COLOR_WINDOW));
    const RECT filled = filledPart(hwnd, bar, trough);
    if (filled.right > filled.left && filled.bottom > filled.top)
        range_paint::fill(dc, filled, colorOr(bar.barColor, COLOR_HIGHLIGHT));
    EndPaint(hwnd, &paint);
    return 0;
}

LRESULT progressProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto bar = controlState<Progress>(hwnd);
    if (!bar)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    switch (message) {
    case WM_SETFONT:
        bar->font = reinterpret_cast<HFONT>(wParam);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(bar->font);
    case PBM_SETRANGE:
        return setRange(hwnd, *bar, LOWORD(lParam), HIWORD(lParam));
    case PBM_SETRANGE32:
        return setRange(hwnd, *bar, static_cast<int>(wParam), static_cast<int>(lParam));
    case PBM_GETRANGE:
        return getRange(*bar, static_cast<BOOL>(wParam), reinterpret_cast<PBRANGE*>(lParam));
    case PBM_SETPOS:
        return moveTo(hwnd, *bar, static_cast<int>(wParam));
    case PBM_GETPOS:
        return bar->position;
    case PBM_DELTAPOS:
        return moveTo(hwnd, *bar, bar->position + static_cast<int>(wParam));
    case PBM_SETSTEP:
        return std::exchange(bar->step, static_cast<int>(wParam));
    case PBM_STEPIT:
        return stepIt(hwnd, *bar);
    case PBM_SETBARCOLOR:
        return setColor(hwnd, bar->barColor, static_cast<COLORREF>(lParam));
    case PBM_SETBKCOLOR:
        return setColor(hwnd, bar->backColor, static_cast<COLORREF>(lParam));
    case WM_PAINT:
        return paint(hwnd, *bar);
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

const SystemClassRegistration registration({PROGRESS_CLASSW, progressProc, 0, 0});

} // namespace
} // namespace ce::gwes
