// DrawFocusRect: every other pixel of the rectangle's outline inverted, so that drawing it a
// second time takes it away. The dots follow the surface's checkerboard, so a rectangle drawn
// again at the same place always meets the same pixels.
#include "LookDrawing.h"

namespace {

void invertDot(ce::gdi::DrawTarget& target, int x, int y)
{
    const POINT origin = target.origin();
    if (((x + origin.x + y + origin.y) & 1) || !target.visible(x, y))
        return;
    target.plot(x, y, ~target.pixel(x, y) & 0x00FFFFFF);
}

} // namespace

BOOL DrawFocusRect(HDC hDC, const RECT* lprc)
{
    if (!lprc) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const RECT r = *lprc;
    return ce::gwes::look::drawOn(hDC, [&](ce::gdi::DrawTarget& target) {
        if (IsRectEmpty(&r))
            return;
        // Each pixel of the outline once: the top and bottom rows whole, the sides between them.
        for (int x = r.left; x < r.right; ++x) {
            invertDot(target, x, r.top);
            if (r.bottom - 1 > r.top)
                invertDot(target, x, r.bottom - 1);
        }
        for (int y = r.top + 1; y < r.bottom - 1; ++y) {
            invertDot(target, r.left, y);
            if (r.right - 1 > r.left)
                invertDot(target, r.right - 1, y);
        }
    });
}
