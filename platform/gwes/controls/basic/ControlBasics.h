// Small helpers the basic controls share: reading a tap's point, the window's client area,
// style and text, and what every control answers alike.
#pragma once

#include <string>

#include "gwes/controls/ControlState.h"
#include "windows.h"

namespace ce::gwes::basic {

// The client point of a stylus message's lParam (signed coordinates).
POINT pointOf(LPARAM lParam);
bool isInside(const RECT& rect, POINT point);
// The window's client rectangle (empty for a window that is gone).
RECT clientRect(HWND hwnd);
DWORD styleOf(HWND hwnd);
// Sets or clears style bits of a window.
void changeStyle(HWND hwnd, DWORD bits, bool set);

// The window's text as WM_GETTEXT gives it.
std::u16string windowText(HWND hwnd);

// What every basic control answers alike: WM_SETFONT/WM_GETFONT over its font, a redraw on
// WM_ENABLE and WM_SETTEXT; the rest as DefWindowProcW does.
LRESULT defaultControlProc(HWND hwnd, HFONT& font, UINT message, WPARAM wParam, LPARAM lParam);

// The window procedure of a control class whose messages `handle` answers with the window's
// state of type State.
template <typename State, LRESULT (*handle)(HWND, State&, UINT, WPARAM, LPARAM)>
LRESULT controlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto state = controlState<State>(hwnd);
    return state ? handle(hwnd, *state, message, wParam, lParam) : DefWindowProcW(hwnd, message, wParam, lParam);
}

} // namespace ce::gwes::basic
