// The device's screen as the window system sees it: size and dots per inch from the profile
// (240x320 at 96 dpi without a device), the size turned when the screen is rotated.
#pragma once

#include "windows.h"

namespace ce::gwes {

SIZE screenSize();
// Turns the screen a quarter (width and height swap); the window system tells the windows.
void turnScreen();
int screenDpi();
// A 96-dpi measure in pixels of this screen (doubled at 192 dpi).
int scaledForScreen(int pixelsAt96Dpi);

} // namespace ce::gwes
