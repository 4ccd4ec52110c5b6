// GetDC, GetWindowDC and ReleaseDC: device contexts that draw on a window's top-level surface,
// or on the desktop below every window for the screen's own.
#include <string>

#include "WindowDeviceContexts.h"

#include <algorithm>

#include "DesktopSurface.h"
#include "gdi/objects/GdiObjects.h"

namespace ce::gwes {

HDC deviceContextOn(HWND hwnd, DrawingArea area, const RECT* limit)
{
    if (limit) {
        gdi::Region inside = gdi::rectRegion(*limit);
        inside.offset(area.origin.x, area.origin.y);
        area.visible = gdi::combineRegions(area.visible, inside, RGN_AND);
    }
    std::lock_guard guard(gdi::gdiLock());
    auto dc = gdi::makeDeviceContext();
    dc->windowSurface = std::move(area.surface);
    dc->window = hwnd;
    dc->origin = area.origin;
    dc->systemClip = std::move(area.visible);
    return gdi::addDeviceContext(std::move(dc));
}

HDC windowDeviceContext(HWND hwnd, bool withoutChildren, const RECT* limit)
{
    DrawingArea area;
    if (hwnd) {
        std::lock_guard guard(gwesLock());
        Window* window = windowOrFail(hwnd);
        if (!window)
            return nullptr;
        area = drawingAreaOf(*window, withoutChildren);
    } else {
        area.surface = desktopSurface();
        area.visible = gdi::rectRegion({0, 0, area.surface->width, area.surface->height});
    }
    return deviceContextOn(hwnd, std::move(area), limit);
}

} // namespace ce::gwes

HDC GetDC(HWND hWnd)
{
    return ce::gwes::windowDeviceContext(hWnd, true, nullptr);
}

HDC GetWindowDC(HWND hWnd)
{
    return ce::gwes::windowDeviceContext(hWnd, true, nullptr);
}

int ReleaseDC(HWND hWnd, HDC hDC)
{
    using namespace ce::gdi;
    std::lock_guard guard(gdiLock());
    auto dc = deviceContextOrFail(hDC);
    if (!dc || !dc->windowSurface || dc->window != hWnd)
        return 0;
    releaseSelections(hDC, *dc);
    removeDeviceContext(hDC);
    return 1;
}
