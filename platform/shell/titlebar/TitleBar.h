// The shell's title bar (the navigation bar) across the top of the screen: the start flag, the
// foreground window's title, the time, and the window's OK or close button.
#pragma once

#include "windows.h"

namespace ce::shell {

// Paints the bar onto a device context covering the screen, unless the foreground window asked
// SHFullScreen to hide it.
void paintTitleBar(HDC dc, int screenWidth);

// The title bar's OK button, for taps: its rectangle on the screen (empty when the foreground
// window has no OK button).
RECT titleBarOkButton(int screenWidth);

} // namespace ce::shell
