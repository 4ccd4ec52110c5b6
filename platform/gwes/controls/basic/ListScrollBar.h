// The vertical scroll bar of a list box or a combo box's dropped list: an arrow button at each
// end, the trough between them and a thumb as large as the share of the rows shown. Its parts
// serve both drawing and taps.
#pragma once

#include "windows.h"

namespace ce::gwes::basic {

struct ScrollBarParts {
    RECT up;
    RECT down;
    RECT trough; // between the arrows
    RECT thumb; // empty when the rows all show
};

// The parts of a bar in `bar` for `shown` rows from `first` of `total`.
ScrollBarParts scrollBarParts(const RECT& bar, int first, int shown, int total);

void drawScrollBar(HDC dc, const ScrollBarParts& parts);

// The first row after a tap at `y` on the bar: a row up or down on the arrows, a page on the
// trough either side of the thumb; `first` on the thumb.
int firstRowAfterTap(const ScrollBarParts& parts, int y, int first, int shown);

} // namespace ce::gwes::basic
