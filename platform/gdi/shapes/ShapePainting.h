// Painting regions and closed shapes with a device context's pen and brush. Called with
// gdiLock() held.
#pragma once

#include <functional>

#include "gdi/objects/Drawing.h"

namespace ce::gdi {

// Fills a region given in logical coordinates.
void fillRegion(DrawTarget& target, const Region& region, COLORREF color);

// The region of a shape within its bounding rectangle (right and bottom exclusive).
using ShapeOf = std::function<Region(const RECT& bounds)>;

// Paints a shape as Rectangle does: the pen outlines the edge pixels of the shape within
// `bounds` and the brush fills the pixels inside them; with the null pen the brush fills the
// shape within `bounds` made one pixel smaller to the right and below. Corners may come in any
// order.
void paintBoxedShape(const DeviceContext& dc, RECT bounds, const ShapeOf& shapeOf);

} // namespace ce::gdi
