// A view's layout table: where each of its controls goes in each screen orientation, in the
// units of the design screen (240 × 320, or 240 × 240 for square screens).
#pragma once

#include <span>

#include "windef.h"

enum Orientation : int {
    portrait = 0,
    landscape = 1,
    square = 2,
};

// Portrait when the screen is narrower than high, landscape when wider, square when equal.
Orientation orientationOf(int width, int height);

struct LayoutEntry {
    int id;         // the control; an entry with id 0 ends the table
    RECT rects[3];  // left, top, right, bottom for each Orientation
};

// The entries of a table: those before its id 0 entry, or all of them when it has none.
std::span<LayoutEntry> tableEntries(std::span<LayoutEntry> table);
