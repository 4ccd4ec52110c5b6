// A small memory canvas for the look tests: a device context over a bitmap of one colour.
#pragma once

#include <vector>

#include "TestDevice.h"
#include "windows.h"

namespace look_test {

class Canvas {
public:
    Canvas(int width, int height, COLORREF color);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return m_dc; }
    // Paints the whole canvas with a brush.
    void fill(HBRUSH brush);
    COLORREF at(int x, int y) const { return GetPixel(m_dc, x, y); }
    // Every pixel, row by row.
    std::vector<COLORREF> pixels() const;
    int width() const { return m_width; }
    int height() const { return m_height; }

private:
    HDC m_dc;
    HBITMAP m_bitmap;
    int m_width;
    int m_height;
};

// Whether each channel of a colour is below 0x60.
bool isDark(COLORREF color);

} // namespace look_test
