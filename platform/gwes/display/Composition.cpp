// Screen composition: whole rows copied from each surface, bottom window first, clipped to the
// screen. Windows never drawn yet get their surface here, which asks them to paint.
#include <string>

#include "Composition.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <mutex>
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
        result.push_back({surfaceFor(*window), {window->rect.left, window->rect.top}});
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

// A GDI device context drawing on a surface the caller keeps alive.
HDC deviceContextOnSurface(gdi::Surface& surface)
{
    std::lock_guard guard(gdi::gdiLock());
    auto dc = gdi::makeDeviceContext();
    dc->windowSurface = std::shared_ptr<gdi::Surface>(&surface, [](gdi::Surface*) {});
    return gdi::addDeviceContext(std::move(dc));
}

// The title bar, painted again only when what it shows changed: text is costly to draw and
// the bar changes once a minute at most while the screen is composed many times a second.
void paintTitleBarOnto(gdi::Surface& frame)
{
    static std::mutex lock;
    static shell::TitleBarContent painted;
    static gdi::Surface bar;
    const shell::TitleBarContent content = shell::titleBarContent();
    if (!content.shown)
        return;
    std::lock_guard guard(lock);
    const int height = std::min(GetSystemMetrics(SM_CYCAPTION), frame.height);
    if (!(content == painted) || bar.width != frame.width || bar.height != height) {
        gdi::makeSurface(frame.width, height, 32, false, bar);
        HDC dc = deviceContextOnSurface(bar);
        shell::paintTitleBar(dc, bar.width, content);
        DeleteDC(dc);
        painted = content;
    }
    std::lock_guard gdiGuard(gdi::gdiLock());
    place(frame, bar, {0, 0});
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
    paintTitleBarOnto(frame);
}

} // namespace ce::gwes
