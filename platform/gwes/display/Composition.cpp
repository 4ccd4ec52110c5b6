// Screen composition: whole rows copied from each surface, bottom window first, clipped to the
// screen. Windows never drawn yet get their surface here, which asks them to paint.
#include <string>

#include "Composition.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "DesktopSurface.h"
#include "WindowSurfaces.h"
#include "gdi/objects/GdiObjects.h"
#include "gwes/Screen.h"
#include "shell/titlebar/TitleBar.h"

namespace ce::gwes {
namespace {

struct Layer {
    std::shared_ptr<gdi::Surface> surface;
    POINT at {};
};

// The visible top-level windows' surfaces, bottom of the z-order first.
std::vector<Layer> layers()
{
    std::lock_guard guard(gwesLock());
    std::vector<Layer> result;
    const auto& topLevel = state().topLevel;
    for (auto it = topLevel.rbegin(); it != topLevel.rend(); ++it) {
        Window* window = findWindow(*it);
        if (!window || !(window->style & WS_VISIBLE))
            continue;
        result.push_back({drawingAreaOf(*window, false).surface, {window->rect.left, window->rect.top}});
    }
    return result;
}

void place(gdi::Surface& frame, const gdi::Surface& layer, POINT at)
{
    const int left = std::max<int>(at.x, 0);
    const int right = std::min<int>(at.x + layer.width, frame.width);
    const int top = std::max<int>(at.y, 0);
    const int bottom = std::min<int>(at.y + layer.height, frame.height);
    if (left >= right || top >= bottom)
        return;
    const size_t bytes = static_cast<size_t>(right - left) * 4;
    for (int y = top; y < bottom; ++y) {
        std::memcpy(frame.storage.data() + static_cast<size_t>(y) * frame.stride + static_cast<size_t>(left) * 4,
            layer.storage.data() + static_cast<size_t>(y - at.y) * layer.stride + static_cast<size_t>(left - at.x) * 4,
            bytes);
    }
}

} // namespace

void composeScreen(gdi::Surface& frame)
{
    const SIZE size = screenSize();
    if (frame.width != size.cx || frame.height != size.cy || frame.bitsPerPixel != 32 || frame.bottomUp)
        gdi::makeSurface(size.cx, size.cy, 32, false, frame);
    const auto desktop = desktopSurface();
    const auto windows = layers();
    {
        std::lock_guard guard(gdi::gdiLock());
        place(frame, *desktop, {0, 0});
        for (const Layer& layer : windows)
            place(frame, *layer.surface, layer.at);
    }
    // The title bar draws with GDI onto the frame itself.
    HDC dc = nullptr;
    {
        std::lock_guard guard(gdi::gdiLock());
        auto onFrame = gdi::makeDeviceContext();
        onFrame->windowSurface = std::shared_ptr<gdi::Surface>(&frame, [](gdi::Surface*) {});
        dc = gdi::addDeviceContext(std::move(onFrame));
    }
    shell::paintTitleBar(dc, frame.width);
    DeleteDC(dc);
}

} // namespace ce::gwes
