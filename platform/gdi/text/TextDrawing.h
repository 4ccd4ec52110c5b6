// Drawing one line of text into a device context, shared by ExtTextOutW and DrawTextW.
// Called with gdiLock() held.
#pragma once

#include <string_view>

#include "gdi/fonts/FontEngine.h"
#include "gdi/objects/Drawing.h"

namespace ce::gdi {

struct TextLine {
    int x = 0; // the top left of the text's cell, logical
    int y = 0;
    std::u16string_view text;
    const int* advances = nullptr; // one per UTF-16 unit, or null for the font's own
};

// Draws the line in the text colour, its cell first filled with the background colour when
// the device context is OPAQUE; nothing outside `clip` (when given). Answers the engine's error.
DWORD drawTextLine(
    DrawTarget& target, const DeviceContext& dc, const FontRequest& font, const TextLine& line, const RECT* clip);

// Fills the part of `rect` inside `clip` (when given).
void fillClipped(DrawTarget& target, RECT rect, const RECT* clip, COLORREF color);

} // namespace ce::gdi
