// WM_PAINT of the menu bar: the face with a line along its top, and each shown button's text
// centred in its part of the bar (the part taps hit). A button under the stylus, pressed
// (its menu open) or checked is drawn inverted, in the selection colours; a disabled one in
// grey.
#include "ClientPaint.h"
#include "MenuBar.h"
#include "MenuFont.h"
#include "ShellMetrics.h"

namespace ce::shell {
namespace {

void fill(HDC dc, const RECT& rect, COLORREF colour)
{
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

bool looksPressed(const MenuBarState& state, size_t index)
{
    const BYTE fsState = state.buttons[index].fsState;
    const bool stylusOn = state.pressed == static_cast<int>(index) && (fsState & TBSTATE_ENABLED);
    return stylusOn || (fsState & (TBSTATE_PRESSED | TBSTATE_CHECKED));
}

void paintButton(HDC dc, const MenuBarButton& button, RECT part, bool pressed)
{
    if (pressed)
        fill(dc, part, GetSysColor(COLOR_HIGHLIGHT));
    const int colour = pressed               ? COLOR_HIGHLIGHTTEXT
        : (button.fsState & TBSTATE_ENABLED) ? COLOR_BTNTEXT
                                             : COLOR_GRAYTEXT;
    SetTextColor(dc, GetSysColor(colour));
    InflateRect(&part, -gwes::scaledForScreen(2), 0);
    DrawTextW(dc, button.text.c_str(), static_cast<int>(button.text.size()), &part,
        DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}

} // namespace

void paintMenuBar(HWND hwnd, const MenuBarState& state)
{
    const ClientPaint paint(hwnd);
    HDC dc = paint.dc();
    if (!dc)
        return;
    const RECT& client = paint.client();
    fill(dc, client, (state.flags & SHCMBF_COLORBK) ? state.background : menuBarFace);
    const int line = gwes::scaledForScreen(1);
    fill(dc, {client.left, client.top, client.right, client.top + line}, menuBarLine);

    SetBkMode(dc, TRANSPARENT);
    const MenuFontSelection font(dc, true);
    const std::vector<int> edges = menuBarButtonEdges(hwnd, state);
    for (size_t i = 0; i < state.buttons.size(); ++i) {
        const MenuBarButton& button = state.buttons[i];
        if ((button.fsState & TBSTATE_HIDDEN) || (button.fsStyle & TBSTYLE_SEP))
            continue;
        paintButton(dc, button, {edges[i], client.top + line, edges[i + 1], client.bottom}, looksPressed(state, i));
    }
}

} // namespace ce::shell
