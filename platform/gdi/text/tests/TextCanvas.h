// A memory device context over a white 32-bit DIB section on a booted test device, with the
// measures text tests need: fonts by LOGFONT, extents, and where ink landed.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestDevice.h"
#include "windows.h"

namespace text_tests {

constexpr COLORREF paper = RGB(255, 255, 255);
constexpr COLORREF ink = RGB(0, 0, 0);
constexpr COLORREF red = RGB(255, 0, 0);
constexpr COLORREF green = RGB(0, 255, 0);
constexpr COLORREF blue = RGB(0, 0, 255);

HFONT makeFont(const std::u16string& face, int height, int weight = FW_NORMAL, BYTE quality = DEFAULT_QUALITY,
    bool italic = false);

class TextCanvas {
public:
    TextCanvas(int width, int height);
    ~TextCanvas();
    TextCanvas(const TextCanvas&) = delete;
    TextCanvas& operator=(const TextCanvas&) = delete;

    HDC dc() const { return m_dc; }
    void fill(COLORREF colour);
    COLORREF at(int x, int y) const;
    // The smallest rectangle holding every pixel that differs from `background` (empty: none).
    RECT inkBounds(COLORREF background = paper) const;
    int count(COLORREF colour) const;
    // Whether both canvases hold the same pixels.
    bool samePixels(const TextCanvas& other) const;
    // Selects a font made here, deleted with the canvas.
    void use(HFONT font);
    SIZE extent(const std::u16string& text) const;
    TEXTMETRICW metrics() const;

private:
    int m_width;
    int m_height;
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    const DWORD* m_bits = nullptr;
    std::vector<HFONT> m_fonts;
};

} // namespace text_tests
