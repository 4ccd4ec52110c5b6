// Reading the composed screen in the tests of the shell's painting: the screen once the test
// thread's windows have painted, one pixel as a COLORREF, the darkest pixel of an area (text
// drawn in black, grey or white shows in it) and the pixels of one colour.
#pragma once

#include <algorithm>

#include "emulator/Screen.h"
#include "windows.h"

namespace screen_pixels {

// Dispatches what the calling thread's queue holds (its windows' WM_PAINT among it) and composes
// the screen.
inline emulator::ScreenImage paintedScreen()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&msg);
    return emulator::captureScreen();
}

inline COLORREF at(const emulator::ScreenImage& screen, int x, int y)
{
    const std::uint32_t rgb
        = screen.pixels[static_cast<size_t>(y) * static_cast<size_t>(screen.width) + static_cast<size_t>(x)];
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

inline int brightness(COLORREF colour)
{
    return GetRValue(colour) + GetGValue(colour) + GetBValue(colour);
}

// The sum of the channels of the darkest pixel in `area` (0 black, 765 white).
inline int darkest(const emulator::ScreenImage& screen, const RECT& area)
{
    int found = 3 * 255;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x)
            found = std::min(found, brightness(at(screen, x, y)));
    }
    return found;
}

// How many pixels of `area` have exactly `colour`.
inline int countOf(const emulator::ScreenImage& screen, const RECT& area, COLORREF colour)
{
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x)
            count += at(screen, x, y) == colour ? 1 : 0;
    }
    return count;
}

} // namespace screen_pixels
