// DrawFrameControl in the Pocket PC look: check boxes as white squares with a dark border and a
// black tick, radio buttons as white discs with a dark ring and a dot, push buttons, scroll
// arrows and title-bar buttons as raised faces (sunken while pushed) with their glyph, menu
// glyphs black on white. DFCS_INACTIVE greys glyphs and borders.
#include <algorithm>

#include "Glyphs.h"
#include "LookDrawing.h"

namespace ce::gwes::look {
namespace {

// The largest square centred in `rect`.
RECT squareIn(const RECT& rect)
{
    const int side = std::min(rect.right - rect.left, rect.bottom - rect.top);
    const int left = rect.left + (rect.right - rect.left - side) / 2;
    const int top = rect.top + (rect.bottom - rect.top - side) / 2;
    return {left, top, left + side, top + side};
}

COLORREF glyphColor(UINT state)
{
    return GetSysColor(state & DFCS_INACTIVE ? COLOR_GRAYTEXT : COLOR_BTNTEXT);
}

void drawCheckBox(gdi::DrawTarget& target, const RECT& rect, UINT state)
{
    const RECT box = squareIn(rect);
    const bool mixed = (state & DFCS_BUTTON3STATE) && (state & DFCS_CHECKED);
    const bool greyed = state & (DFCS_INACTIVE | DFCS_PUSHED);
    target.fillRect(box, GetSysColor(greyed || mixed ? COLOR_BTNFACE : COLOR_WINDOW));
    frame(target, box, GetSysColor(state & DFCS_INACTIVE ? COLOR_GRAYTEXT : COLOR_WINDOWFRAME));
    if (state & DFCS_CHECKED)
        drawCheckMark(target, box, GetSysColor(mixed || (state & DFCS_INACTIVE) ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT));
}

void drawRadio(gdi::DrawTarget& target, const RECT& rect, UINT state)
{
    const RECT box = squareIn(rect);
    const int side = box.right - box.left;
    if (state & DFCS_BUTTONRADIOMASK) {
        // The mask a program blits with: black where the button is, white around it.
        target.fillRect(box, RGB(255, 255, 255));
        drawDisc(target, box, side, RGB(0, 0, 0));
        return;
    }
    const COLORREF ring = GetSysColor(state & DFCS_INACTIVE ? COLOR_GRAYTEXT : COLOR_WINDOWFRAME);
    drawDisc(target, box, side, ring);
    drawDisc(target, box, side - 2, GetSysColor(state & (DFCS_INACTIVE | DFCS_PUSHED) ? COLOR_BTNFACE : COLOR_WINDOW));
    if (state & DFCS_CHECKED)
        drawDisc(target, box, std::max(2, side * 5 / 13), state & DFCS_INACTIVE ? ring : GetSysColor(COLOR_WINDOWTEXT));
}

// A button face: raised, sunken while pushed, flat or mono as asked. Returns the inside, moved
// down and right by a pixel while pushed as the glyph on a pushed face is.
RECT drawFace(gdi::DrawTarget& target, const RECT& rect, UINT state)
{
    RECT inside = rect;
    UINT flags = BF_RECT | BF_MIDDLE | BF_ADJUST;
    flags |= state & DFCS_FLAT ? BF_FLAT : 0;
    flags |= state & DFCS_MONO ? BF_MONO : 0;
    drawEdge(target, inside, state & DFCS_PUSHED ? EDGE_SUNKEN : EDGE_RAISED, flags);
    if (state & DFCS_PUSHED)
        OffsetRect(&inside, 1, 1);
    return inside;
}

bool drawButton(gdi::DrawTarget& target, const RECT& rect, UINT state)
{
    if (state & DFCS_BUTTONPUSH)
        drawFace(target, rect, state);
    else if (state & (DFCS_BUTTONRADIO | DFCS_BUTTONRADIOIMAGE | DFCS_BUTTONRADIOMASK))
        drawRadio(target, rect, state);
    else
        drawCheckBox(target, rect, state);
    return true;
}

bool drawScroll(gdi::DrawTarget& target, const RECT& rect, UINT state)
{
    ArrowDirection direction;
    switch (state & 0xFF) {
    case DFCS_SCROLLUP:
        direction = ArrowDirection::up;
        break;
    case DFCS_SCROLLDOWN:
    case DFCS_SCROLLCOMBOBOX:
        direction = ArrowDirection::down;
        break;
    case DFCS_SCROLLLEFT:
        direction = ArrowDirection::left;
        break;
    case DFCS_SCROLLRIGHT:
        direction = ArrowDirection::right;
        break;
    default:
        return false;
    }
    drawArrow(target, drawFace(target, rect, state), direction, glyphColor(state));
    return true;
}

bool drawMenuGlyph(gdi::DrawTarget& target, const RECT& rect, UINT state)
{
    const UINT glyph = state & 0xFF;
    if (glyph != DFCS_MENUCHECK && glyph != DFCS_MENUBULLET && glyph != DFCS_MENUARROW)
        return false;
    target.fillRect(rect, RGB(255, 255, 255));
    const COLORREF black = RGB(0, 0, 0);
    switch (glyph) {
    case DFCS_MENUCHECK:
        drawCheckMark(target, squareIn(rect), black);
        return true;
    case DFCS_MENUBULLET: {
        const RECT box = squareIn(rect);
        drawDisc(target, box, std::max(2, (box.right - box.left) / 3), black);
        return true;
    }
    default:
        drawArrow(target, rect, ArrowDirection::right, black);
        return true;
    }
}

bool drawCaptionButton(gdi::DrawTarget& target, const RECT& rect, UINT state)
{
    if ((state & 0xFF) == DFCS_CAPTIONOKBTN) {
        drawOk(target, drawFace(target, rect, state), glyphColor(state));
        return true;
    }
    if ((state & 0xFF) != DFCS_CAPTIONCLOSE)
        return false;
    drawCross(target, drawFace(target, rect, state), glyphColor(state));
    return true;
}

} // namespace
} // namespace ce::gwes::look

BOOL DrawFrameControl(HDC hdc, LPRECT lprc, UINT uType, UINT uState)
{
    using namespace ce::gwes::look;
    bool (*draw)(ce::gdi::DrawTarget&, const RECT&, UINT) = nullptr;
    switch (uType) {
    case DFC_BUTTON:
        draw = drawButton;
        break;
    case DFC_SCROLL:
        draw = drawScroll;
        break;
    case DFC_MENU:
        draw = drawMenuGlyph;
        break;
    case DFC_CAPTION:
        draw = drawCaptionButton;
        break;
    default:
        break;
    }
    if (!lprc || !draw) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    bool drawn = false;
    const RECT rect = *lprc;
    if (!drawOn(hdc, [&](ce::gdi::DrawTarget& target) { drawn = draw(target, rect, uState); }))
        return FALSE;
    if (!drawn)
        SetLastError(ERROR_INVALID_PARAMETER);
    return drawn ? TRUE : FALSE;
}
