// Which window is under a point of the screen (where a stylus tap lands) and the stylus
// capture that keeps a window receiving the stylus while it is down.
#include "GwesState.h"

using namespace ce::gwes;

namespace {

bool holds(const RECT& rect, POINT point)
{
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom;
}

bool shown(const Window& window)
{
    return window.style & WS_VISIBLE;
}

// The deepest shown, enabled child of `window` under `point` (in window's client coordinates),
// or the window itself. Called with gwesLock() held.
HWND deepestAt(const Window& window, POINT point)
{
    for (HWND child : window.children) {
        const Window* candidate = findWindow(child);
        if (candidate && shown(*candidate) && !(candidate->style & WS_DISABLED) && holds(candidate->rect, point))
            return deepestAt(*candidate, {point.x - candidate->rect.left, point.y - candidate->rect.top});
    }
    return window.handle;
}

} // namespace

HWND WindowFromPoint(POINT Point)
{
    std::lock_guard guard(gwesLock());
    for (HWND top : state().topLevel) {
        const Window* window = findWindow(top);
        if (window && shown(*window) && holds(window->rect, Point))
            return deepestAt(*window, {Point.x - window->rect.left, Point.y - window->rect.top});
    }
    return nullptr;
}

HWND ChildWindowFromPoint(HWND hWndParent, POINT Point)
{
    std::lock_guard guard(gwesLock());
    const Window* parent = windowOrFail(hWndParent);
    if (!parent)
        return nullptr;
    const RECT client {0, 0, parent->rect.right - parent->rect.left, parent->rect.bottom - parent->rect.top};
    if (!holds(client, Point))
        return nullptr;
    for (HWND child : parent->children) {
        const Window* candidate = findWindow(child);
        if (candidate && holds(candidate->rect, Point))
            return child;
    }
    return hWndParent;
}

HWND SetCapture(HWND hWnd)
{
    HWND previous = nullptr;
    {
        std::lock_guard guard(gwesLock());
        if (!windowOrFail(hWnd))
            return nullptr;
        previous = state().capture;
        state().capture = hWnd;
    }
    if (previous && previous != hWnd)
        SendMessageW(previous, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hWnd));
    return previous;
}

BOOL ReleaseCapture()
{
    HWND previous = nullptr;
    {
        std::lock_guard guard(gwesLock());
        previous = state().capture;
        state().capture = nullptr;
    }
    if (previous)
        SendMessageW(previous, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

HWND GetCapture()
{
    std::lock_guard guard(gwesLock());
    return state().capture;
}
