// The lists' scroll bar: its parts, drawing and taps.
#include "ListScrollBar.h"

#include <algorithm>

#include "ControlPaint.h"

namespace ce::gwes::basic {

ScrollBarParts scrollBarParts(const RECT& bar, int first, int shown, int total)
{
    const int width = bar.right - bar.left;
    const int arrow = std::min<int>(width, (bar.bottom - bar.top) / 2);
    ScrollBarParts parts {};
    parts.up = {bar.left, bar.top, bar.right, bar.top + arrow};
    parts.down = {bar.left, bar.bottom - arrow, bar.right, bar.bottom};
    parts.trough = {bar.left, parts.up.bottom, bar.right, parts.down.top};
    const int length = parts.trough.bottom - parts.trough.top;
    if (total <= shown || length <= 0)
        return parts;
    const int thumbLength = std::clamp(length * shown / total, std::min(width / 2, length), length);
    const int top = parts.trough.top + (length - thumbLength) * std::clamp(first, 0, total - shown) / (total - shown);
    parts.thumb = {bar.left, top, bar.right, top + thumbLength};
    return parts;
}

void drawScrollBar(HDC dc, const ScrollBarParts& parts)
{
    const UINT inactive = IsRectEmpty(&parts.thumb) ? static_cast<UINT>(DFCS_INACTIVE) : 0u;
    RECT up = parts.up;
    RECT down = parts.down;
    DrawFrameControl(dc, &up, DFC_SCROLL, DFCS_SCROLLUP | inactive);
    DrawFrameControl(dc, &down, DFC_SCROLL, DFCS_SCROLLDOWN | inactive);
    fillSystem(dc, parts.trough, COLOR_SCROLLBAR);
    if (!inactive) {
        RECT thumb = parts.thumb;
        DrawFrameControl(dc, &thumb, DFC_BUTTON, DFCS_BUTTONPUSH);
    }
}

int firstRowAfterTap(const ScrollBarParts& parts, int y, int first, int shown)
{
    if (IsRectEmpty(&parts.thumb))
        return first;
    if (y < parts.up.bottom)
        return first - 1;
    if (y >= parts.down.top)
        return first + 1;
    if (y < parts.thumb.top)
        return first - shown;
    if (y >= parts.thumb.bottom)
        return first + shown;
    return first;
}

} // namespace ce::gwes::basic
