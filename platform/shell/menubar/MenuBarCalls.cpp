// SHCreateMenuBar and SHFindMenuBar: making the menu bar window of a program's window from a
// menu resource (or a menu handle, or none) and finding it again.
#include "MenuBar.h"
#include "ShellMetrics.h"

namespace {

// The menu the bar shows: none for an empty bar, the handle given, or the module's resource.
bool menuOfBar(const SHMENUBARINFO& info, ce::shell::MenuBarState& setup)
{
    if (info.dwFlags & SHCMBF_EMPTYBAR)
        return true;
    if (info.dwFlags & SHCMBF_HMENU) {
        setup.menu = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(info.nToolBarId));
        return GetMenuItemCount(setup.menu) >= 0;
    }
    setup.menu = LoadMenuW(info.hInstRes, MAKEINTRESOURCEW(info.nToolBarId));
    setup.ownsMenu = setup.menu != nullptr;
    return setup.ownsMenu;
}

struct MenuBarSearch {
    HWND parent;
    HWND bar = nullptr;
};

BOOL findMenuBarOf(HWND hwnd, LPARAM lParam)
{
    auto* search = reinterpret_cast<MenuBarSearch*>(lParam);
    auto state = ce::shell::menuBarState(hwnd);
    if (!state || state->parent != search->parent)
        return TRUE;
    search->bar = hwnd;
    return FALSE;
}

} // namespace

BOOL SHCreateMenuBar(SHMENUBARINFO* pmbi)
{
    if (!pmbi || pmbi->cbSize < sizeof(SHMENUBARINFO)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    pmbi->hwndMB = nullptr;
    if (!IsWindow(pmbi->hwndParent)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    ce::shell::MenuBarState setup;
    setup.parent = pmbi->hwndParent;
    setup.flags = pmbi->dwFlags;
    setup.background = pmbi->clrBk;
    if (!menuOfBar(*pmbi, setup))
        return FALSE;
    const SIZE screen = ce::gwes::screenSize();
    const int height = GetSystemMetrics(SM_CYMENU);
    const DWORD style = WS_POPUP | ((pmbi->dwFlags & SHCMBF_HIDDEN) ? 0 : WS_VISIBLE);
    pmbi->hwndMB = CreateWindowExW(WS_EX_NOACTIVATE, ce::shell::menuBarClass, u"", style, 0, screen.cy - height,
        screen.cx, height, pmbi->hwndParent, nullptr, pmbi->hInstRes, &setup);
    if (!pmbi->hwndMB && setup.ownsMenu)
        DestroyMenu(setup.menu);
    return pmbi->hwndMB != nullptr;
}

HWND SHFindMenuBar(HWND hwnd)
{
    MenuBarSearch search {hwnd, nullptr};
    if (hwnd)
        EnumWindows(findMenuBarOf, reinterpret_cast<LPARAM>(&search));
    return search.bar;
}
