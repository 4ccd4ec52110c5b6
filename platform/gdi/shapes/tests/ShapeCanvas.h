// A small bitmap in a memory device context for pixel tests of shapes, and the sets of pixels
// painted on it.
#pragma once

#include <set>
#include <utility>

#include "TestDevice.h"
#include "windows.h"

namespace shape_tests {

using Pixels = std::set<std::pair<int, int>>;

inline constexpr COLORREF paper = RGB(255, 255, 255);
inline constexpr COLORREF ink = RGB(0, 0, 0);
inline constexpr COLORREF fill = RGB(128, 128, 128); // GRAY_BRUSH

class ShapeCanvas {
public:
    static constexpr int size = 24;

    ShapeCanvas()
    {
        SelectObject(dc, bitmap);
        SelectObject(dc, GetStockObject(GRAY_BRUSH));
        clear();
    }
    ~ShapeCanvas()
    {
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
    ShapeCanvas(const ShapeCanvas&) = delete;
    ShapeCanvas& operator=(const ShapeCanvas&) = delete;

    void clear() { PatBlt(dc, 0, 0, size, size, WHITENESS); }
    Pixels pixelsOf(COLORREF colour) const
    {
        Pixels found;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                if (GetPixel(dc, x, y) == colour)
                    found.insert({x, y});
            }
        }
        return found;
    }
    Pixels painted() const
    {
        Pixels all = pixelsOf(ink);
        all.merge(pixelsOf(fill));
        return all;
    }

    HDC dc = CreateCompatibleDC(nullptr);

private:
    HBITMAP bitmap = CreateCompatibleBitmap(dc, size, size);
};

// Whether every pixel lies in [left, right) x [top, bottom).
inline bool within(const Pixels& pixels, const RECT& box)
{
    for (const auto& [x, y] : pixels) {
        if (x < box.left || x >= box.right || y < box.top || y >= box.bottom)
            return false;
    }
    return true;
}

// The pixels mirrored across the middle of [left, right) and [top, bottom).
inline Pixels mirrored(const Pixels& pixels, const RECT& box, bool across, bool down)
{
    Pixels result;
    for (const auto& [x, y] : pixels)
        result.insert({across ? box.left + box.right - 1 - x : x, down ? box.top + box.bottom - 1 - y : y});
    return result;
}

} // namespace shape_tests
