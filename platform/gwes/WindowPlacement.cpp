// Where windows are and which one is active: positions, sizes, z-order, showing and hiding,
// coordinates, activation and the keyboard focus.
#include <algorithm>

#include "GwesState.h"

using namespace ce::gwes;

namespace {

// The screen position of a window's client origin. Called with gwesLock() held.
POINT clientOrigin(const Window& window)
{
    POINT origin {window.rect.left, window.rect.top};
    for (const Window* parent = (window.style & WS_CHILD) ? findWindow(window.parent) : nullptr; parent;
         parent = (parent->style & WS_CHILD) ? findWindow(parent->parent) : nullptr) {
        origin.x += parent->rect.left;
        origin.y += parent->rect.top;
    }
    return origin;
}

// The window's area on the screen, or in its own client coordinates (no frame: the same size).
BOOL windowArea(HWND hwnd, LPRECT rect, bool onScreen)
{
    std::lock_guard guard(gwesLock());
    const Window* window = windowOrFail(hwnd);
    if (!window || !rect)
        return FALSE;
    const POINT origin = onScreen ? clientOrigin(*window) : POINT {0, 0};
    *rect = {origin.x, origin.y, origin.x + window->rect.right - window->rect.left,
        origin.y + window->rect.bottom - window->rect.top};
    return TRUE;
}

// Moves a point by the window's client origin, added (direction 1) or taken off (-1).
BOOL shiftByClientOrigin(HWND hwnd, LPPOINT point, int direction)
{
    RECT area {};
    if (!point || !windowArea(hwnd, &area, true))
        return FALSE;
    point->x += direction * area.left;
    point->y += direction * area.top;
    return TRUE;
}

// Null, or a window whose style lacks `refused`. Called with gwesLock() held.
bool nullOrWindowWithout(HWND hwnd, DWORD refused)
{
    if (!hwnd)
        return true;
    const Window* window = windowOrFail(hwnd);
    return window && !(window->style & refused);
}

HWND topLevelOf(HWND hwnd)
{
    std::lock_guard guard(gwesLock());
    const Window* window = findWindow(hwnd);
    while (window && (window->style & WS_CHILD) && findWindow(window->parent))
        window = findWindow(window->parent);
    return window ? window->handle : nullptr;
}

void placeInZOrder(std::vector<HWND>& siblings, HWND hwnd, HWND insertAfter)
{
    siblings.erase(std::remove(siblings.begin(), siblings.end(), hwnd), siblings.end());
    if (insertAfter == HWND_BOTTOM) {
        siblings.push_back(hwnd);
        return;
    }
    auto after = std::find(siblings.begin(), siblings.end(), insertAfter);
    siblings.insert(after == siblings.end() ? siblings.begin() : after + 1, hwnd);
}

} // namespace

BOOL SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int X, int Y, int cx, int cy, UINT uFlags)
{
    WINDOWPOS pos {hWnd, hWndInsertAfter, X, Y, cx, cy, uFlags};
    bool repaint = false;
    bool parentShown = false;
    {
        std::lock_guard guard(gwesLock());
        Window* window = windowOrFail(hWnd);
        if (!window)
            return FALSE;
        RECT& rect = window->rect;
        const RECT oldRect = rect;
        const bool wasVisible = window->style & WS_VISIBLE;
        if ((uFlags & SWP_NOMOVE) || (X == rect.left && Y == rect.top)) {
            pos.flags |= SWP_NOMOVE;
            pos.x = rect.left;
            pos.y = rect.top;
        }
        if ((uFlags & SWP_NOSIZE) || (cx == rect.right - rect.left && cy == rect.bottom - rect.top)) {
            pos.flags |= SWP_NOSIZE;
            pos.cx = rect.right - rect.left;
            pos.cy = rect.bottom - rect.top;
        }
        rect = {pos.x, pos.y, pos.x + pos.cx, pos.y + pos.cy};
        if (!(uFlags & SWP_NOZORDER))
            placeInZOrder(siblingsOf(*window), hWnd, hWndInsertAfter);
        if (uFlags & SWP_SHOWWINDOW)
            window->style |= WS_VISIBLE;
        if (uFlags & SWP_HIDEWINDOW)
            window->style &= ~static_cast<DWORD>(WS_VISIBLE);
        // A top-level window's pixels move with it; a child is drawn again where it went.
        const bool childMoved = (window->style & WS_CHILD) && !(pos.flags & SWP_NOMOVE);
        repaint = !(uFlags & SWP_NOREDRAW) && (window->style & WS_VISIBLE)
            && (!(pos.flags & SWP_NOSIZE) || (uFlags & SWP_SHOWWINDOW) || childMoved);
        // A child that moved or went shows its parent where it was.
        const bool moved = !(pos.flags & SWP_NOMOVE) || !(pos.flags & SWP_NOSIZE) || (uFlags & SWP_HIDEWINDOW);
        Window* parent = (window->style & WS_CHILD) ? findWindow(window->parent) : nullptr;
        parentShown = parent && wasVisible && moved && !(uFlags & SWP_NOREDRAW);
        if (parentShown)
            invalidateArea(*parent, &oldRect, true);
    }
    if (parentShown)
        wakeQueues();
    if (repaint)
        InvalidateRect(hWnd, nullptr, TRUE);
    SendMessageW(hWnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
    return TRUE;
}

BOOL MoveWindow(HWND hWnd, int X, int Y, int nWidth, int nHeight, BOOL bRepaint)
{
    return SetWindowPos(hWnd, nullptr, X, Y, nWidth, nHeight,
        SWP_NOZORDER | SWP_NOACTIVATE | (bRepaint ? 0u : static_cast<UINT>(SWP_NOREDRAW)));
}

BOOL ShowWindow(HWND hWnd, int nCmdShow)
{
    bool wasVisible = false;
    bool child = false;
    {
        std::lock_guard guard(gwesLock());
        const Window* window = windowOrFail(hWnd);
        if (!window)
            return FALSE;
        wasVisible = window->style & WS_VISIBLE;
        child = window->style & WS_CHILD;
    }
    const UINT keep = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
    if (nCmdShow == SW_HIDE) {
        if (wasVisible)
            SetWindowPos(hWnd, nullptr, 0, 0, 0, 0, keep | SWP_HIDEWINDOW);
        return wasVisible;
    }
    if (!wasVisible)
        SetWindowPos(hWnd, nullptr, 0, 0, 0, 0, keep | SWP_SHOWWINDOW);
    if (!child && nCmdShow != SW_SHOWNA && nCmdShow != SW_SHOWNOACTIVATE)
        SetActiveWindow(hWnd);
    return wasVisible;
}

BOOL GetWindowRect(HWND hWnd, LPRECT lpRect)
{
    return windowArea(hWnd, lpRect, true);
}

BOOL GetClientRect(HWND hWnd, LPRECT lpRect)
{
    return windowArea(hWnd, lpRect, false);
}

BOOL ScreenToClient(HWND hWnd, LPPOINT lpPoint)
{
    return shiftByClientOrigin(hWnd, lpPoint, -1);
}

BOOL ClientToScreen(HWND hWnd, LPPOINT lpPoint)
{
    return shiftByClientOrigin(hWnd, lpPoint, 1);
}

HWND SetActiveWindow(HWND hWnd)
{
    HWND previous = nullptr;
    {
        std::lock_guard guard(gwesLock());
        if (!nullOrWindowWithout(hWnd, WS_CHILD))
            return nullptr;
        previous = state().active;
        if (previous == hWnd)
            return previous;
        state().active = hWnd;
        // The device has one foreground: the window activated last (a new dialog, say).
        if (hWnd)
            state().foreground = hWnd;
    }
    // A window of another thread hears of it without the caller waiting for that thread,
    // which may be busy or hung.
    if (previous && IsWindow(previous))
        SendNotifyMessageW(previous, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(hWnd));
    if (hWnd)
        SendNotifyMessageW(hWnd, WM_ACTIVATE, WA_ACTIVE, reinterpret_cast<LPARAM>(previous));
    return previous;
}

HWND GetActiveWindow()
{
    std::lock_guard guard(gwesLock());
    return state().active;
}

namespace {

// The visible top-level windows `owner` owns, bottom to top of the z-order.
std::vector<HWND> ownedWindowsOf(HWND owner)
{
    std::vector<HWND> owned;
    for (HWND window = GetWindow(owner, GW_HWNDFIRST); window; window = GetWindow(window, GW_HWNDNEXT)) {
        if (window != owner && GetWindow(window, GW_OWNER) == owner && IsWindowVisible(window))
            owned.insert(owned.begin(), window);
    }
    return owned;
}

} // namespace

// The window comes to the top of the z-order and becomes the foreground. As on the device, a
// handle with its low bit set also brings the windows it owns (its dialogs) above it, the
// topmost of them then being the foreground.
BOOL SetForegroundWindow(HWND hWnd)
{
    const bool withOwned = reinterpret_cast<UINT_PTR>(hWnd) & 1;
    HWND top = topLevelOf(reinterpret_cast<HWND>(reinterpret_cast<UINT_PTR>(hWnd) & ~UINT_PTR(1)));
    if (!top) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    constexpr UINT raiseOnly = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    SetWindowPos(top, HWND_TOP, 0, 0, 0, 0, raiseOnly);
    HWND front = top;
    if (withOwned) {
        for (HWND owned : ownedWindowsOf(top)) {
            SetWindowPos(owned, HWND_TOP, 0, 0, 0, 0, raiseOnly);
            front = owned;
        }
    }
    {
        std::lock_guard guard(gwesLock());
        state().foreground = front;
    }
    SetActiveWindow(front);
    return TRUE;
}

HWND GetForegroundWindow()
{
    std::lock_guard guard(gwesLock());
    return state().foreground ? state().foreground : state().active;
}

HWND SetFocus(HWND hWnd)
{
    HWND before = nullptr; // what the caller learns, whatever activation did meanwhile
    {
        std::lock_guard guard(gwesLock());
        if (!nullOrWindowWithout(hWnd, WS_DISABLED))
            return nullptr;
        before = state().focus;
        if (before == hWnd)
            return before;
    }
    HWND top = topLevelOf(hWnd);
    if (top && top != GetActiveWindow())
        SetActiveWindow(top);
    HWND previous = nullptr;
    {
        std::lock_guard guard(gwesLock());
        previous = state().focus;
        if (previous == hWnd)
            return before;
        state().focus = hWnd;
    }
    if (previous && IsWindow(previous))
        SendMessageW(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hWnd), 0);
    if (hWnd)
        SendMessageW(hWnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
    return before;
}

HWND GetFocus()
{
    std::lock_guard guard(gwesLock());
    return state().focus;
}
