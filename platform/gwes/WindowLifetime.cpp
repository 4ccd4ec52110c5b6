// Creating and destroying windows, with the messages Win32 sends on the way: WM_CREATE, the
// first WM_SIZE and WM_MOVE; WM_DESTROY from the window down to its children, then
// WM_NCDESTROY from the children up.
#include <algorithm>

#include "GwesState.h"
#include "Screen.h"

namespace ce::gwes {
namespace {

HWND topLevelOf(HWND hwnd)
{
    Window* window = findWindow(hwnd);
    while (window && (window->style & WS_CHILD) && findWindow(window->parent))
        window = findWindow(window->parent);
    return window ? window->handle : nullptr;
}

std::vector<HWND> childrenOf(HWND hwnd)
{
    std::lock_guard guard(gwesLock());
    Window* window = findWindow(hwnd);
    return window ? window->children : std::vector<HWND> {};
}

void markDestroying(HWND hwnd)
{
    Window* window = findWindow(hwnd);
    if (!window)
        return;
    window->destroying = true;
    for (HWND child : window->children)
        markDestroying(child);
}

void sendDestroy(HWND hwnd)
{
    callProcedure(hwnd, WM_DESTROY, 0, 0);
    for (HWND child : childrenOf(hwnd))
        sendDestroy(child);
}

void release(HWND hwnd)
{
    for (HWND child : childrenOf(hwnd))
        release(child);
    callProcedure(hwnd, WM_NCDESTROY, 0, 0);
    {
        std::lock_guard guard(gwesLock());
        Window* window = findWindow(hwnd);
        if (!window)
            return;
        unlinkWindow(*window);
        auto& timers = queueOf(window->threadId).timers;
        timers.erase(std::remove_if(timers.begin(), timers.end(), [&](const Timer& t) { return t.hwnd == hwnd; }),
            timers.end());
        state().windows.erase(hwnd);
    }
    wakeQueues();
}

} // namespace
} // namespace ce::gwes

using namespace ce::gwes;

HWND CreateWindowExW(DWORD dwExStyle, LPCWSTR lpClassName, LPCWSTR lpWindowName, DWORD dwStyle, int x, int y,
    int nWidth, int nHeight, HWND hWndParent, HMENU hMenu, HINSTANCE hInstance, LPVOID lpParam)
{
    const DWORD processId = GetCurrentProcessId();
    HWND hwnd = nullptr;
    {
        std::lock_guard guard(gwesLock());
        auto windowClass = findClass(lpClassName);
        if (!windowClass) {
            SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
            return nullptr;
        }
        const bool child = dwStyle & WS_CHILD;
        if ((hWndParent || child) && !windowOrFail(hWndParent))
            return nullptr;
        auto window = std::make_shared<Window>();
        State& s = state();
        hwnd = reinterpret_cast<HWND>(s.nextHandle);
        s.nextHandle += 4;
        window->handle = hwnd;
        window->windowClass = windowClass;
        window->text = lpWindowName ? lpWindowName : u"";
        window->style = dwStyle;
        window->exStyle = dwExStyle;
        window->proc = windowClass->data.lpfnWndProc;
        window->parent = child ? hWndParent : nullptr;
        window->owner = child ? nullptr : topLevelOf(hWndParent);
        window->id = child ? reinterpret_cast<LONG_PTR>(hMenu) : 0;
        if (x == CW_USEDEFAULT)
            x = y = 0;
        if (nWidth == CW_USEDEFAULT) {
            // Top-level windows take the whole screen.
            nWidth = child ? 0 : screenSize().cx;
            nHeight = child ? 0 : screenSize().cy;
        }
        window->rect = {x, y, x + nWidth, y + nHeight};
        window->threadId = currentQueue().threadId;
        window->processId = processId;
        window->extra.assign(static_cast<size_t>(windowClass->data.cbWndExtra), 0);
        ++windowClass->windows;
        s.windows[hwnd] = window;
        // A new top-level window goes on top; a new child below its siblings, so children
        // stand in creation order (the order dialogs tab through).
        auto& siblings = siblingsOf(*window);
        siblings.insert(child ? siblings.end() : siblings.begin(), hwnd);
    }
    CREATESTRUCTW create {lpParam, hInstance, hMenu, hWndParent, nHeight, nWidth, y, x, static_cast<LONG>(dwStyle),
        lpWindowName, lpClassName, dwExStyle};
    if (callProcedure(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
        DestroyWindow(hwnd);
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    callProcedure(hwnd, WM_SIZE, SIZE_RESTORED, MAKELONG(nWidth, nHeight));
    callProcedure(hwnd, WM_MOVE, 0, MAKELONG(x, y));
    if (dwStyle & WS_VISIBLE) {
        InvalidateRect(hwnd, nullptr, TRUE);
        if (!(dwStyle & WS_CHILD) && !(dwExStyle & WS_EX_NOACTIVATE))
            SetActiveWindow(hwnd);
    }
    return IsWindow(hwnd) ? hwnd : nullptr;
}

BOOL DestroyWindow(HWND hWnd)
{
    std::vector<HWND> owned;
    {
        std::lock_guard guard(gwesLock());
        Window* window = windowOrFail(hWnd);
        if (!window)
            return FALSE;
        if (window->threadId != ce::currentThreadId()) {
            SetLastError(ERROR_ACCESS_DENIED);
            return FALSE;
        }
        if (window->destroying)
            return TRUE;
        markDestroying(hWnd);
        for (auto& [handle, other] : state().windows) {
            if (other->owner == hWnd)
                owned.push_back(handle);
        }
    }
    for (HWND ownedWindow : owned)
        DestroyWindow(ownedWindow);
    sendDestroy(hWnd);
    release(hWnd);
    return TRUE;
}
