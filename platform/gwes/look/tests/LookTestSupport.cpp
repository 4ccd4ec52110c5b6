// The look tests' canvas.
#include "LookTestSupport.h"

namespace look_test {

Canvas::Canvas(int width, int height, COLORREF color)
    : m_dc(CreateCompatibleDC(nullptr))
    , m_bitmap(CreateCompatibleBitmap(m_dc, width, height))
    , m_width(width)
    , m_height(height)
{
    SelectObject(m_dc, m_bitmap);
    HBRUSH brush = CreateSolidBrush(color);
    fill(brush);
    DeleteObject(brush);
}

void Canvas::fill(HBRUSH brush)
{
    HGDIOBJ old = SelectObject(m_dc, brush);
    PatBlt(m_dc, 0, 0, m_width, m_height, PATCOPY);
    SelectObject(m_dc, old);
}

Canvas::~Canvas()
{
    DeleteDC(m_dc);
    DeleteObject(m_bitmap);
}

std::vector<COLORREF> Canvas::pixels() const
{
    std::vector<COLORREF> all;
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x)
            all.push_back(at(x, y));
    }
    return all;
}

bool isDark(COLORREF color)
{
    return GetRValue(color) < 0x60 && GetGValue(color) < 0x60 && GetBValue(color) < 0x60;
}

} // namespace look_test
