// The values a window carries (GWL_* and its extra bytes), its text, and the default
// procedure's answers.
#include <algorithm>
#include <cstring>

#include "GwesState.h"

namespace ce::gwes {
namespace {

// The window's value at `index` in `size` bytes; false (ERROR_INVALID_INDEX) for a bad index.
bool readValue(const Window& window, int index, size_t size, LONG_PTR& value)
{
    switch (index) {
    case GWL_WNDPROC:
        if (size != sizeof(LONG_PTR))
            return false;
        value = reinterpret_cast<LONG_PTR>(window.proc);
        return true;
    case GWL_ID:
        value = window.id;
        return true;
    case GWL_STYLE:
        value = static_cast<LONG>(window.style);
        return true;
    case GWL_EXSTYLE:
        value = static_cast<LONG>(window.exStyle);
        return true;
    case GWL_USERDATA:
        value = window.userData;
        return true;
    default:
        break;
    }
    if (index < 0 || static_cast<size_t>(index) + size > window.extra.size())
        return false;
    if (size == sizeof(LONG)) {
        LONG small = 0;
        std::memcpy(&small, window.extra.data() + index, size);
        value = small;
    } else {
        std::memcpy(&value, window.extra.data() + index, size);
    }
    return true;
}

void writeValue(Window& window, int index, size_t size, LONG_PTR value)
{
    switch (index) {
    case GWL_WNDPROC:
        window.proc = reinterpret_cast<WNDPROC>(value);
        return;
    case GWL_ID:
        window.id = value;
        return;
    case GWL_STYLE:
        window.style = static_cast<DWORD>(value);
        return;
    case GWL_EXSTYLE:
        window.exStyle = static_cast<DWORD>(value);
        return;
    case GWL_USERDATA:
        window.userData = value;
        return;
    default:
        break;
    }
    if (size == sizeof(LONG)) {
        const LONG small = static_cast<LONG>(value);
        std::memcpy(window.extra.data() + index, &small, size);
    } else {
        std::memcpy(window.extra.data() + index, &value, size);
    }
}

LONG_PTR getValue(HWND hwnd, int index, size_t size)
{
    std::lock_guard guard(gwesLock());
    const Window* window = windowOrFail(hwnd);
    LONG_PTR value = 0;
    if (window && !readValue(*window, index, size, value))
        SetLastError(ERROR_INVALID_INDEX);
    return value;
}

LONG_PTR setValue(HWND hwnd, int index, size_t size, LONG_PTR value)
{
    std::lock_guard guard(gwesLock());
    Window* window = windowOrFail(hwnd);
    LONG_PTR previous = 0;
    if (!window)
        return 0;
    if (!readValue(*window, index, size, previous)) {
        SetLastError(ERROR_INVALID_INDEX);
        return 0;
    }
    SetLastError(ERROR_SUCCESS); // so a previous value of 0 can be told from a failure
    writeValue(*window, index, size, value);
    return previous;
}

LRESULT copyText(HWND hwnd, WPARAM capacity, LPWSTR buffer)
{
    std::lock_guard guard(gwesLock());
    const Window* window = findWindow(hwnd);
    if (!window || !buffer || capacity == 0)
        return 0;
    const size_t count = std::min(window->text.size(), static_cast<size_t>(capacity - 1));
    std::copy_n(window->text.begin(), count, buffer);
    buffer[count] = 0;
    return static_cast<LRESULT>(count);
}

} // namespace
} // namespace ce::gwes

using namespace ce::gwes;

LONG GetWindowLongW(HWND hWnd, int nIndex)
{
    return static_cast<LONG>(getValue(hWnd, nIndex, sizeof(LONG)));
}

LONG SetWindowLongW(HWND hWnd, int nIndex, LONG dwNewLong)
{
    return static_cast<LONG>(setValue(hWnd, nIndex, sizeof(LONG), dwNewLong));
}

LONG_PTR GetWindowLongPtrW(HWND hWnd, int nIndex)
{
    return getValue(hWnd, nIndex, sizeof(LONG_PTR));
}

LONG_PTR SetWindowLongPtrW(HWND hWnd, int nIndex, LONG_PTR dwNewLong)
{
    return setValue(hWnd, nIndex, sizeof(LONG_PTR), dwNewLong);
}

LRESULT CallWindowProcW(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    return lpPrevWndFunc ? lpPrevWndFunc(hWnd, Msg, wParam, lParam) : 0;
}

// Fills the client area with the class's brush.
static LRESULT eraseBackground(HWND hwnd, HDC dc)
{
    HBRUSH brush = nullptr;
    {
        std::lock_guard guard(gwesLock());
        const Window* window = findWindow(hwnd);
        if (!window)
            return 0;
        brush = classBackgroundBrush(*window);
    }
    if (!brush)
        return 0;
    RECT client {};
    GetClientRect(hwnd, &client);
    FillRect(dc, &client, brush);
    return 1;
}

HBRUSH ce::gwes::classBackgroundBrush(const Window& window)
{
    const HBRUSH brush = window.windowClass->data.hbrBackground;
    if (const auto value = reinterpret_cast<UINT_PTR>(brush); value && value <= COLOR_GRADIENTINACTIVECAPTION + 1)
        return GetSysColorBrush(static_cast<int>(value) - 1);
    return brush;
}

LRESULT DefWindowProcW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    switch (Msg) {
    case WM_SETTEXT: {
        std::lock_guard guard(gwesLock());
        Window* window = findWindow(hWnd);
        if (!window)
            return FALSE;
        auto text = reinterpret_cast<LPCWSTR>(lParam);
        window->text = text ? text : u"";
        return TRUE;
    }
    case WM_GETTEXT:
        return copyText(hWnd, wParam, reinterpret_cast<LPWSTR>(lParam));
    case WM_GETTEXTLENGTH: {
        std::lock_guard guard(gwesLock());
        const Window* window = findWindow(hWnd);
        return window ? static_cast<LRESULT>(window->text.size()) : 0;
    }
    case WM_CLOSE:
        DestroyWindow(hWnd);
        return 0;
    case WM_CANCELMODE:
        // Modes the window's thread is in end: a pop-up menu, the stylus capture.
        EndMenu();
        if (GetCapture() == hWnd)
            ReleaseCapture();
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint {};
        BeginPaint(hWnd, &paint);
        EndPaint(hWnd, &paint);
        return 0;
    }
    case WM_ERASEBKGND:
        return eraseBackground(hWnd, reinterpret_cast<HDC>(wParam));
    case WM_WINDOWPOSCHANGED: {
        const auto* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
        if (!pos)
            return 0;
        if (!(pos->flags & SWP_NOSIZE))
            SendMessageW(hWnd, WM_SIZE, SIZE_RESTORED, MAKELONG(pos->cx, pos->cy));
        if (!(pos->flags & SWP_NOMOVE))
            SendMessageW(hWnd, WM_MOVE, 0, MAKELONG(pos->x, pos->y));
        return 0;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE)
            SetFocus(hWnd);
        return 0;
    default:
        return 0;
    }
}

// Whether the window exists; ERROR_INVALID_WINDOW_HANDLE when not.
static bool windowExists(HWND hwnd)
{
    std::lock_guard guard(gwesLock());
    return windowOrFail(hwnd) != nullptr;
}

// Whether the window belongs to another process (or does not exist: false, with the error).
// Another process's window gives its text without a message, as Win32 reads a title across
// processes, so a hung program cannot hold the reader.
static bool ofAnotherProcess(HWND hwnd, bool& exists)
{
    const DWORD processId = GetCurrentProcessId();
    std::lock_guard guard(gwesLock());
    const Window* window = windowOrFail(hwnd);
    exists = window != nullptr;
    return window && window->processId != processId;
}

int GetWindowTextW(HWND hWnd, LPWSTR lpString, int nMaxCount)
{
    if (!windowExists(hWnd))
        return 0;
    if (!lpString || nMaxCount <= 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    bool exists = false;
    if (ofAnotherProcess(hWnd, exists))
        return static_cast<int>(copyText(hWnd, static_cast<WPARAM>(nMaxCount), lpString));
    return static_cast<int>(
        SendMessageW(hWnd, WM_GETTEXT, static_cast<WPARAM>(nMaxCount), reinterpret_cast<LPARAM>(lpString)));
}

int GetWindowTextLengthW(HWND hWnd)
{
    bool exists = false;
    if (ofAnotherProcess(hWnd, exists)) {
        std::lock_guard guard(gwesLock());
        const Window* window = findWindow(hWnd);
        return window ? static_cast<int>(window->text.size()) : 0;
    }
    return exists ? static_cast<int>(SendMessageW(hWnd, WM_GETTEXTLENGTH, 0, 0)) : 0;
}

BOOL SetWindowTextW(HWND hWnd, LPCWSTR lpString)
{
    return windowExists(hWnd) ? static_cast<BOOL>(SendMessageW(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpString)))
                              : FALSE;
}
