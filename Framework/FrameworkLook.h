// What the framework asks of the look: the skin behind windows, the text colours and fonts, and
// the drawing of skinned push buttons. The look of the main window sets its own; until then the
// plain look paints in the system colours.
#pragma once

#include "windows.h"

class FrameworkLook {
public:
    virtual ~FrameworkLook() = default;
    // Paints the skin background under `window` (a dialog or one of its controls) into `dc`.
    virtual void paintBackground(HWND window, HDC dc) = 0;
    virtual COLORREF controlTextColor() = 0;
    virtual COLORREF titleColor() = 0;
    // Draws a skinned push button (a "TTButton") for its owner.
    virtual void drawButton(const DRAWITEMSTRUCT& item) = 0;
};

// The look in use: the one set last, else the plain look.
FrameworkLook& frameworkLook();
// Sets the look (null: back to the plain look). The caller keeps it alive while it is set.
void setFrameworkLook(FrameworkLook* look);
