// Reading what a control painted: pixels of its client area through GetDC, after it has
// painted (UpdateWindow), for the pixel tests of the tree view, range and date/time controls.
#pragma once

#include <vector>

#include "windows.h"

namespace control_pixels {

// A top-level window the size of the screen, to hold the controls of a test.
inline HWND makeHost()
{
    WNDCLASSW wc {};
    wc.lpfnWndProc = DefWindowProcW;
    wc.lpszClassName = u"PixelHost";
    RegisterClassW(&wc);
    return CreateWindowExW(0, u"PixelHost", u"", WS_VISIBLE, 0, 0, GetSystemMetrics(SM_CXSCREEN),
        GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr, nullptr, nullptr);
}

// Paints the control now (WM_PAINT sent synchronously).
inline void repaint(HWND hwnd)
{
    InvalidateRect(hwnd, nullptr, TRUE);
    UpdateWindow(hwnd);
}

inline COLORREF pixelAt(HWND hwnd, int x, int y)
{
    HDC dc = GetDC(hwnd);
    const COLORREF color = GetPixel(dc, x, y);
    ReleaseDC(hwnd, dc);
    return color;
}

// The pixels of `rect`, row by row.
inline std::vector<COLORREF> pixelsOf(HWND hwnd, const RECT& rect)
{
    std::vector<COLORREF> pixels;
    HDC dc = GetDC(hwnd);
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x)
            pixels.push_back(GetPixel(dc, x, y));
    }
    ReleaseDC(hwnd, dc);
    return pixels;
}

// How many pixels of `rect` (client coordinates) `wanted(COLORREF)` accepts.
template <typename Wanted> int countWhere(HWND hwnd, const RECT& rect, Wanted wanted)
{
    int count = 0;
    for (COLORREF pixel : pixelsOf(hwnd, rect))
        count += wanted(pixel) ? 1 : 0;
    return count;
}

inline int countColor(HWND hwnd, const RECT& rect, COLORREF color)
{
    return countWhere(hwnd, rect, [color](COLORREF c) { return c == color; });
}

// Pixels darker than mid-grey: text, tick marks, signs.
inline int countDark(HWND hwnd, const RECT& rect)
{
    return countWhere(hwnd, rect,
        [](COLORREF c) { return c != CLR_INVALID && GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 0x60; });
}

} // namespace control_pixels
