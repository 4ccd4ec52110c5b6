// The tree view's scroll bar, drawn and tapped inside the client area (the emulated window
// system has no non-client scroll bars): arrow buttons, a light track and a thumb whose length
// and place follow the rows shown.
#include "TreeScrollBar.h"

#include <algorithm>

#include "TreeInput.h"
#include "TreeLayout.h"

namespace ce::gwes {

namespace {

// The parts of a shown scroll bar, top to bottom.
struct BarParts {
    RECT up {};
    RECT track {}; // between the arrows
    RECT thumb {};
    RECT down {};
};

BarParts partsOf(HWND hwnd, TreeControl& tree, const RECT& bar)
{
    const int arrow = std::min<int>(bar.right - bar.left, (bar.bottom - bar.top) / 2);
    BarParts parts;
    parts.up = {bar.left, bar.top, bar.right, bar.top + arrow};
    parts.down = {bar.left, bar.bottom - arrow, bar.right, bar.bottom};
    parts.track = {bar.left, parts.up.bottom, bar.right, parts.down.top};
    const int length = parts.track.bottom - parts.track.top;
    const int rows = std::max(1, tree.items.rowCount());
    const int shown = std::clamp(fullRows(hwnd, tree), 1, rows);
    const int thumb = std::min(length, std::max(arrow / 2, length * shown / rows));
    const int hidden = std::max(1, rows - shown);
    const int top = parts.track.top + (length - thumb) * std::min(topRow(tree), hidden) / hidden;
    parts.thumb = {bar.left, top, bar.right, top + thumb};
    return parts;
}

bool holds(const RECT& rect, POINT point)
{
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom;
}

} // namespace

RECT scrollBarRect(HWND hwnd, TreeControl& tree)
{
    RECT client {};
    GetClientRect(hwnd, &client);
    if (tree.items.rowCount() <= fullRows(hwnd, tree))
        return {};
    return {
        std::max(client.left, client.right - GetSystemMetrics(SM_CXVSCROLL)), client.top, client.right, client.bottom};
}

RECT rowArea(HWND hwnd, TreeControl& tree)
{
    RECT client {};
    GetClientRect(hwnd, &client);
    const RECT bar = scrollBarRect(hwnd, tree);
    if (bar.right > bar.left)
        client.right = bar.left;
    return client;
}

void drawScrollBar(HDC dc, HWND hwnd, TreeControl& tree)
{
    const RECT bar = scrollBarRect(hwnd, tree);
    if (bar.right <= bar.left)
        return;
    BarParts parts = partsOf(hwnd, tree, bar);
    const UINT inactive = IsWindowEnabled(hwnd) ? 0 : DFCS_INACTIVE;
    FillRect(dc, &parts.track, GetSysColorBrush(COLOR_3DLIGHT));
    DrawFrameControl(dc, &parts.up, DFC_SCROLL, DFCS_SCROLLUP | inactive);
    DrawFrameControl(dc, &parts.down, DFC_SCROLL, DFCS_SCROLLDOWN | inactive);
    DrawFrameControl(dc, &parts.thumb, DFC_BUTTON, DFCS_BUTTONPUSH | inactive);
}

bool scrollBarTap(HWND hwnd, TreeControl& tree, POINT point)
{
    const RECT bar = scrollBarRect(hwnd, tree);
    if (!holds(bar, point))
        return false;
    const BarParts parts = partsOf(hwnd, tree, bar);
    if (holds(parts.up, point))
        treeVScroll(hwnd, tree, SB_LINEUP);
    else if (holds(parts.down, point))
        treeVScroll(hwnd, tree, SB_LINEDOWN);
    else if (point.y < parts.thumb.top)
        treeVScroll(hwnd, tree, SB_PAGEUP);
    else if (point.y >= parts.thumb.bottom)
        treeVScroll(hwnd, tree, SB_PAGEDOWN);
    return true;
}

} // namespace ce::gwes
