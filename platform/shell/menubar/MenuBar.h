// The menu bar window (class "menu_worker") that SHCreateMenuBar makes: its buttons, made from
// the top-level items of a menu, what it needs to know when it is created, and its layout.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "aygshell.h"

namespace ce::shell {

constexpr const WCHAR* menuBarClass = u"menu_worker";

struct MenuBarButton {
    int idCommand = 0;
    BYTE fsState = TBSTATE_ENABLED;
    BYTE fsStyle = TBSTYLE_BUTTON;
    DWORD_PTR dwData = 0; // the popup's HMENU for a popup button, else the item's data word
    HMENU popup = nullptr;
    std::u16string text;
};

struct MenuBarState {
    HWND parent = nullptr; // gets the commands, owns the pop-ups
    HMENU menu = nullptr; // null for an empty bar
    bool ownsMenu = false; // loaded from a resource: destroyed with the bar
    DWORD flags = 0; // SHCMBF_*
    COLORREF background = 0;
    std::vector<MenuBarButton> buttons;
    int pressed = -1; // the button under the stylus since WM_LBUTTONDOWN
};

// The state of the bar `hwnd`, or null when it is no menu bar.
std::shared_ptr<MenuBarState> menuBarState(HWND hwnd);

// The left edges of the buttons' parts of the bar, in equal shares of its width (hidden buttons
// take none: they start and end where the next shown one starts), with the bar's right edge last.
std::vector<int> menuBarButtonEdges(HWND hwnd, const MenuBarState& state);

// WM_PAINT of the bar (MenuBarPaint.cpp).
void paintMenuBar(HWND hwnd, const MenuBarState& state);

} // namespace ce::shell
