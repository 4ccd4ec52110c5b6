// Reading what the basic controls painted: their pixels through a device context on the
// window, after the window system delivered the pending WM_PAINTs.
#pragma once

#include <string>

#include "windows.h"

namespace basic_test {

// Dispatches what the thread's queue holds, WM_PAINT included, until nothing is left.
inline void paintPending()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&msg);
}

inline COLORREF pixelOf(HWND hwnd, int x, int y)
{
    HDC dc = GetDC(hwnd);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(hwnd, dc);
    return colour;
}

// How many pixels of `rect` (the window's client coordinates) have the colour.
inline int countColour(HWND hwnd, const RECT& rect, COLORREF colour)
{
    HDC dc = GetDC(hwnd);
    int count = 0;
    for (LONG y = rect.top; y < rect.bottom; ++y) {
        for (LONG x = rect.left; x < rect.right; ++x)
            count += GetPixel(dc, x, y) == colour ? 1 : 0;
    }
    ReleaseDC(hwnd, dc);
    return count;
}

// How many pixels of `rect` are ink of the colour: text is smoothed, so near it counts.
inline int countInk(HWND hwnd, const RECT& rect, COLORREF colour)
{
    const auto near = [](int a, int b) { return a - b <= 0x40 && b - a <= 0x40; };
    HDC dc = GetDC(hwnd);
    int count = 0;
    for (LONG y = rect.top; y < rect.bottom; ++y) {
        for (LONG x = rect.left; x < rect.right; ++x) {
            const COLORREF pixel = GetPixel(dc, x, y);
            count += near(GetRValue(pixel), GetRValue(colour)) && near(GetGValue(pixel), GetGValue(colour))
                    && near(GetBValue(pixel), GetBValue(colour))
                ? 1
                : 0;
        }
    }
    ReleaseDC(hwnd, dc);
    return count;
}

inline int countSysColour(HWND hwnd, const RECT& rect, int sysColour)
{
    return countColour(hwnd, rect, GetSysColor(sysColour));
}

// The pixels of `rect` as one string of colours, to compare two paintings.
inline std::u32string pixelsOf(HWND hwnd, const RECT& rect)
{
    HDC dc = GetDC(hwnd);
    std::u32string pixels;
    for (LONG y = rect.top; y < rect.bottom; ++y) {
        for (LONG x = rect.left; x < rect.right; ++x)
            pixels.push_back(GetPixel(dc, x, y));
    }
    ReleaseDC(hwnd, dc);
    return pixels;
}

} // namespace basic_test
