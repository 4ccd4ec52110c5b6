// What the window system's drawing helpers (edges, focus rectangles, frame controls) share:
// running a drawing on a device context under GDI's lock, and the edge painter.
#pragma once

#include "gdi/objects/Drawing.h"

namespace ce::gwes::look {

// Runs draw(DrawTarget&) on hdc's surface under gdiLock(); FALSE with ERROR_INVALID_HANDLE for
// a handle that is no device context.
template <typename Draw> BOOL drawOn(HDC hdc, Draw draw)
{
    std::lock_guard guard(gdi::gdiLock());
    auto dc = gdi::deviceContextOrFail(hdc);
    if (!dc)
        return FALSE;
    gdi::DrawTarget target(*dc);
    draw(target);
    return TRUE;
}

// DrawEdge's painting inside `rect`; with BF_ADJUST `rect` shrinks by the borders drawn.
void drawEdge(gdi::DrawTarget& target, RECT& rect, UINT edge, UINT flags);

// A one-pixel frame just inside `rect`.
void frame(gdi::DrawTarget& target, const RECT& rect, COLORREF color);

} // namespace ce::gwes::look
