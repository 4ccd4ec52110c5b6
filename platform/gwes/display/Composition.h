// Composing the screen from the desktop and the top-level windows' surfaces.
#pragma once

#include "gdi/objects/Surface.h"

namespace ce::gwes {

// Draws the screen into `frame` (made at the screen's size when it is not): the desktop, then
// every visible top-level window from the bottom of the z-order up, then the title bar.
void composeScreen(gdi::Surface& frame);

} // namespace ce::gwes
