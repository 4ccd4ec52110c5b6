// Window surfaces and the visible part of each window on its top-level window's surface.
#include "WindowSurfaces.h"

#include "gdi/objects/GdiObjects.h"

#include <algorithm>
#include <vector>

namespace ce::gwes {
namespace {

SIZE sizeOf(const Window& window)
{
    return {window.rect.right - window.rect.left, window.rect.bottom - window.rect.top};
}

gdi::Region areaAt(const Window& window, POINT origin)
{
    const SIZE size = sizeOf(window);
    return gdi::rectRegion({origin.x, origin.y, origin.x + size.cx, origin.y + size.cy});
}

bool isGroupBox(const Window& window)
{
    return (window.style & WS_CHILD) && (window.style & 0x0F) == BS_GROUPBOX
        && _wcsicmp(window.windowClass->name.c_str(), u"BUTTON") == 0;
}

void subtract(gdi::Region& region, const gdi::Region& cut)
{
    region = gdi::combineRegions(region, cut, RGN_DIFF);
}

// Asks a window and everything in it to paint again.
void invalidateTree(Window& window)
{
    invalidateArea(window, nullptr, true);
    for (HWND child : window.children) {
        if (Window* w = findWindow(child))
            invalidateTree(*w);
    }
}

// A new surface starts in the class's background, so a window shows that much even before its
// thread first paints it (another thread's window may not have painted when the screen is read).
void fillWithClassBackground(const Window& window, gdi::Surface& surface)
{
    const HBRUSH brush = classBackgroundBrush(window);
    if (!brush)
        return;
    COLORREF colour = 0;
    {
        std::lock_guard guard(gdi::gdiLock());
        const auto solid = gdi::objectOf<gdi::BrushObject>(brush, OBJ_BRUSH);
        if (!solid || solid->hollow)
            return;
        colour = solid->color;
    }
    surface.fill(colour);
}

} // namespace

std::shared_ptr<gdi::Surface> surfaceFor(Window& topLevel)
{
    const SIZE size = sizeOf(topLevel);
    const int width = std::max<int>(size.cx, 1);
    const int height = std::max<int>(size.cy, 1);
    if (topLevel.surface && topLevel.surface->width == width && topLevel.surface->height == height)
        return topLevel.surface;
    auto surface = std::make_shared<gdi::Surface>();
    if (!gdi::makeSurface(width, height, 32, false, *surface))
        gdi::makeSurface(1, 1, 32, false, *surface);
    fillWithClassBackground(topLevel, *surface);
    // A window drawn before has lost its pixels with its old surface: all of it paints again.
    if (topLevel.surface)
        invalidateTree(topLevel);
    topLevel.surface = surface;
    return surface;
}

DrawingArea drawingAreaOf(Window& window, bool withoutChildren)
{
    // The chain from the window up to its top-level window, and each one's origin on the
    // top-level surface.
    std::vector<Window*> chain {&window};
    while ((chain.back()->style & WS_CHILD) && findWindow(chain.back()->parent))
        chain.push_back(findWindow(chain.back()->parent));
    std::vector<POINT> origins(chain.size());
    for (size_t i = chain.size() - 1; i-- > 0;) {
        origins[i] = {origins[i + 1].x + chain[i]->rect.left, origins[i + 1].y + chain[i]->rect.top};
    }

    DrawingArea area;
    area.surface = surfaceFor(*chain.back());
    area.origin = origins.front();
    area.visible = areaAt(window, area.origin);
    for (size_t i = 1; i < chain.size(); ++i)
        area.visible = gdi::combineRegions(area.visible, areaAt(*chain[i], origins[i]), RGN_AND);
    // Siblings above each window of the chain cover it (children are kept top of the z-order
    // first). A group box covers nothing: the controls it frames show through it wherever they
    // stand in the z-order, and it keeps out of all of them.
    for (size_t i = 0; i + 1 < chain.size(); ++i) {
        const bool keepsOutOfAll = i == 0 && isGroupBox(window);
        for (HWND sibling : chain[i + 1]->children) {
            if (sibling == chain[i]->handle) {
                if (keepsOutOfAll)
                    continue;
                break;
            }
            const Window* other = findWindow(sibling);
            if (other && (other->style & WS_VISIBLE) && !isGroupBox(*other))
                subtract(area.visible, areaAt(*other, {origins[i + 1].x + other->rect.left, origins[i + 1].y + other->rect.top}));
        }
    }
    if (withoutChildren) {
        for (HWND child : window.children) {
            const Window* inside = findWindow(child);
            if (inside && (inside->style & WS_VISIBLE))
                subtract(area.visible, areaAt(*inside, {area.origin.x + inside->rect.left, area.origin.y + inside->rect.top}));
        }
    }
    return area;
}

} // namespace ce::gwes
