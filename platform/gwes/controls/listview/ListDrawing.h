// Drawing helpers the list view and its header share: the font to draw with, measuring text,
// solid fills, a line of text in a cell, an image centred in a row, and asking the parent to draw an
// owner-drawn part.
#pragma once

#include <string_view>

#include "commctrl.h"

namespace ce::gwes {

// The control's font (WM_SETFONT), or the system font.
HFONT fontOrSystem(HFONT font);
// DT_LEFT, DT_CENTER or DT_RIGHT for a column's or header item's format (LVCFMT_* and HDF_*
// justification share their values).
UINT alignOf(int fmt);
// The width of a line of text in the DC's font (0 for none).
int textExtent(HDC dc, std::u16string_view text);
// Measures text in a font, on a memory DC of its own.
class TextMeasure {
public:
    explicit TextMeasure(HFONT font);
    ~TextMeasure();
    TextMeasure(const TextMeasure&) = delete;
    TextMeasure& operator=(const TextMeasure&) = delete;
    int width(std::u16string_view text) const;

private:
    HDC m_dc;
    HGDIOBJ m_oldFont;
};
// Fills `rect` with `color`; nothing for CLR_NONE.
void fillSolid(HDC dc, const RECT& rect, COLORREF color);
// One line of text in `rect`, vertically centred, "..." where it is too wide; `align` is
// DT_LEFT, DT_CENTER or DT_RIGHT.
void drawCellText(HDC dc, std::u16string_view text, RECT rect, UINT align, COLORREF color);
// Draws image `index` of `list` at `left`, centred between `top` and `bottom`; the image width
// (0 without a list or image).
int drawImageCentred(HIMAGELIST list, int index, HDC dc, int left, int top, int bottom, UINT style);
// WM_DRAWITEM to the control's parent with the control's id and handle filled in.
void sendDrawItem(HWND control, DRAWITEMSTRUCT& draw);

} // namespace ce::gwes
