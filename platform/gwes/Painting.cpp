// Painting: each window's update rectangle (the union of what was invalidated), WM_PAINT while
// it is not empty, and BeginPaint/EndPaint with a device context clipped to that rectangle.
#include "GwesState.h"
#include "display/WindowDeviceContexts.h"

using namespace ce::gwes;

namespace {

RECT clientOf(const Window& window)
{
    return {0, 0, window.rect.right - window.rect.left, window.rect.bottom - window.rect.top};
}

// Takes `rect` off the update rectangle where what is left is still one rectangle.
void validate(Window& window, const RECT& rect)
{
    RECT rest {};
    if (SubtractRect(&rest, &window.update, &rect)) {
        window.update = rest;
        return;
    }
    window.invalid = false;
    window.erase = false;
    window.update = {};
}

} // namespace

void ce::gwes::invalidateArea(Window& window, const RECT* rect, bool erase)
{
    const RECT client = clientOf(window);
    RECT area = client;
    if (rect && !IntersectRect(&area, rect, &client))
        return;
    if (IsRectEmpty(&area))
        return;
    if (window.invalid) {
        UnionRect(&window.update, &window.update, &area);
    } else {
        window.update = area;
        window.invalid = true;
    }
    window.erase = window.erase || erase;
}

BOOL InvalidateRect(HWND hWnd, const RECT* lpRect, BOOL bErase)
{
    {
        std::lock_guard guard(gwesLock());
        if (!hWnd) {
            for (auto& [handle, window] : state().windows)
                invalidateArea(*window, nullptr, bErase);
        } else {
            Window* window = windowOrFail(hWnd);
            if (!window)
                return FALSE;
            invalidateArea(*window, lpRect, bErase);
        }
    }
    wakeQueues();
    return TRUE;
}

BOOL ValidateRect(HWND hWnd, const RECT* lpRect)
{
    std::lock_guard guard(gwesLock());
    Window* window = windowOrFail(hWnd);
    if (!window)
        return FALSE;
    if (window->invalid)
        validate(*window, lpRect ? *lpRect : window->update);
    return TRUE;
}

BOOL GetUpdateRect(HWND hWnd, LPRECT lpRect, BOOL)
{
    std::lock_guard guard(gwesLock());
    const Window* window = windowOrFail(hWnd);
    if (!window)
        return FALSE;
    if (lpRect)
        *lpRect = window->invalid ? window->update : RECT {};
    return window->invalid;
}

BOOL UpdateWindow(HWND hWnd)
{
    if (!IsWindow(hWnd)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    if (GetUpdateRect(hWnd, nullptr, FALSE) && IsWindowVisible(hWnd))
        SendMessageW(hWnd, WM_PAINT, 0, 0);
    return TRUE;
}

HDC BeginPaint(HWND hwnd, LPPAINTSTRUCT lpPaint)
{
    if (!lpPaint) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    bool erase = false;
    RECT update {};
    DrawingArea area;
    {
        std::lock_guard guard(gwesLock());
        Window* window = windowOrFail(hwnd);
        if (!window)
            return nullptr;
        // The area first: a surface remade for a new size makes the whole window invalid.
        area = drawingAreaOf(*window, true);
        update = window->invalid ? window->update : RECT {};
        erase = window->erase;
        window->invalid = false;
        window->erase = false;
        window->update = {};
        ++window->painting;
    }
    // Painting reaches only what was invalid.
    const HDC dc = deviceContextOn(hwnd, std::move(area), &update);
    *lpPaint = PAINTSTRUCT {};
    lpPaint->hdc = dc;
    lpPaint->rcPaint = update;
    if (erase)
        lpPaint->fErase = SendMessageW(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0) ? FALSE : TRUE;
    return dc;
}

BOOL EndPaint(HWND hWnd, const PAINTSTRUCT* lpPaint)
{
    {
        std::lock_guard guard(gwesLock());
        if (Window* window = findWindow(hWnd); window && window->painting > 0)
            --window->painting;
    }
    return lpPaint && ReleaseDC(hWnd, lpPaint->hdc);
}
