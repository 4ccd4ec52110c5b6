// Pens and brushes of a device context, and drawing with a pen.
#include "Strokes.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace ce::gdi {

const PenObject& penOf(const DeviceContext& dc)
{
    if (auto pen = objectOf<PenObject>(dc.pen, OBJ_PEN))
        return *pen;
    return *objectOf<PenObject>(stockObject(BLACK_PEN), OBJ_PEN);
}

const BrushObject* fillBrushOf(const DeviceContext& dc)
{
    auto brush = objectOf<BrushObject>(dc.brush, OBJ_BRUSH);
    return brush && !brush->hollow ? brush.get() : nullptr;
}

void penDot(DrawTarget& target, const PenObject& pen, int x, int y)
{
    if (pen.width == 1) {
        target.plot(x, y, pen.color);
        return;
    }
    const int from = -(pen.width - 1) / 2;
    target.fillRect({x + from, y + from, x + from + pen.width, y + from + pen.width}, pen.color);
}

void penLine(DrawTarget& target, const PenObject& pen, POINT from, POINT to)
{
    if (pen.hollow)
        return;
    // A line whose dots cannot reach the drawable area is not walked (it may be very long).
    const int reach = std::min(pen.width, regionLimit);
    const RECT area = target.drawableBounds({INT_MIN, INT_MIN, INT_MAX, INT_MAX});
    const auto apart = [reach](long long low, long long high, LONG start, LONG end) {
        return high + reach < start || low - reach >= end;
    };
    if (apart(std::min(from.x, to.x), std::max(from.x, to.x), area.left, area.right)
        || apart(std::min(from.y, to.y), std::max(from.y, to.y), area.top, area.bottom))
        return;
    // 64 bits: the points may lie as far apart as an int allows.
    const long long dx = std::llabs(static_cast<long long>(to.x) - from.x);
    const long long dy = -std::llabs(static_cast<long long>(to.y) - from.y);
    const int stepX = from.x < to.x ? 1 : -1;
    const int stepY = from.y < to.y ? 1 : -1;
    long long error = dx + dy;
    POINT at = from;
    while (at.x != to.x || at.y != to.y) {
        penDot(target, pen, at.x, at.y);
        const long long twice = 2 * error;
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

} // namespace ce::gdi
