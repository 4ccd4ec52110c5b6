// A list view's vertical scroll bar: the window system draws no frames, so the list draws its
// own bar (SM_CXVSCROLL wide, arrows at both ends and a thumb) along its right edge under the
// header while the rows do not fit, and answers taps and drags on it.
#pragma once

#include "ListViewState.h"

namespace ce::gwes {

bool scrollBarShown(const ListView& lv);
// Where the rows end on the right: the client's edge, or the bar's left while it shows.
int rowsRight(const ListView& lv);
// The bar's parts in client coordinates; all empty while it is not shown.
struct ScrollBarParts {
    RECT bar;
    RECT up;
    RECT down;
    RECT thumb;
};
ScrollBarParts scrollBarParts(const ListView& lv);

void paintScrollBar(const ListView& lv, HDC dc);
// A tap at `pt`: false when it is not on the bar; on it an arrow scrolls a row, the trough a
// page, and the thumb is held to be dragged.
bool scrollBarTap(ListView& lv, POINT pt);
// The stylus moving (true while it drags the thumb) and lifting; a lost capture ends the drag.
bool scrollBarDrag(ListView& lv, POINT pt);
bool scrollBarRelease(ListView& lv);
void scrollBarCaptureLost(ListView& lv);

} // namespace ce::gwes
