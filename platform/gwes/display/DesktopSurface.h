// The desktop: the pixels below every window, at the screen's size, drawn through GetDC(NULL).
#pragma once

#include <memory>

#include "gdi/objects/Surface.h"

namespace ce::gwes {

inline constexpr COLORREF desktopColour = RGB(0x6B, 0x8E, 0xC5);

// Remade (in the desktop colour) when the screen's size changed.
std::shared_ptr<gdi::Surface> desktopSurface();

} // namespace ce::gwes
