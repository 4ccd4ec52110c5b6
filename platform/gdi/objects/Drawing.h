// Where drawing lands: a device context's surface seen through its origin and clip. Every
// drawing call takes logical coordinates and writes pixels only through a DrawTarget, so that
// window device contexts (offset, clipped to what the window shows) and memory ones behave alike.
#pragma once

#include "GdiObjects.h"

namespace ce::gdi {

class DrawTarget {
public:
    explicit DrawTarget(const DeviceContext& dc);

    Surface& surface() const { return *m_surface; }
    POINT origin() const { return m_origin; }
    // Whether a logical point may be drawn.
    bool visible(int x, int y) const;
    COLORREF pixel(int x, int y) const; // logical; CLR_INVALID outside the surface
    void plot(int x, int y, COLORREF color);
    // Mixes `color` over the pixel with alpha 0..255 (255: the colour itself).
    void blend(int x, int y, COLORREF color, int alpha);
    // Logical [left, right) on row y.
    void fillSpan(int y, int left, int right, COLORREF color);
    void fillRect(const RECT& rect, COLORREF color);
    // Logical rectangle → the part of it that lies on the surface and in the clip's bounds, in
    // logical coordinates (empty when nothing can be drawn).
    RECT drawableBounds(const RECT& rect) const;

private:
    Surface* m_surface;
    POINT m_origin;
    std::optional<Region> m_clip;
};

} // namespace ce::gdi
