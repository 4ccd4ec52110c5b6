// The device's screen as the window system sees it: size and dots per inch from the profile
// (240x320 at 96 dpi without a device).
#pragma once

#include "windows.h"

namespace ce::gwes {

SIZE screenSize();
int screenDpi();
// A 96-dpi measure in pixels of this screen (doubled at 192 dpi).
int scaledForScreen(int pixelsAt96Dpi);

} // namespace ce::gwes
