// The small shapes frame controls draw: check marks, discs, arrows, the close cross and the
// "ok" of a title bar. Each is fitted into a box and scaled to it by whole pixels, so the
// 96-dpi shapes stay crisp at 192 dpi.
#pragma once

#include "gdi/objects/Drawing.h"

namespace ce::gwes::look {

enum class ArrowDirection { up, down, left, right };

// A tick, 7 units wide and 7 tall at 13 pixels a box, centred in `box`.
void drawCheckMark(gdi::DrawTarget& target, const RECT& box, COLORREF color);
// Every pixel whose centre lies within `diameter` / 2 of the box's centre.
void drawDisc(gdi::DrawTarget& target, const RECT& box, int diameter, COLORREF color);
// A filled triangle pointing `direction`, centred in `box`, its base half the box's smaller side.
void drawArrow(gdi::DrawTarget& target, const RECT& box, ArrowDirection direction, COLORREF color);
// Two crossing diagonals, two units thick, in the middle half of `box`.
void drawCross(gdi::DrawTarget& target, const RECT& box, COLORREF color);
// The letters "ok", centred in `box`.
void drawOk(gdi::DrawTarget& target, const RECT& box, COLORREF color);

} // namespace ce::gwes::look
