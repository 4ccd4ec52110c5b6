// Drawing a trackbar's tick marks, channel and thumb in the Pocket PC look.
#include "TrackbarPaint.h"

#include <algorithm>

#include "RangePaint.h"
#include "gwes/Screen.h"

namespace ce::gwes::trackbar_paint {

void drawTics(HDC dc, bool vertical, const std::vector<TickMark>& marks)
{
    const int line = std::max(1, scaledForScreen(1));
    const COLORREF color = GetSysColor(COLOR_BTNTEXT);
    for (const TickMark& mark : marks) {
        const RECT along {mark.along, mark.across0, mark.along + line, mark.across1};
        const RECT across {mark.across0, mark.along, mark.across1, mark.along + line};
        range_paint::fill(dc, vertical ? across : along, color);
    }
}

void drawChannel(HDC dc, const RECT& channel, const RECT& selection)
{
    const RECT inside = range_paint::well(dc, channel, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_WINDOW));
    RECT shown {};
    if (IntersectRect(&shown, &selection, &inside))
        range_paint::fill(dc, shown, GetSysColor(COLOR_HIGHLIGHT));
}

void drawThumb(HDC dc, const RECT& thumb, bool pressed, bool enabled)
{
    RECT face = thumb;
    DrawFrameControl(
        dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0) | (enabled ? 0 : DFCS_INACTIVE));
}

} // namespace ce::gwes::trackbar_paint
