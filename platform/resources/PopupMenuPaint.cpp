// WM_PAINT of the pop-up menu window: a white face in a one-pixel dark frame, each item a row of
// the menu font with its check mark in the left column and, for an item that opens a sub-menu,
// an arrow at the right; the highlighted item in the selection colours, grayed items in grey,
// separators as grey lines. Text after a tab (an accelerator's name) is right-aligned.
#include <algorithm>

#include "PopupMenus.h"
#include "gwes/Screen.h"
#include "shell/menubar/ClientPaint.h"
#include "shell/menubar/MenuFont.h"
#include "shell/menubar/ShellMetrics.h"

namespace ce {
namespace {

int px(int at96)
{
    return gwes::scaledForScreen(at96);
}

void fill(HDC dc, const RECT& rect, int sysColor)
{
    FillRect(dc, &rect, GetSysColorBrush(sysColor));
}

// A DFC_MENU glyph in `colour`: drawn black on white aside, then its dark pixels set in `box`,
// so that it shows on the highlight as well as on white.
void drawGlyph(HDC dc, const RECT& box, UINT glyph, COLORREF colour)
{
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    HDC aside = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
    HGDIOBJ previous = SelectObject(aside, bitmap);
    RECT local {0, 0, width, height};
    if (DrawFrameControl(aside, &local, DFC_MENU, glyph)) {
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const COLORREF pixel = GetPixel(aside, x, y);
                if (GetRValue(pixel) + GetGValue(pixel) + GetBValue(pixel) < 3 * 128)
                    SetPixel(dc, box.left + x, box.top + y, colour);
            }
        }
    }
    SelectObject(aside, previous);
    DeleteObject(bitmap);
    DeleteDC(aside);
}

void paintSeparator(HDC dc, const RECT& row)
{
    const int middle = (row.top + row.bottom) / 2;
    fill(dc, {row.left + px(2), middle, row.right - px(2), middle + px(1)}, COLOR_3DSHADOW);
}

void paintItem(HDC dc, const MenuItemView& item, const RECT& row, bool highlighted)
{
    if (highlighted)
        fill(dc, row, COLOR_HIGHLIGHT);
    const bool grayed = item.state & (MF_GRAYED | MF_DISABLED);
    const COLORREF colour = GetSysColor(grayed ? COLOR_GRAYTEXT : highlighted ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT);
    const int checkColumn = px(shell::popupCheckColumn);
    if (item.state & MF_CHECKED) {
        const RECT box {row.left, row.top, row.left + checkColumn, row.bottom};
        drawGlyph(dc, box, (item.type & MFT_RADIOCHECK) ? DFCS_MENUBULLET : DFCS_MENUCHECK, colour);
    }
    const int arrowColumn = px(shell::popupTextMargin - shell::popupCheckColumn);
    if (item.popup)
        drawGlyph(dc, {row.right - arrowColumn, row.top, row.right, row.bottom}, DFCS_MENUARROW, colour);

    SetTextColor(dc, colour);
    const std::u16string text = withoutMnemonics(item.text);
    const size_t tab = text.find(u'\t');
    RECT textRect {row.left + checkColumn, row.top, row.right - arrowColumn, row.bottom};
    const UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
    DrawTextW(dc, text.c_str(), static_cast<int>(std::min(tab, text.size())), &textRect, format | DT_END_ELLIPSIS);
    if (tab != std::u16string::npos)
        DrawTextW(dc, text.c_str() + tab + 1, static_cast<int>(text.size() - tab - 1), &textRect, format | DT_RIGHT);
}

} // namespace

void paintPopupMenu(HWND hwnd, const PopupLevel& level)
{
    const shell::ClientPaint paint(hwnd);
    HDC dc = paint.dc();
    if (!dc)
        return;
    const RECT& client = paint.client();
    fill(dc, client, COLOR_MENU);
    FrameRect(dc, &client, GetSysColorBrush(COLOR_WINDOWFRAME));

    SetBkMode(dc, TRANSPARENT);
    const shell::MenuFontSelection font(dc, false);
    // Rows run inside the frame's sides; the frame keeps its top and bottom lines over the
    // first and last rows, which keep the heights taps are measured with.
    const int border = px(1);
    MenuItemView item;
    int top = 0;
    for (int position = 0; readMenuItem(level.menu, position, item); ++position) {
        const RECT row {client.left + border, std::max(top, border), client.right - border,
            std::min<LONG>(top + popupItemHeight(item), client.bottom - border)};
        if (item.separator())
            paintSeparator(dc, row);
        else
            paintItem(dc, item, row, position == level.highlight);
        top += popupItemHeight(item);
    }
}

} // namespace ce
