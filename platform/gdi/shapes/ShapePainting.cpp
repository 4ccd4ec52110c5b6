// Filling regions and painting closed shapes through a DrawTarget.
#include "ShapePainting.h"

#include <algorithm>
#include <climits>

#include "ShapeRegions.h"
#include "gdi/objects/Strokes.h"

namespace ce::gdi {

void fillRegion(DrawTarget& target, const Region& region, COLORREF color)
{
    for (size_t row = 0; row < region.rows.size(); ++row) {
        for (const Span& span : region.rows[row])
            target.fillSpan(region.top + static_cast<int>(row), span.left, span.right, color);
    }
}

void paintBoxedShape(const DeviceContext& dc, RECT bounds, const ShapeOf& shapeOf)
{
    if (bounds.left > bounds.right)
        std::swap(bounds.left, bounds.right);
    if (bounds.top > bounds.bottom)
        std::swap(bounds.top, bounds.bottom);
    if (bounds.left == bounds.right || bounds.top == bounds.bottom)
        return;
    DrawTarget target(dc);
    const PenObject& pen = penOf(dc);
    const BrushObject* brush = fillBrushOf(dc);
    if (pen.hollow) {
        if (brush)
            fillRegion(target, shapeOf({bounds.left, bounds.top, bounds.right - 1, bounds.bottom - 1}), brush->color);
        return;
    }
    // Only the part of the shape near what can be drawn is outlined: the cut edges this makes
    // lie further out than the pen's dots reach.
    RECT near = target.drawableBounds({INT_MIN, INT_MIN, INT_MAX, INT_MAX});
    if (IsRectEmpty(&near))
        return;
    const int reach = std::min(pen.width, regionLimit) + 1;
    InflateRect(&near, reach, reach);
    const Region shape = combineRegions(shapeOf(bounds), rectRegion(near), RGN_AND);
    const Region inside = erodedRegion(shape, 1, 1);
    if (brush)
        fillRegion(target, inside, brush->color);
    const Region outline = combineRegions(shape, inside, RGN_DIFF);
    for (size_t row = 0; row < outline.rows.size(); ++row) {
        for (const Span& span : outline.rows[row]) {
            for (int x = span.left; x < span.right; ++x)
                penDot(target, pen, x, outline.top + static_cast<int>(row));
        }
    }
}

} // namespace ce::gdi
