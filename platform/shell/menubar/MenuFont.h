// The font of the shell's menus: the system font (Tahoma 8 pt at the screen's scale), in bold
// for the menu bar's buttons.
#pragma once

#include "windows.h"

namespace ce::shell {

// A new font; the caller deletes it.
HFONT createMenuFont(bool bold);

// Selects a menu font into a device context for the object's life, then restores and deletes it.
class MenuFontSelection {
public:
    MenuFontSelection(HDC dc, bool bold);
    ~MenuFontSelection();
    MenuFontSelection(const MenuFontSelection&) = delete;
    MenuFontSelection& operator=(const MenuFontSelection&) = delete;

private:
    HDC dc_;
    HFONT font_;
    HGDIOBJ previous_;
};

} // namespace ce::shell
