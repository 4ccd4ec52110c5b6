// The text tests' canvas.
#include "TextCanvas.h"

#include <algorithm>

namespace text_tests {

HFONT makeFont(const std::u16string& face, int height, int weight, BYTE quality, bool italic)
{
    LOGFONTW logFont {};
    logFont.lfHeight = height;
    logFont.lfWeight = weight;
    logFont.lfItalic = italic ? 1 : 0;
    logFont.lfQuality = quality;
    std::copy(face.begin(), face.end(), logFont.lfFaceName);
    return CreateFontIndirectW(&logFont);
}

TextCanvas::TextCanvas(int width, int height)
    : m_width(width)
    , m_height(height)
{
    BITMAPINFO info {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    m_dc = CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    m_bitmap = CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    m_bits = static_cast<const DWORD*>(bits);
    SelectObject(m_dc, m_bitmap);
    fill(paper);
}

TextCanvas::~TextCanvas()
{
    DeleteDC(m_dc);
    DeleteObject(m_bitmap);
    for (HFONT font : m_fonts)
        DeleteObject(font);
}

void TextCanvas::fill(COLORREF colour)
{
    HBRUSH brush = CreateSolidBrush(colour);
    const RECT all {0, 0, m_width, m_height};
    FillRect(m_dc, &all, brush);
    DeleteObject(brush);
}

COLORREF TextCanvas::at(int x, int y) const
{
    return GetPixel(m_dc, x, y);
}

RECT TextCanvas::inkBounds(COLORREF background) const
{
    RECT bounds {m_width, m_height, 0, 0};
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            if (at(x, y) != background) {
                bounds = {std::min<LONG>(bounds.left, x), std::min<LONG>(bounds.top, y),
                    std::max<LONG>(bounds.right, x + 1), std::max<LONG>(bounds.bottom, y + 1)};
            }
        }
    }
    return bounds.right > bounds.left ? bounds : RECT {};
}

int TextCanvas::count(COLORREF colour) const
{
    int found = 0;
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x)
            found += at(x, y) == colour ? 1 : 0;
    }
    return found;
}

bool TextCanvas::samePixels(const TextCanvas& other) const
{
    const std::size_t pixels = std::size_t(m_width) * std::size_t(m_height);
    return m_width == other.m_width && m_height == other.m_height && std::equal(m_bits, m_bits + pixels, other.m_bits);
}

void TextCanvas::use(HFONT font)
{
    m_fonts.push_back(font);
    SelectObject(m_dc, font);
}

SIZE TextCanvas::extent(const std::u16string& text) const
{
    SIZE size {};
    EXPECT_TRUE(GetTextExtentPoint32W(m_dc, text.c_str(), static_cast<int>(text.size()), &size));
    return size;
}

TEXTMETRICW TextCanvas::metrics() const
{
    TEXTMETRICW tm {};
    EXPECT_TRUE(GetTextMetricsW(m_dc, &tm));
    return tm;
}

} // namespace text_tests
