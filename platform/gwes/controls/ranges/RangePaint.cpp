// The drawing helpers the range controls share.
#include "RangePaint.h"

#include <algorithm>

#include "gwes/Screen.h"

namespace ce::gwes::range_paint {

void fill(HDC dc, const RECT& rect, COLORREF color)
{
    SetBkColor(dc, color);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

RECT well(HDC dc, const RECT& rect, COLORREF border, COLORREF inside)
{
    const int line = std::max(1, scaledForScreen(1));
    fill(dc, rect, border);
    RECT middle = rect;
    InflateRect(&middle, -line, -line);
    if (middle.right > middle.left && middle.bottom > middle.top)
        fill(dc, middle, inside);
    return middle;
}

HBRUSH backgroundBrush(HWND hwnd, HDC dc)
{
    HWND parent = GetParent(hwnd);
    const LRESULT answer = parent
        ? SendMessageW(parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd))
        : 0;
    return answer ? reinterpret_cast<HBRUSH>(answer) : GetSysColorBrush(COLOR_STATIC);
}

} // namespace ce::gwes::range_paint
