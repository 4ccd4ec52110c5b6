// Closed shapes with the pen and the brush: Rectangle, Ellipse, RoundRect and Polygon.
#include <algorithm>

#include "ShapePainting.h"
#include "ShapeRegions.h"
#include "gdi/objects/Strokes.h"

using namespace ce::gdi;

namespace {

// Runs a shape call on a device context: false for a bad handle, else what `paint` answers.
template <typename Paint> BOOL drawShape(HDC hdc, Paint paint)
{
    std::lock_guard guard(gdiLock());
    auto dc = deviceContextOrFail(hdc);
    return dc ? paint(*dc) : FALSE;
}

// Paints a shape within its bounding rectangle.
BOOL drawBoxedShape(HDC hdc, const RECT& bounds, const ShapeOf& shapeOf)
{
    return drawShape(hdc, [&](const DeviceContext& dc) {
        paintBoxedShape(dc, bounds, shapeOf);
        return TRUE;
    });
}

} // namespace

BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom)
{
    return drawBoxedShape(hdc, {left, top, right, bottom}, rectRegion);
}

BOOL Ellipse(HDC hdc, int left, int top, int right, int bottom)
{
    return drawBoxedShape(hdc, {left, top, right, bottom}, ellipticRegion);
}

BOOL RoundRect(HDC hdc, int left, int top, int right, int bottom, int width, int height)
{
    return drawBoxedShape(hdc, {left, top, right, bottom},
        [width, height](const RECT& bounds) { return roundRectRegion(bounds, width, height); });
}

BOOL Polygon(HDC hdc, const POINT* apt, int cpt)
{
    return drawShape(hdc, [&](const DeviceContext& dc) {
        if (!apt || cpt < 2) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
        DrawTarget target(dc);
        // The fill reaches neither the rightmost column nor the bottom row of the points.
        const auto [minX, maxX] = std::minmax_element(apt, apt + cpt, [](POINT a, POINT b) { return a.x < b.x; });
        const auto [minY, maxY] = std::minmax_element(apt, apt + cpt, [](POINT a, POINT b) { return a.y < b.y; });
        if (const BrushObject* brush = fillBrushOf(dc)) {
            const RECT limit = target.drawableBounds({minX->x, minY->y, maxX->x, maxY->y});
            fillRegion(target, polygonRegion(apt, cpt, limit), brush->color);
        }
        // The outline closes the polygon; each side's end is the next one's start.
        for (int i = 0; i < cpt; ++i)
            penLine(target, penOf(dc), apt[i], apt[(i + 1) % cpt]);
        return TRUE;
    });
}
