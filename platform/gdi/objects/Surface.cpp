// Pixel access for surfaces: rows counted from the top whatever their order in memory.
#include "Surface.h"

namespace ce::gdi {
namespace {

// A 4096x4096 surface is far beyond any device's screen; larger ones are refused.
constexpr long long largestPixelCount = 4096LL * 4096LL;

size_t offsetOf(const Surface& surface, int x, int y)
{
    const int row = surface.bottomUp ? surface.height - 1 - y : y;
    return static_cast<size_t>(row) * static_cast<size_t>(surface.stride)
        + static_cast<size_t>(x) * static_cast<size_t>(surface.bitsPerPixel / 8);
}

} // namespace

COLORREF Surface::pixel(int x, int y) const
{
    const BYTE* at = storage.data() + offsetOf(*this, x, y);
    return RGB(at[2], at[1], at[0]);
}

void Surface::setPixel(int x, int y, COLORREF color)
{
    BYTE* at = storage.data() + offsetOf(*this, x, y);
    at[0] = GetBValue(color);
    at[1] = GetGValue(color);
    at[2] = GetRValue(color);
}

void Surface::fill(COLORREF color)
{
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            setPixel(x, y, color);
    }
}

bool makeSurface(int width, int height, int bitsPerPixel, bool bottomUp, Surface& surface)
{
    if (width <= 0 || height <= 0 || static_cast<long long>(width) * height > largestPixelCount
        || (bitsPerPixel != 24 && bitsPerPixel != 32))
        return false;
    surface.width = width;
    surface.height = height;
    surface.bitsPerPixel = bitsPerPixel;
    surface.stride = (width * bitsPerPixel / 8 + 3) & ~3;
    surface.bottomUp = bottomUp;
    surface.storage.assign(static_cast<size_t>(surface.stride) * static_cast<size_t>(height), 0);
    return true;
}

} // namespace ce::gdi
