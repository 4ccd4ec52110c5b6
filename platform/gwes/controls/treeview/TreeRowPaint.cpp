// A tree row's parts, left to right, at the places TreeLayout gives them: dotted lines joining
// an item to its parent and siblings (TVS_HASLINES), the 9x9 +/- box (TVS_HASBUTTONS), the state
// image, the normal image (the selected one for the selected item) and the label, filled with
// the text background and framed by the focus rectangle on the caret.
#include "TreeRowPaint.h"

#include <algorithm>
#include <string>

#include "TreeLayout.h"
#include "TreeNotify.h"
#include "TreeScrollBar.h"
#include "commctrl.h"

namespace ce::gwes {

namespace {

// Every other pixel, on a pattern shared by all lines so that joints meet.
void dottedLine(HDC dc, int x0, int y0, int x1, int y1, COLORREF color)
{
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            if ((x + y) % 2 == 0)
                SetPixel(dc, x, y, color);
        }
    }
}

// Lines in the item's button column (to the item, on to its next sibling) and, in the columns
// of its ancestors that have a next sibling, on down to them.
void drawLines(HDC dc, TreeControl& tree, HTREEITEM handle, const TreeRow& row)
{
    const TreeItem* item = tree.items.find(handle);
    if (!item || row.buttonLeft < 0)
        return;
    const COLORREF color = GetSysColor(COLOR_GRAYTEXT);
    const int bottom = row.top + tree.itemHeight - 1;
    const int middle = row.top + tree.itemHeight / 2;
    int x = row.buttonLeft + tree.indent / 2;
    const bool joinsAbove = item->previous || tree.items.parentOf(handle);
    dottedLine(dc, x, joinsAbove ? row.top : middle, x, item->next ? bottom : middle, color);
    dottedLine(dc, x, middle, row.stateLeft - 1, middle, color);
    for (HTREEITEM ancestor = tree.items.parentOf(handle); ancestor; ancestor = tree.items.parentOf(ancestor)) {
        x -= tree.indent;
        if (x < 0)
            break;
        if (const TreeItem* above = tree.items.find(ancestor); above && above->next)
            dottedLine(dc, x, row.top, x, bottom, color);
    }
}

void drawButton(HDC dc, const TreeControl& tree, const TreeRow& row, bool expanded)
{
    const int size = scaledForScreen(tree_metrics::buttonSize);
    const int left = row.buttonLeft + (tree.indent - size) / 2;
    const int top = row.top + (tree.itemHeight - size) / 2;
    const RECT box {left, top, left + size, top + size};
    FillRect(dc, &box, GetSysColorBrush(COLOR_WINDOW));
    FrameRect(dc, &box, GetSysColorBrush(COLOR_GRAYTEXT));
    const int stroke = std::max(1, scaledForScreen(1));
    const int margin = 2 * stroke;
    const int middle = top + (size - stroke) / 2;
    const int centre = left + (size - stroke) / 2;
    const HBRUSH sign = GetSysColorBrush(COLOR_WINDOWTEXT);
    const RECT minus {left + margin, middle, left + size - margin, middle + stroke};
    FillRect(dc, &minus, sign);
    const RECT upright {centre, top + margin, centre + stroke, top + size - margin};
    if (!expanded)
        FillRect(dc, &upright, sign);
}

// An image of a list, centred on the row.
void drawImage(HDC dc, HIMAGELIST list, int index, int left, const TreeRow& row, const TreeControl& tree)
{
    int cx = 0;
    int cy = 0;
    if (index < 0 || !ImageList_GetIconSize(list, &cx, &cy))
        return;
    ImageList_Draw(list, index, dc, left, row.top + (tree.itemHeight - cy) / 2, ILD_TRANSPARENT);
}

int shownImage(HWND hwnd, TreeControl& tree, HTREEITEM handle, const TreeItem& item)
{
    TVITEMW asked {};
    asked.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    asked.iImage = item.image;
    asked.iSelectedImage = item.selectedImage;
    const bool selected = item.state & TVIS_SELECTED;
    askDisplayInfo(hwnd, tree, handle, asked);
    return selected ? asked.iSelectedImage : asked.iImage;
}

void drawLabel(HDC dc, HWND hwnd, TreeControl& tree, HTREEITEM handle, const TreeRow& row, const RowColors& colors)
{
    const RECT area = rowArea(hwnd, tree);
    const bool fullRow = treeStyle(hwnd) & TVS_FULLROWSELECT; // the label's colours run to the right
    RECT label {row.labelLeft, row.top, fullRow ? area.right : std::min<int>(row.labelRight, area.right),
        row.top + tree.itemHeight};
    if (label.right <= label.left)
        return;
    SetBkColor(dc, colors.textBack);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &label, nullptr, 0, nullptr);
    const std::u16string text = displayText(hwnd, tree, handle);
    RECT inside = label;
    inside.left += scaledForScreen(tree_metrics::labelPadding);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colors.text);
    DrawTextW(
        dc, text.c_str(), static_cast<int>(text.size()), &inside, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (colors.itemState & CDIS_FOCUS)
        DrawFocusRect(dc, &label);
}

} // namespace

void drawRow(HDC dc, HWND hwnd, TreeControl& tree, HTREEITEM handle, const RowColors& colors)
{
    TreeRow row;
    if (!rowLayout(hwnd, tree, handle, row))
        return;
    if (treeStyle(hwnd) & TVS_HASLINES)
        drawLines(dc, tree, handle, row);
    const TreeItem* item = tree.items.find(handle);
    if (!item)
        return;
    const bool expanded = item->state & TVIS_EXPANDED;
    const int stateImage = static_cast<int>((item->state & TVIS_STATEIMAGEMASK) >> 12);
    if (row.hasButton)
        drawButton(dc, tree, row, expanded);
    if (row.imageLeft > row.stateLeft && tree.stateImages)
        drawImage(dc, tree.stateImages, stateImage, row.stateLeft, row, tree);
    if (tree.normalImages)
        drawImage(dc, tree.normalImages, shownImage(hwnd, tree, handle, *item), row.imageLeft, row, tree);
    drawLabel(dc, hwnd, tree, handle, row, colors);
}

} // namespace ce::gwes
