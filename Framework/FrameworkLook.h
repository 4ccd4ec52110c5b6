// What the framework asks of the look: the skin behind windows, the text colours and fonts, and
// the drawing of skinned push buttons. The look of the main window sets its own; until then the
// plain look paints in the system colours.
#pragma once

#include "windows.h"

// Which face set a skinned push button is drawn with.
enum class ButtonFace {
    push, // buttons in dialogs and the title bar
    tab,  // the tab buttons along the bottom of the views
};

// A skinned button's icon: none, one of the title-bar buttons' or one of the tabs'. A button with
// an icon shows the icon; its caption stays its window text.
struct ButtonIcon {
    enum Strip { none, titleBar, tabs } strip = none;
    int index = 0;
};

class FrameworkLook {
public:
    virtual ~FrameworkLook() = default;
    // Paints the skin background under `window` (a dialog or one of its controls) into `dc`.
    virtual void paintBackground(HWND window, HDC dc) = 0;
    virtual COLORREF controlTextColor() = 0;
    virtual COLORREF titleColor() = 0;
    // Draws a skinned push button (a "TTButton") for its owner: its icon, or else its window text
    // as caption.
    virtual void drawButton(const DRAWITEMSTRUCT& item, ButtonFace face, ButtonIcon icon) = 0;
    // Draws a progress bar at `position` (0-100) into `area` of `window`'s device context.
    virtual void drawProgress(HWND window, HDC dc, RECT area, int position) = 0;
};

// The look in use: the one set last, else the plain look.
FrameworkLook& frameworkLook();
// Sets the look (null: back to the plain look). The caller keeps it alive while it is set.
void setFrameworkLook(FrameworkLook* look);
