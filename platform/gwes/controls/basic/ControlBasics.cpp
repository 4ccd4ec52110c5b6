// Helpers shared by the basic controls.
#include "ControlBasics.h"

#include <algorithm>
#include <vector>

namespace ce::gwes::basic {

POINT pointOf(LPARAM lParam)
{
    return {static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))};
}

bool isInside(const RECT& rect, POINT point)
{
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom;
}

RECT clientRect(HWND hwnd)
{
    RECT rect {};
    GetClientRect(hwnd, &rect);
    return rect;
}

DWORD styleOf(HWND hwnd)
{
    return static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE));
}

void changeStyle(HWND hwnd, DWORD bits, bool set)
{
    const DWORD style = styleOf(hwnd);
    SetWindowLongW(hwnd, GWL_STYLE, static_cast<LONG>(set ? (style | bits) : (style & ~bits)));
}

std::u16string windowText(HWND hwnd)
{
    const int length = GetWindowTextLengthW(hwnd);
    if (length <= 0)
        return {};
    std::vector<WCHAR> buffer(static_cast<size_t>(length) + 1);
    const int copied = GetWindowTextW(hwnd, buffer.data(), length + 1);
    return std::u16string(buffer.data(), static_cast<size_t>(std::max(copied, 0)));
}

LRESULT defaultControlProc(HWND hwnd, HFONT& font, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SETFONT:
        font = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam))
            InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font);
    case WM_ENABLE:
    case WM_SETTEXT:
        InvalidateRect(hwnd, nullptr, TRUE);
        return DefWindowProcW(hwnd, message, wParam, lParam);
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

} // namespace ce::gwes::basic
