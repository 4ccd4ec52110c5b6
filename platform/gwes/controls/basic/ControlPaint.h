// Painting a basic control: the paint's device context with the control's font and the
// colours its parent gives through WM_CTLCOLOR*, and the few drawing steps the controls share.
#pragma once

#include <optional>
#include <string>

#include "windows.h"

namespace ce::gwes::basic {

// What a control paints with: the parent's brush and colours, or the defaults of the kind of
// control the WM_CTLCOLOR* message names.
struct ControlColours {
    HBRUSH background = nullptr;
    COLORREF text = 0;
    COLORREF back = 0;
};

// Selects `font` (null: the DC's own, the system font) and asks the parent for the colours with
// `ctlColor`, as the device's controls do each time they paint.
ControlColours askColours(HWND hwnd, HDC dc, HFONT font, UINT ctlColor);

// One WM_PAINT of a control, begun at construction and ended at destruction.
class ControlPaint {
public:
    ControlPaint(HWND hwnd, HFONT font, UINT ctlColor);
    ~ControlPaint();
    ControlPaint(const ControlPaint&) = delete;
    ControlPaint& operator=(const ControlPaint&) = delete;

    HDC dc() const { return m_dc; }
    const ControlColours& colours() const { return m_colours; }

private:
    HWND m_hwnd;
    PAINTSTRUCT m_paint {};
    HDC m_dc;
    ControlColours m_colours;
};

// Moves a device context's logical (0, 0) by `by` device pixels, so that a control may paint
// into another window's device context in its own coordinates.
void moveOrigin(HDC dc, POINT by);

// The text colour of a control: COLOR_GRAYTEXT while it is disabled.
COLORREF textColourOf(HWND hwnd, const ControlColours& colours);

void fill(HDC dc, const RECT& rect, HBRUSH brush);
void fillSystem(HDC dc, const RECT& rect, int sysColour);
// A one-pixel frame just inside `rect` in a system colour.
void frameSystem(HDC dc, const RECT& rect, int sysColour);
// DrawTextW in `colour` over what is there.
void drawText(HDC dc, const std::u16string& text, RECT rect, UINT format, COLORREF colour);

// A bitmap's size, or nothing for a handle that is no bitmap.
std::optional<SIZE> bitmapSize(HANDLE bitmap);
// Copies a bitmap whole with its top left at `at`; false for a handle that is no bitmap.
bool drawBitmap(HDC dc, HANDLE bitmap, POINT at);

// A row of a list: filled with `brush`, or COLOR_HIGHLIGHT when selected, and its text from a
// small margin, vertically centred.
void drawTextRow(HDC dc, const RECT& row, const std::u16string& text, bool selected, HBRUSH brush, COLORREF colour);

} // namespace ce::gwes::basic
