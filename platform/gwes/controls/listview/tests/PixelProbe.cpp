// Pixel reading for the painting tests.
#include "PixelProbe.h"

#include <algorithm>
#include <cstdlib>
#include <functional>

namespace listview_test {
namespace {

// Calls `visit(x, y, colour)` for each pixel of the rectangle.
void eachPixel(HWND hwnd, const RECT& rect, const std::function<void(int, int, COLORREF)>& visit)
{
    HDC dc = GetDC(hwnd);
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x)
            visit(x, y, GetPixel(dc, x, y));
    }
    ReleaseDC(hwnd, dc);
}

bool near(COLORREF a, COLORREF b, int tolerance)
{
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance
        && std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

} // namespace

void paintQueued()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&msg);
}

COLORREF pixelAt(HWND hwnd, int x, int y)
{
    HDC dc = GetDC(hwnd);
    const COLORREF color = GetPixel(dc, x, y);
    ReleaseDC(hwnd, dc);
    return color;
}

int inkIn(HWND hwnd, const RECT& rect, COLORREF background)
{
    int count = 0;
    eachPixel(hwnd, rect, [&](int, int, COLORREF c) { count += c != background ? 1 : 0; });
    return count;
}

bool holdsColor(HWND hwnd, const RECT& rect, COLORREF color, int tolerance)
{
    bool found = false;
    eachPixel(hwnd, rect, [&](int, int, COLORREF c) { found = found || near(c, color, tolerance); });
    return found;
}

int inkHeight(HWND hwnd, const RECT& rect, COLORREF background)
{
    int top = rect.bottom;
    int bottom = rect.top;
    eachPixel(hwnd, rect, [&](int, int y, COLORREF c) {
        if (c != background) {
            top = std::min(top, y);
            bottom = std::max(bottom, y + 1);
        }
    });
    return std::max(0, bottom - top);
}

} // namespace listview_test
