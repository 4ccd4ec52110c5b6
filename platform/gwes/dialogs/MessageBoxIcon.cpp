// Message box icons drawn with GDI: the shape filled in its colour with a darker outline, the
// symbol in bold text centred in it (a little low in the triangle, whose middle is lower).
#include "MessageBoxIcon.h"

#include <algorithm>
#include <iterator>

namespace ce::gwes {
namespace {

enum class Shape { disc, triangle };

struct IconLook {
    UINT type;
    Shape shape;
    COLORREF face;
    COLORREF outline;
    const char16_t* symbol;
    COLORREF symbolColour;
};

constexpr COLORREF white = RGB(0xFF, 0xFF, 0xFF);

constexpr IconLook looks[] = {
    {MB_ICONHAND, Shape::disc, RGB(0xE0, 0x20, 0x10), RGB(0x90, 0x10, 0x08), u"X", white},
    {MB_ICONQUESTION, Shape::disc, RGB(0x31, 0x6A, 0xC5), RGB(0x18, 0x3C, 0x80), u"?", white},
    {MB_ICONEXCLAMATION, Shape::triangle, RGB(0xFF, 0xD2, 0x00), RGB(0x90, 0x70, 0x00), u"!", RGB(0, 0, 0)},
    {MB_ICONASTERISK, Shape::disc, RGB(0x31, 0x6A, 0xC5), RGB(0x18, 0x3C, 0x80), u"i", white},
};

const IconLook* lookOf(UINT type)
{
    const auto found = std::find_if(
        std::begin(looks), std::end(looks), [&](const IconLook& l) { return l.type == (type & MB_ICONMASK); });
    return found == std::end(looks) ? nullptr : found;
}

void drawShape(HDC dc, const RECT& box, const IconLook& look)
{
    HBRUSH brush = CreateSolidBrush(look.face);
    HPEN pen = CreatePen(PS_SOLID, 1, look.outline);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    if (look.shape == Shape::disc) {
        Ellipse(dc, box.left, box.top, box.right, box.bottom);
    } else {
        const POINT corners[]
            = {{(box.left + box.right) / 2, box.top}, {box.right - 1, box.bottom - 1}, {box.left, box.bottom - 1}};
        Polygon(dc, corners, 3);
    }
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(pen);
    DeleteObject(brush);
}

void drawSymbol(HDC dc, RECT box, const IconLook& look)
{
    LOGFONTW logFont {};
    logFont.lfHeight = -(box.bottom - box.top) * 5 / 8;
    logFont.lfWeight = FW_BOLD;
    const char16_t face[] = u"Tahoma";
    std::copy(std::begin(face), std::end(face), logFont.lfFaceName);
    HFONT font = CreateFontIndirectW(&logFont);
    HGDIOBJ previous = SelectObject(dc, font);
    if (look.shape == Shape::triangle)
        box.top += (box.bottom - box.top) / 5;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, look.symbolColour);
    DrawTextW(dc, look.symbol, -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, previous);
    DeleteObject(font);
}

} // namespace

bool hasMessageBoxIcon(UINT type)
{
    return lookOf(type) != nullptr;
}

void drawMessageBoxIcon(HDC dc, const RECT& box, UINT type)
{
    if (const IconLook* look = lookOf(type)) {
        drawShape(dc, box, *look);
        drawSymbol(dc, box, *look);
    }
}

} // namespace ce::gwes
