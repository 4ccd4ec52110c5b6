// Painting a header in the Pocket PC look: the button face, each item's image, bitmap and title
// (with "..." when too narrow), a one-pixel separator at its right and a line under the row; the item
// the stylus holds is drawn dark with light text.
#include "HeaderPaint.h"

#include <algorithm>
#include <vector>

#include "ListDrawing.h"
#include "ListMetrics.h"

namespace ce::gwes {
namespace {

void drawOwnerItem(HWND hwnd, const HeaderItem& item, int index, HDC dc, const RECT& rect, bool pressed)
{
    DRAWITEMSTRUCT draw {};
    draw.CtlType = ODT_HEADER;
    draw.itemID = static_cast<UINT>(index);
    draw.itemAction = ODA_DRAWENTIRE;
    draw.itemState = pressed ? ODS_SELECTED : 0;
    draw.hDC = dc;
    draw.rcItem = rect;
    draw.itemData = static_cast<ULONG_PTR>(item.param);
    sendDrawItem(hwnd, draw);
}

// An HDF_BITMAP item's bitmap, centred vertically at the left of `content` (the right with
// HDF_BITMAP_ON_RIGHT); the width it takes, with the gap after it.
int drawBitmap(HDC dc, HBITMAP bitmap, const RECT& content, bool onRight)
{
    BITMAP info {};
    if (!bitmap || !GetObjectW(bitmap, sizeof info, &info))
        return 0;
    const int width = std::min<int>(info.bmWidth, content.right - content.left);
    if (width <= 0)
        return 0;
    HDC source = CreateCompatibleDC(dc);
    const HGDIOBJ old = SelectObject(source, bitmap);
    const int x = onRight ? content.right - width : content.left;
    BitBlt(dc, x, content.top + (content.bottom - content.top - info.bmHeight) / 2, width, info.bmHeight, source, 0, 0,
        SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
    return width + listmetrics::scaled(listmetrics::labelMargin);
}

void drawItem(HWND hwnd, const Header& header, int index, HDC dc, RECT rect)
{
    const HeaderItem& item = header.items[static_cast<size_t>(index)];
    const bool pressed = header.pressed == index;
    if (pressed)
        fillSolid(dc, rect, GetSysColor(COLOR_BTNSHADOW));
    if (item.fmt & HDF_OWNERDRAW) {
        drawOwnerItem(hwnd, item, index, dc, rect, pressed);
        return;
    }
    const int margin = listmetrics::scaled(listmetrics::cellPadding) / 2;
    RECT content {rect.left + margin, rect.top, rect.right - margin, rect.bottom};
    if (pressed)
        OffsetRect(&content, 1, 1);
    if ((item.fmt & HDF_IMAGE) && content.left < content.right) {
        const int width = drawImageCentred(
            header.images, item.image, dc, content.left, content.top, content.bottom, ILD_TRANSPARENT);
        content.left += width ? width + listmetrics::scaled(listmetrics::labelMargin) : 0;
    }
    if (item.fmt & HDF_BITMAP) {
        const bool onRight = item.fmt & HDF_BITMAP_ON_RIGHT;
        const int width = drawBitmap(dc, item.bitmap, content, onRight);
        if (onRight)
            content.right -= width;
        else
            content.left += width;
    }
    COLORREF color = GetSysColor(pressed ? COLOR_BTNHIGHLIGHT : COLOR_BTNTEXT);
    if (!IsWindowEnabled(hwnd))
        color = GetSysColor(COLOR_GRAYTEXT);
    drawCellText(dc, item.text, content, alignOf(item.fmt), color);
}

} // namespace

LRESULT paintHeader(HWND hwnd, const Header& header)
{
    PAINTSTRUCT ps {};
    HDC dc = BeginPaint(hwnd, &ps);
    if (!dc)
        return 0;
    RECT client {};
    GetClientRect(hwnd, &client);
    fillSolid(dc, client, GetSysColor(COLOR_BTNFACE));
    const HGDIOBJ oldFont = SelectObject(dc, fontOrSystem(header.font));
    const COLORREF line = GetSysColor(COLOR_BTNSHADOW);
    const std::vector<int> order = header.order; // an owner may change the items while drawing
    for (int index : order) {
        if (static_cast<size_t>(index) >= header.items.size())
            continue;
        RECT rect = headerItemRect(hwnd, header, index);
        rect.bottom -= 1; // the line under the row
        drawItem(hwnd, header, index, dc, rect);
        SelectObject(dc, fontOrSystem(header.font)); // an owner may have chosen another
        const int inset = listmetrics::scaled(listmetrics::separatorInset);
        fillSolid(dc, {rect.right - 1, rect.top + inset, rect.right, rect.bottom - inset}, line);
    }
    fillSolid(dc, {client.left, client.bottom - 1, client.right, client.bottom}, line);
    SelectObject(dc, oldFont);
    EndPaint(hwnd, &ps);
    return 0;
}

} // namespace ce::gwes
