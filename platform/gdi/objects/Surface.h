// Pixels a device context draws into: 24- or 32-bit rows of blue, green and red bytes (as DIBs
// lay them out), top-down or bottom-up, in memory the surface owns.
#pragma once

#include <vector>

#include "windows.h"

namespace ce::gdi {

struct CEAPI Surface {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 32;
    int stride = 0; // bytes per row, a multiple of 4
    bool bottomUp = false;
    std::vector<BYTE> storage;

    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    COLORREF pixel(int x, int y) const;
    void setPixel(int x, int y, COLORREF color);
    // Every pixel in one colour.
    void fill(COLORREF color);
};

// A surface of black pixels; false when the size is not positive, too large, or the depth is
// not 24 or 32 bits.
bool makeSurface(int width, int height, int bitsPerPixel, bool bottomUp, Surface& surface);

} // namespace ce::gdi
