// A device context's program clip, and the area left to draw in. Called with gdiLock() held.
#pragma once

#include "GdiObjects.h"

namespace ce::gdi {

// What a device context may draw, in logical coordinates: its surface less what the system clip
// and the program's clip leave out.
Region drawableArea(const DeviceContext& dc);
// Makes `clip` (relative to the origin; none: no clip of its own) the program's clip, and
// answers the kind of the drawable area it leaves (NULLREGION, SIMPLEREGION, COMPLEXREGION).
int setClip(DeviceContext& dc, std::optional<Region> clip);

} // namespace ce::gdi
