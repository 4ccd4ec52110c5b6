// DrawTarget: logical coordinates to surface pixels, honouring the clip.
#include "Drawing.h"

#include <algorithm>

namespace ce::gdi {

DrawTarget::DrawTarget(const DeviceContext& dc)
    : m_surface(&surfaceOf(dc))
    , m_origin(dc.origin)
    , m_clip(effectiveClip(dc))
{
}

bool DrawTarget::visible(int x, int y) const
{
    const int sx = x + m_origin.x;
    const int sy = y + m_origin.y;
    return m_surface->contains(sx, sy) && (!m_clip || m_clip->contains(sx, sy));
}

COLORREF DrawTarget::pixel(int x, int y) const
{
    const int sx = x + m_origin.x;
    const int sy = y + m_origin.y;
    return m_surface->contains(sx, sy) ? m_surface->pixel(sx, sy) : CLR_INVALID;
}

void DrawTarget::plot(int x, int y, COLORREF color)
{
    if (visible(x, y))
        m_surface->setPixel(x + m_origin.x, y + m_origin.y, color);
}

void DrawTarget::blend(int x, int y, COLORREF color, int alpha)
{
    if (alpha <= 0 || !visible(x, y))
        return;
    if (alpha >= 255) {
        plot(x, y, color);
        return;
    }
    const COLORREF under = pixel(x, y);
    const auto mix = [&](BYTE over, BYTE below) {
        return static_cast<BYTE>((over * alpha + below * (255 - alpha) + 127) / 255);
    };
    plot(x, y,
        RGB(mix(GetRValue(color), GetRValue(under)), mix(GetGValue(color), GetGValue(under)),
            mix(GetBValue(color), GetBValue(under))));
}

void DrawTarget::fillSpan(int y, int left, int right, COLORREF color)
{
    const int sy = y + m_origin.y;
    if (sy < 0 || sy >= m_surface->height)
        return;
    const int from = std::max(left + m_origin.x, 0);
    const int to = std::min(right + m_origin.x, m_surface->width);
    if (!m_clip) {
        for (int sx = from; sx < to; ++sx)
            m_surface->setPixel(sx, sy, color);
        return;
    }
    for (const Span& span : m_clip->spansOf(sy)) {
        for (int sx = std::max(from, span.left); sx < std::min(to, span.right); ++sx)
            m_surface->setPixel(sx, sy, color);
    }
}

void DrawTarget::fillRect(const RECT& rect, COLORREF color)
{
    // Only the rows that can be drawn: a program may pass a rectangle far larger than the surface.
    const RECT area = drawableBounds(rect);
    for (int y = area.top; y < area.bottom; ++y)
        fillSpan(y, area.left, area.right, color);
}

RECT DrawTarget::drawableBounds(const RECT& rect) const
{
    RECT limit {-m_origin.x, -m_origin.y, m_surface->width - m_origin.x, m_surface->height - m_origin.y};
    if (m_clip) {
        RECT box = m_clip->bounds();
        OffsetRect(&box, -m_origin.x, -m_origin.y);
        IntersectRect(&limit, &limit, &box);
    }
    RECT result {};
    if (!IntersectRect(&result, &limit, &rect))
        return RECT {};
    return result;
}

} // namespace ce::gdi
