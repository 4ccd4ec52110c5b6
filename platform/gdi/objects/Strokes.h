// The pen and brush a device context draws with, and the pen's dots and lines through a
// DrawTarget. Called with gdiLock() held.
#pragma once

#include "Drawing.h"

namespace ce::gdi {

// The pen selected into a device context (the stock black pen for anything else).
const PenObject& penOf(const DeviceContext& dc);
// The brush a device context fills with; null for the hollow brush (nothing to fill).
const BrushObject* fillBrushOf(const DeviceContext& dc);

// A pen's dot at a logical point: a square of the pen's width centred on it.
void penDot(DrawTarget& target, const PenObject& pen, int x, int y);
// The pixels from `from` towards `to` (Bresenham's steps), `to` left out as GDI leaves it.
void penLine(DrawTarget& target, const PenObject& pen, POINT from, POINT to);

} // namespace ce::gdi
