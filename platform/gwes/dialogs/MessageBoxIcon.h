// The icon of a message box (MB_ICONHAND, MB_ICONQUESTION, MB_ICONEXCLAMATION,
// MB_ICONASTERISK), drawn as a shape with a symbol in it.
#pragma once

#include "windows.h"

namespace ce::gwes {

// Whether the MB_* type shows an icon.
bool hasMessageBoxIcon(UINT type);

// Draws the type's icon filling `box`: a red disc with a white cross, a blue disc with a white
// question mark or "i", or a yellow triangle with a black exclamation mark.
void drawMessageBoxIcon(HDC dc, const RECT& box, UINT type);

} // namespace ce::gwes
