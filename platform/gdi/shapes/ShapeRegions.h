// The regions of the shapes GDI draws: rounded rectangles, polygons, and the edges of a region.
#pragma once

#include "gdi/objects/Region.h"

namespace ce::gdi {

// A rectangle (right and bottom exclusive) whose corners are quarters of a cornerWidth x
// cornerHeight ellipse, as RoundRect draws it; a plain rectangle when either is 0.
Region roundRectRegion(const RECT& rect, int cornerWidth, int cornerHeight);
// The pixels whose centres lie inside the closed polygon by the alternate (even-odd) rule, for
// the rows and columns of `limit` only.
Region polygonRegion(const POINT* points, int count, const RECT& limit);
// The pixels of a region that lie at least `width` columns and `height` rows inside it: a pixel
// stays when the pixels that far left, right, above and below are in the region too.
Region erodedRegion(const Region& region, int width, int height);
// The region less its eroded part: a frame along its inner edge, `width` pixels wide at the sides
// and `height` high at the top and bottom (FrameRgn's frame; 1, 1 is a shape's outline).
Region innerFrame(const Region& region, int width, int height);

} // namespace ce::gdi
