// The raster operations of the blits: how source, destination and pattern combine.
#pragma once

#include <optional>

#include "GdiObjects.h"

namespace ce::gdi {

// The result of `rop`, or none for an operation this device does not know.
std::optional<COLORREF> combine(DWORD rop, COLORREF source, COLORREF destination, COLORREF pattern);
bool knownRasterOp(DWORD rop);
bool usesSource(DWORD rop);
// The colour a brush paints (black for a handle that is no brush). Called with gdiLock() held.
COLORREF brushColour(HGDIOBJ brush);

} // namespace ce::gdi
