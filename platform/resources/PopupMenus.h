// An open pop-up menu: its state, kept with its window of class "MNU" and touched only on the
// thread that runs the pop-up, and the private messages through which the modal loop and the
// host side act on it (the host side sends them, so it waits for the pop-up's thread).
#pragma once

#include <string>
#include <vector>

#include "windows.h"

namespace ce {

constexpr const WCHAR* popupMenuClass = u"MNU";

// One item of a menu as pop-ups and the menu bar show it.
struct MenuItemView {
    UINT type = 0; // MFT_*
    UINT state = 0; // MFS_*
    UINT id = 0;
    HMENU popup = nullptr;
    ULONG_PTR data = 0;
    std::u16string text;

    bool separator() const { return type & MFT_SEPARATOR; }
    bool selectable() const { return !separator() && !(state & (MF_GRAYED | MF_DISABLED)); }
};

// The item at `position` of `menu`; false when there is none.
bool readMenuItem(HMENU menu, int position, MenuItemView& view);

// The text without its '&' markers ("&&" is a literal '&').
std::u16string withoutMnemonics(const std::u16string& text);

struct PopupLevel {
    HMENU menu = nullptr;
    int highlight = -1; // position of the highlighted item, -1 for none
    RECT rect {}; // where the level shows, in screen coordinates
};

struct PopupMenuState {
    HWND owner = nullptr;
    UINT flags = 0; // TPM_*
    std::vector<PopupLevel> levels; // the root menu first, then the open sub-menus
    bool ended = false;
    bool chosen = false;
    UINT chosenId = 0;
};

// Private messages of the pop-up window; each answers TRUE when it acted.
constexpr UINT popupChoosePath = WM_USER + 1; // lParam: const std::vector<std::u16string>* of item texts
constexpr UINT popupChooseId = WM_USER + 2; // wParam: a command id under the root menu
constexpr UINT popupDescribe = WM_USER + 3; // lParam: emulator::PopupMenuInfo* to fill
constexpr UINT popupWake = WM_USER + 4; // posted when the pop-up ends, so the modal loop looks again

// The height of an item on the screen (ShellMetrics.h's 96-dpi heights, scaled).
int popupItemHeight(const MenuItemView& item);

// The pop-up's size for `menu`: the widest text in the menu font with the margins for check
// marks and sub-menu arrows, and the items' heights.
CEAPI SIZE popupMenuSize(HMENU menu);

// WM_PAINT of the pop-up window: `level`'s items (PopupMenuPaint.cpp).
void paintPopupMenu(HWND hwnd, const PopupLevel& level);

// Where a level of `size` shows for a request at x, y with TPM_* alignment, keeping clear of
// `exclude` (may be null) and inside the screen.
RECT placePopup(SIZE size, int x, int y, UINT flags, const RECT* exclude);

} // namespace ce
