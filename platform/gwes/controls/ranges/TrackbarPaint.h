// The parts of a trackbar as it draws them, at the rectangles its layout gives (Trackbar.cpp).
#pragma once

#include <vector>

#include "windows.h"

namespace ce::gwes::trackbar_paint {

// One tick mark: its place along the channel and the span across it that it covers.
struct TickMark {
    int along = 0;
    int across0 = 0;
    int across1 = 0;
};

void drawTics(HDC dc, bool vertical, const std::vector<TickMark>& marks);
// The channel: a white well with a thin border; `selection` (may be empty) in the highlight.
void drawChannel(HDC dc, const RECT& channel, const RECT& selection);
// The thumb: a push-button face, pushed while the stylus drags it, greyed when disabled.
void drawThumb(HDC dc, const RECT& thumb, bool pressed, bool enabled);

} // namespace ce::gwes::trackbar_paint
