// The shell's title bar (the navigation bar) across the top of the screen: the start flag, the
// foreground window's title, the time, and the window's OK or close button.
#pragma once

#include <string>

#include "windows.h"

namespace ce::shell {

// What the bar shows now; equal contents paint equal pixels, so a painted bar can be kept.
struct TitleBarContent {
    bool shown = false; // false when the foreground window asked SHFullScreen to hide it
    std::u16string title;
    std::u16string clock;
    bool okButton = false;
    bool closeButton = false;
    COLORREF caption = 0; // the band's colours (COLOR_ACTIVECAPTION to its gradient) and the text's
    COLORREF gradient = 0;
    COLORREF text = 0;
    bool operator==(const TitleBarContent&) const = default;
};

TitleBarContent titleBarContent();

// Paints the bar across the top of a device context covering the screen.
void paintTitleBar(HDC dc, int screenWidth, const TitleBarContent& content);

// The title bar's OK button, for taps: its rectangle on the screen (empty when the foreground
// window has no OK button).
RECT titleBarOkButton(int screenWidth);

} // namespace ce::shell
