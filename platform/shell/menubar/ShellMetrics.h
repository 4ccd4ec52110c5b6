// The sizes of the shell's furniture and of pop-up menus. The screen, the title bar (the
// navigation bar, SM_CYCAPTION) and the menu bar (SM_CYMENU) come from the window system's
// metrics; the rest are Pocket PC pixels at 96 dpi, scaled to the screen. Layout, hit tests
// and drawing take their numbers from here.
#pragma once

#include "gwes/Screen.h"
#include "windows.h"

namespace ce::shell {

constexpr int sipPanelHeight = 80; // the input panel, above the menu bar when it is up
constexpr int popupItemHeight = 18; // a text item of a pop-up menu
constexpr int popupSeparatorHeight = 6;
constexpr int popupCharWidth = 6; // average character width of the menu font
constexpr int popupTextMargin = 24; // check-mark column and right margin around the text
constexpr int popupCheckColumn = 14; // the left part of that margin, where check marks go
constexpr int popupMinWidth = 60;

// The menu bar's light blue-grey face and the darker line along its top; no system colour
// names them. SHCMBF_COLORBK replaces the face.
constexpr COLORREF menuBarFace = RGB(0xDE, 0xE6, 0xF3);
constexpr COLORREF menuBarLine = RGB(0x6D, 0x83, 0xA8);

// The screen without the title bar at the top: where full-screen windows go.
inline RECT belowTitleBar()
{
    const SIZE screen = gwes::screenSize();
    return {0, GetSystemMetrics(SM_CYCAPTION), screen.cx, screen.cy};
}

} // namespace ce::shell
