// Lines and rectangles: MoveToEx/LineTo and Polyline with the selected pen (Bresenham's steps,
// the end point left out as GDI leaves it), and Rectangle with the pen and the brush.
#include <algorithm>
#include <cstdlib>

#include "GdiObjects.h"

using namespace ce::gdi;

namespace {

// Paints a pen's dot at a point: a square of the pen's width centred on it.
void dot(Surface& surface, const PenObject& pen, int x, int y)
{
    const int from = -(pen.width - 1) / 2;
    for (int dy = from; dy < from + pen.width; ++dy) {
        for (int dx = from; dx < from + pen.width; ++dx) {
            if (surface.contains(x + dx, y + dy))
                surface.setPixel(x + dx, y + dy, pen.color);
        }
    }
}

// The pixels from `from` towards `to`, `to` left out.
void line(Surface& surface, const PenObject& pen, POINT from, POINT to)
{
    if (pen.hollow)
        return;
    const int dx = std::abs(to.x - from.x);
    const int dy = -std::abs(to.y - from.y);
    const int stepX = from.x < to.x ? 1 : -1;
    const int stepY = from.y < to.y ? 1 : -1;
    int error = dx + dy;
    POINT at = from;
    while (at.x != to.x || at.y != to.y) {
        dot(surface, pen, at.x, at.y);
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            at.x += stepX;
        }
        if (twice <= dx) {
            error += dx;
            at.y += stepY;
        }
    }
}

// The pen selected into a device context (the stock black pen for anything else).
const PenObject& penOf(const DeviceContext& dc)
{
    if (auto pen = objectOf<PenObject>(dc.pen, OBJ_PEN))
        return *pen;
    return *objectOf<PenObject>(stockObject(BLACK_PEN), OBJ_PEN);
}

} // namespace

BOOL MoveToEx(HDC hdc, int x, int y, LPPOINT lppt)
{
    std::lock_guard guard(gdiLock());
    auto dc = deviceContextOrFail(hdc);
    if (!dc)
        return FALSE;
    if (lppt)
        *lppt = dc->position;
    dc->position = {x, y};
    return TRUE;
}

BOOL LineTo(HDC hdc, int x, int y)
{
    std::lock_guard guard(gdiLock());
    auto dc = deviceContextOrFail(hdc);
    if (!dc)
        return FALSE;
    line(surfaceOf(*dc), penOf(*dc), dc->position, {x, y});
    dc->position = {x, y};
    return TRUE;
}

BOOL Polyline(HDC hdc, const POINT* apt, int cpt)
{
    std::lock_guard guard(gdiLock());
    auto dc = deviceContextOrFail(hdc);
    if (!dc)
        return FALSE;
    if (!apt || cpt < 2) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    for (int i = 1; i < cpt; ++i)
        line(surfaceOf(*dc), penOf(*dc), apt[i - 1], apt[i]);
    return TRUE;
}

BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom)
{
    std::lock_guard guard(gdiLock());
    auto dc = deviceContextOrFail(hdc);
    if (!dc)
        return FALSE;
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    Surface& surface = surfaceOf(*dc);
    const PenObject& pen = penOf(*dc);
    // The brush fills inside the outline; with no outline, everything but the last row and column.
    const int inset = pen.hollow ? 0 : 1;
    if (auto brush = objectOf<BrushObject>(dc->brush, OBJ_BRUSH); brush && !brush->hollow) {
        for (int y = top + inset; y < bottom - 1; ++y) {
            for (int x = left + inset; x < right - 1; ++x) {
                if (surface.contains(x, y))
                    surface.setPixel(x, y, brush->color);
            }
        }
    }
    if (!pen.hollow && right - left >= 1 && bottom - top >= 1) {
        const POINT corners[] = {{left, top}, {right - 1, top}, {right - 1, bottom - 1}, {left, bottom - 1}, {left, top}};
        for (int i = 1; i < 5; ++i)
            line(surface, pen, corners[i - 1], corners[i]);
        dot(surface, pen, left, top); // a one-pixel rectangle is its corner alone
    }
    return TRUE;
}
