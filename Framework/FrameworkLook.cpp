// The plain look: the window colour behind everything, the window text colour, and push buttons
// drawn as the platform draws them.
#include "FrameworkLook.h"

#include <algorithm>

namespace {

class PlainLook : public FrameworkLook {
public:
    void paintBackground(HWND window, HDC dc) override
    {
        RECT area;
        GetClientRect(window, &area);
        FillRect(dc, &area, GetSysColorBrush(COLOR_WINDOW));
    }
    COLORREF controlTextColor() override { return GetSysColor(COLOR_WINDOWTEXT); }
    COLORREF titleColor() override { return GetSysColor(COLOR_WINDOWTEXT); }
    void drawButton(const DRAWITEMSTRUCT& item, ButtonFace, ButtonIcon) override
    {
        RECT face = item.rcItem;
        const bool pressed = item.itemState & ODS_SELECTED;
        DrawFrameControl(item.hDC, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
        WCHAR text[128] = {};
        GetWindowTextW(item.hwndItem, text, 128);
        SetBkMode(item.hDC, TRANSPARENT);
        SetTextColor(item.hDC, GetSysColor((item.itemState & ODS_DISABLED) ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
        DrawTextW(item.hDC, text, -1, &face, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        if (item.itemState & ODS_FOCUS) {
            InflateRect(&face, -3, -3);
            DrawFocusRect(item.hDC, &face);
        }
    }
    void drawProgress(HWND, HDC dc, RECT area, int position) override
    {
        FillRect(dc, &area, GetSysColorBrush(COLOR_WINDOW));
        FrameRect(dc, &area, GetSysColorBrush(COLOR_WINDOWFRAME));
        RECT filled = area;
        InflateRect(&filled, -1, -1);
        filled.right = filled.left + (filled.right - filled.left) * std::clamp(position, 0, 100) / 100;
        FillRect(dc, &filled, GetSysColorBrush(COLOR_HIGHLIGHT));
    }
};

FrameworkLook*& currentLook()
{
    static FrameworkLook* look = nullptr;
    return look;
}

} // namespace

FrameworkLook& frameworkLook()
{
    static PlainLook plain;
    FrameworkLook* look = currentLook();
    return look ? *look : plain;
}

void setFrameworkLook(FrameworkLook* look)
{
    currentLook() = look;
}
