// The desktop surface, made at the screen's size on first use and whenever the screen turns.
#include "DesktopSurface.h"

#include <mutex>

#include "gwes/Screen.h"

namespace ce::gwes {

std::shared_ptr<gdi::Surface> desktopSurface()
{
    static std::mutex lock;
    static std::shared_ptr<gdi::Surface> desktop;
    std::lock_guard guard(lock);
    const SIZE size = screenSize();
    if (desktop && desktop->width == size.cx && desktop->height == size.cy)
        return desktop;
    auto surface = std::make_shared<gdi::Surface>();
    gdi::makeSurface(size.cx, size.cy, 32, false, *surface);
    surface->fill(desktopColour);
    desktop = surface;
    return desktop;
}

} // namespace ce::gwes
