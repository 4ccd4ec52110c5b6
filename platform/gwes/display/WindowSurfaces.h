// Where windows draw: each top-level window keeps a surface of its size holding it and its
// children; a window's device context draws on that surface at the window's origin, clipped to
// what the window shows (inside its ancestors, below no sibling above it, children left out).
#pragma once

#include <memory>

#include "gdi/objects/Region.h"
#include "gwes/GwesState.h"

namespace ce::gwes {

struct DrawingArea {
    std::shared_ptr<gdi::Surface> surface;
    POINT origin {}; // the window's (0, 0) on the surface
    gdi::Region visible; // surface pixels
};

// Called with gwesLock() held. A top-level window's surface is made (or remade, when the
// window's size changed) here; remaking it asks the whole tree to paint again.
DrawingArea drawingAreaOf(Window& window, bool withoutChildren);
// The top-level window's surface at its current size (at least 1x1), made or remade as above.
std::shared_ptr<gdi::Surface> surfaceFor(Window& topLevel);

} // namespace ce::gwes
