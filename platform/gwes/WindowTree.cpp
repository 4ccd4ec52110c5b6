// Finding windows and walking the tree: parents, owners, siblings in z-order, and the
// states a window's style holds (visible, enabled).
#include <algorithm>

#include "GwesState.h"
#include "text/CaseTable.h"

using namespace ce::gwes;

namespace {

HWND siblingAt(const std::vector<HWND>& siblings, HWND hwnd, int step)
{
    auto at = std::find(siblings.begin(), siblings.end(), hwnd);
    if (at == siblings.end())
        return nullptr;
    const auto index = (at - siblings.begin()) + step;
    return index >= 0 && index < static_cast<long>(siblings.size()) ? siblings[static_cast<size_t>(index)] : nullptr;
}

} // namespace

BOOL IsWindow(HWND hWnd)
{
    std::lock_guard guard(gwesLock());
    return findWindow(hWnd) != nullptr;
}

BOOL IsWindowVisible(HWND hWnd)
{
    std::lock_guard guard(gwesLock());
    const Window* window = findWindow(hWnd);
    if (!window)
        return FALSE;
    for (; window; window = (window->style & WS_CHILD) ? findWindow(window->parent) : nullptr) {
        if (!(window->style & WS_VISIBLE))
            return FALSE;
    }
    return TRUE;
}

BOOL IsWindowEnabled(HWND hWnd)
{
    std::lock_guard guard(gwesLock());
    const Window* window = findWindow(hWnd);
    return window && !(window->style & WS_DISABLED);
}

BOOL IsChild(HWND hWndParent, HWND hWnd)
{
    std::lock_guard guard(gwesLock());
    for (const Window* window = findWindow(hWnd); window && (window->style & WS_CHILD);) {
        if (window->parent == hWndParent)
            return TRUE;
        window = findWindow(window->parent);
    }
    return FALSE;
}

BOOL EnableWindow(HWND hWnd, BOOL bEnable)
{
    bool wasDisabled = false;
    {
        std::lock_guard guard(gwesLock());
        Window* window = windowOrFail(hWnd);
        if (!window)
            return FALSE;
        wasDisabled = window->style & WS_DISABLED;
        if (bEnable)
            window->style &= ~static_cast<DWORD>(WS_DISABLED);
        else
            window->style |= WS_DISABLED;
        if (!bEnable && state().focus == hWnd)
            state().focus = nullptr;
    }
    if (wasDisabled == !bEnable)
        return wasDisabled;
    SendMessageW(hWnd, WM_ENABLE, bEnable ? TRUE : FALSE, 0);
    return wasDisabled;
}

HWND GetParent(HWND hWnd)
{
    std::lock_guard guard(gwesLock());
    const Window* window = windowOrFail(hWnd);
    if (!window)
        return nullptr;
    return (window->style & WS_CHILD) ? window->parent : window->owner;
}

HWND GetWindow(HWND hWnd, UINT uCmd)
{
    std::lock_guard guard(gwesLock());
    const Window* window = windowOrFail(hWnd);
    if (!window)
        return nullptr;
    const auto& siblings = siblingsOf(*window);
    switch (uCmd) {
    case GW_HWNDFIRST:
        return siblings.empty() ? nullptr : siblings.front();
    case GW_HWNDLAST:
        return siblings.empty() ? nullptr : siblings.back();
    case GW_HWNDNEXT:
        return siblingAt(siblings, hWnd, 1);
    case GW_HWNDPREV:
        return siblingAt(siblings, hWnd, -1);
    case GW_OWNER:
        return window->owner;
    case GW_CHILD:
        return window->children.empty() ? nullptr : window->children.front();
    default:
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
}

HWND GetDlgItem(HWND hDlg, int nIDDlgItem)
{
    std::lock_guard guard(gwesLock());
    const Window* window = windowOrFail(hDlg);
    if (!window)
        return nullptr;
    for (HWND child : window->children) {
        if (findWindow(child)->id == nIDDlgItem)
            return child;
    }
    SetLastError(ERROR_CONTROL_ID_NOT_FOUND);
    return nullptr;
}

int GetDlgCtrlID(HWND hWnd)
{
    std::lock_guard guard(gwesLock());
    const Window* window = windowOrFail(hWnd);
    return window ? static_cast<int>(window->id) : 0;
}

DWORD GetWindowThreadProcessId(HWND hWnd, LPDWORD lpdwProcessId)
{
    std::lock_guard guard(gwesLock());
    const Window* window = windowOrFail(hWnd);
    if (!window)
        return 0;
    if (lpdwProcessId)
        *lpdwProcessId = window->processId;
    return window->threadId;
}

// Windows of every process are searched: a class name matches any process's class of that name.
HWND FindWindowW(LPCWSTR lpClassName, LPCWSTR lpWindowName)
{
    std::lock_guard guard(gwesLock());
    const bool byAtom = lpClassName && reinterpret_cast<uintptr_t>(lpClassName) < 0x10000;
    const auto atomClass = byAtom ? findClass(lpClassName) : nullptr;
    if (byAtom && !atomClass)
        return nullptr;
    for (HWND hwnd : state().topLevel) {
        const Window* window = findWindow(hwnd);
        const bool classMatches = !lpClassName
            || (byAtom ? window->windowClass == atomClass : ce::sameNameDevice(window->windowClass->name, lpClassName));
        if (classMatches && (!lpWindowName || window->text == lpWindowName))
            return hwnd;
    }
    return nullptr;
}

BOOL EnumWindows(WNDENUMPROC lpEnumFunc, LPARAM lParam)
{
    if (!lpEnumFunc) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    std::vector<HWND> windows;
    {
        std::lock_guard guard(gwesLock());
        windows = state().topLevel;
    }
    for (HWND hwnd : windows) {
        if (IsWindow(hwnd) && !lpEnumFunc(hwnd, lParam))
            return FALSE;
    }
    return TRUE;
}
