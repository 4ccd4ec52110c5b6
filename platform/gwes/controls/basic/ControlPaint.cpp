// The paint of a basic control and the drawing steps the controls share.
#include "ControlPaint.h"

#include <mutex>

#include "BasicMetrics.h"
#include "gdi/objects/GdiObjects.h"

namespace ce::gwes::basic {
namespace {

struct DefaultColours {
    int background;
    int text;
};

// What the window system gives a control whose parent leaves WM_CTLCOLOR* unanswered.
DefaultColours defaultsFor(UINT ctlColor)
{
    switch (ctlColor) {
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        return {COLOR_WINDOW, COLOR_WINDOWTEXT};
    case WM_CTLCOLORBTN:
        return {COLOR_BTNFACE, COLOR_BTNTEXT};
    default:
        return {COLOR_STATIC, COLOR_STATICTEXT};
    }
}

} // namespace

ControlColours askColours(HWND hwnd, HDC dc, HFONT font, UINT ctlColor)
{
    if (font)
        SelectObject(dc, font);
    const DefaultColours defaults = defaultsFor(ctlColor);
    SetTextColor(dc, GetSysColor(defaults.text));
    SetBkColor(dc, GetSysColor(defaults.background));
    HBRUSH brush = nullptr;
    if (HWND parent = GetParent(hwnd))
        brush = reinterpret_cast<HBRUSH>(
            SendMessageW(parent, ctlColor, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd)));
    if (!brush) {
        // An unanswered request leaves the defaults, whatever the parent did to the DC.
        SetTextColor(dc, GetSysColor(defaults.text));
        SetBkColor(dc, GetSysColor(defaults.background));
        brush = GetSysColorBrush(defaults.background);
    }
    SetBkMode(dc, TRANSPARENT);
    return {brush, GetTextColor(dc), GetBkColor(dc)};
}

ControlPaint::ControlPaint(HWND hwnd, HFONT font, UINT ctlColor)
    : m_hwnd(hwnd)
    , m_dc(BeginPaint(hwnd, &m_paint))
    , m_colours(askColours(hwnd, m_dc, font, ctlColor))
{
}

ControlPaint::~ControlPaint()
{
    EndPaint(m_hwnd, &m_paint);
}

void moveOrigin(HDC dc, POINT by)
{
    std::lock_guard guard(gdi::gdiLock());
    if (auto context = gdi::deviceContextOrFail(dc)) {
        context->origin.x += by.x;
        context->origin.y += by.y;
    }
}

COLORREF textColourOf(HWND hwnd, const ControlColours& colours)
{
    return IsWindowEnabled(hwnd) ? colours.text : GetSysColor(COLOR_GRAYTEXT);
}

void fill(HDC dc, const RECT& rect, HBRUSH brush)
{
    FillRect(dc, &rect, brush);
}

void fillSystem(HDC dc, const RECT& rect, int sysColour)
{
    FillRect(dc, &rect, GetSysColorBrush(sysColour));
}

void frameSystem(HDC dc, const RECT& rect, int sysColour)
{
    FrameRect(dc, &rect, GetSysColorBrush(sysColour));
}

void drawText(HDC dc, const std::u16string& text, RECT rect, UINT format, COLORREF colour)
{
    if (text.empty())
        return;
    SetTextColor(dc, colour);
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, format);
}

std::optional<SIZE> bitmapSize(HANDLE bitmap)
{
    BITMAP info {};
    if (!bitmap || GetObjectType(bitmap) != OBJ_BITMAP || !GetObjectW(bitmap, sizeof info, &info))
        return std::nullopt;
    return SIZE {info.bmWidth, info.bmHeight};
}

bool drawBitmap(HDC dc, HANDLE bitmap, POINT at)
{
    const std::optional<SIZE> size = bitmapSize(bitmap);
    if (!size)
        return false;
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(source, bitmap);
    if (previous) {
        BitBlt(dc, at.x, at.y, size->cx, size->cy, source, 0, 0, SRCCOPY);
        SelectObject(source, previous);
    }
    DeleteDC(source);
    return previous != nullptr;
}

void drawTextRow(HDC dc, const RECT& row, const std::u16string& text, bool selected, HBRUSH brush, COLORREF colour)
{
    if (selected)
        fillSystem(dc, row, COLOR_HIGHLIGHT);
    else
        fill(dc, row, brush);
    RECT inside = row;
    InflateRect(&inside, -textMargin(), 0);
    drawText(dc, text, inside, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS,
        selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : colour);
}

} // namespace ce::gwes::basic
