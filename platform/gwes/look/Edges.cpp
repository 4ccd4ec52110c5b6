// DrawEdge: up to two one-pixel rings (outer, inner), each lit on its top and left sides and
// shaded on its bottom and right ones as raised or sunken asks; flat and mono edges use one
// colour per ring. The bottom-right sides are drawn last and own the two corners they share
// with the top-left ones, as on the device.
#include "LookDrawing.h"

namespace ce::gwes::look {
namespace {

struct RingColors {
    int topLeft = -1; // system colour numbers; -1: the ring is not drawn
    int bottomRight = -1;
};

// The system colours of a ring drawn raised or sunken: its lit sides (BF_SOFT swaps the lit
// colours of the outer and inner rings) and its shaded ones.
struct Shading {
    int light;
    int softLight;
    int dark;
};

constexpr Shading shadings[2][2] = {
    // inner ring: sunken, raised
    {{COLOR_3DDKSHADOW, COLOR_3DSHADOW, COLOR_3DLIGHT}, {COLOR_3DHILIGHT, COLOR_3DLIGHT, COLOR_3DSHADOW}},
    // outer ring: sunken, raised
    {{COLOR_3DSHADOW, COLOR_3DDKSHADOW, COLOR_3DHILIGHT}, {COLOR_3DLIGHT, COLOR_3DHILIGHT, COLOR_3DDKSHADOW}},
};

RingColors ringOf(bool outer, UINT edge, UINT flags)
{
    const UINT bits = edge & (outer ? BDR_OUTER : BDR_INNER);
    if (!bits)
        return {};
    if (flags & (BF_MONO | BF_FLAT)) {
        const int color
            = flags & BF_MONO ? (outer ? COLOR_WINDOWFRAME : COLOR_WINDOW) : (outer ? COLOR_3DSHADOW : COLOR_3DFACE);
        return {color, color};
    }
    const Shading& shading = shadings[outer ? 1 : 0][bits & (BDR_RAISEDOUTER | BDR_RAISEDINNER) ? 1 : 0];
    return {flags & BF_SOFT ? shading.softLight : shading.light, shading.dark};
}

// Draws one ring on the sides `flags` names and moves those sides of `rect` inwards.
void drawRing(gdi::DrawTarget& target, RECT& rect, RingColors ring, UINT flags)
{
    if (ring.topLeft < 0 || IsRectEmpty(&rect))
        return;
    const COLORREF light = GetSysColor(ring.topLeft);
    const COLORREF dark = GetSysColor(ring.bottomRight);
    const int topLeftRight = flags & BF_RIGHT ? rect.right - 1 : rect.right;
    const int topLeftBottom = flags & BF_BOTTOM ? rect.bottom - 1 : rect.bottom;
    if (flags & BF_TOP)
        target.fillSpan(rect.top, rect.left, topLeftRight, light);
    if (flags & BF_LEFT)
        target.fillRect({rect.left, rect.top, rect.left + 1, topLeftBottom}, light);
    if (flags & BF_BOTTOM)
        target.fillSpan(rect.bottom - 1, rect.left, rect.right, dark);
    if (flags & BF_RIGHT)
        target.fillRect({rect.right - 1, rect.top, rect.right, rect.bottom}, dark);
    rect.left += flags & BF_LEFT ? 1 : 0;
    rect.top += flags & BF_TOP ? 1 : 0;
    rect.right -= flags & BF_RIGHT ? 1 : 0;
    rect.bottom -= flags & BF_BOTTOM ? 1 : 0;
}

} // namespace

void drawEdge(gdi::DrawTarget& target, RECT& rect, UINT edge, UINT flags)
{
    RECT inside = rect;
    drawRing(target, inside, ringOf(true, edge, flags), flags);
    drawRing(target, inside, ringOf(false, edge, flags), flags);
    if ((flags & BF_MIDDLE) && !IsRectEmpty(&inside))
        target.fillRect(inside, GetSysColor(flags & BF_MONO ? COLOR_WINDOW : COLOR_3DFACE));
    if (flags & BF_ADJUST)
        rect = inside;
}

void frame(gdi::DrawTarget& target, const RECT& rect, COLORREF color)
{
    if (IsRectEmpty(&rect))
        return;
    target.fillSpan(rect.top, rect.left, rect.right, color);
    target.fillSpan(rect.bottom - 1, rect.left, rect.right, color);
    target.fillRect({rect.left, rect.top, rect.left + 1, rect.bottom}, color);
    target.fillRect({rect.right - 1, rect.top, rect.right, rect.bottom}, color);
}

} // namespace ce::gwes::look

BOOL DrawEdge(HDC hdc, LPRECT qrc, UINT edge, UINT grfFlags)
{
    if (!qrc) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return ce::gwes::look::drawOn(
        hdc, [&](ce::gdi::DrawTarget& target) { ce::gwes::look::drawEdge(target, *qrc, edge, grfFlags); });
}
