// Row geometry, hit-testing and vertical scrolling of the tree view.
#include "TreeLayout.h"

#include <algorithm>

#include "TreeNotify.h"
#include "TreeScrollBar.h"

namespace ce::gwes {

namespace {

RECT clientRect(HWND hwnd)
{
    RECT client {};
    GetClientRect(hwnd, &client);
    return client;
}

bool hasStateIcon(const TreeControl& tree, DWORD style, const TreeItem& item)
{
    return (item.state & TVIS_STATEIMAGEMASK) && (tree.stateImages || (style & TVS_CHECKBOXES));
}

// The label's text measured in the control's font (an average width per character when it
// cannot be measured), with its padding.
int labelWidth(HWND hwnd, const TreeControl& tree, const std::u16string& text)
{
    SIZE extent {};
    HDC dc = GetDC(hwnd);
    const HGDIOBJ oldFont = dc && tree.font ? SelectObject(dc, tree.font) : nullptr;
    if (!dc || !GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent))
        extent.cx = static_cast<LONG>(text.size()) * scaledForScreen(tree_metrics::averageCharWidth);
    if (oldFont)
        SelectObject(dc, oldFont);
    if (dc)
        ReleaseDC(hwnd, dc);
    return extent.cx + 2 * scaledForScreen(tree_metrics::labelPadding);
}

} // namespace

int imageWidthOf(HIMAGELIST list, int fallbackAt96)
{
    int cx = 0;
    int cy = 0;
    return list && ImageList_GetIconSize(list, &cx, &cy) ? cx : scaledForScreen(fallbackAt96);
}

bool rowLayout(HWND hwnd, TreeControl& tree, HTREEITEM handle, TreeRow& row)
{
    const int index = tree.items.rowIndex(handle);
    if (index < 0)
        return false;
    const DWORD style = treeStyle(hwnd);
    const bool rootColumn = (style & TVS_LINESATROOT) && (style & (TVS_HASLINES | TVS_HASBUTTONS));
    const int columns = tree.items.level(handle) + (rootColumn ? 1 : 0);
    row.top = (index - topRow(tree)) * tree.itemHeight;
    row.stateLeft = columns * tree.indent;
    row.buttonLeft = row.stateLeft - tree.indent;
    row.hasButton = (style & TVS_HASBUTTONS) && columns > 0 && hasChildren(hwnd, tree, handle);
    const TreeItem* item = tree.items.find(handle);
    if (!item)
        return false; // the parent deleted it when asked about its children
    row.imageLeft = row.stateLeft
        + (hasStateIcon(tree, style, *item) ? imageWidthOf(tree.stateImages, tree_metrics::stateIconWidth) : 0);
    row.labelLeft = row.imageLeft + (tree.normalImages ? imageWidthOf(tree.normalImages, tree_metrics::imageWidth) : 0);
    row.labelRight = row.labelLeft + labelWidth(hwnd, tree, displayText(hwnd, tree, handle));
    return true;
}

bool itemRect(HWND hwnd, TreeControl& tree, HTREEITEM handle, bool labelOnly, RECT& rect)
{
    TreeRow row;
    if (!rowLayout(hwnd, tree, handle, row))
        return false;
    const RECT client = rowArea(hwnd, tree);
    rect.top = row.top;
    rect.bottom = row.top + tree.itemHeight;
    rect.left = labelOnly ? row.labelLeft : client.left;
    rect.right = labelOnly ? row.labelRight : client.right;
    return true;
}

HTREEITEM hitTest(HWND hwnd, TreeControl& tree, TVHITTESTINFO& info)
{
    const RECT client = rowArea(hwnd, tree); // the scroll bar lies to the right of the rows
    const POINT pt = info.pt;
    info.hItem = nullptr;
    info.flags = 0;
    if (pt.x < client.left)
        info.flags |= TVHT_TOLEFT;
    else if (pt.x >= client.right)
        info.flags |= TVHT_TORIGHT;
    if (pt.y < client.top)
        info.flags |= TVHT_ABOVE;
    else if (pt.y >= client.bottom)
        info.flags |= TVHT_BELOW;
    if (info.flags)
        return nullptr;
    const HTREEITEM handle = tree.items.rowAt(topRow(tree) + pt.y / tree.itemHeight);
    TreeRow row;
    if (!handle || !rowLayout(hwnd, tree, handle, row)) {
        info.flags = TVHT_NOWHERE;
        return nullptr;
    }
    if (pt.x < row.buttonLeft)
        info.flags = TVHT_ONITEMINDENT;
    else if (pt.x < row.stateLeft)
        info.flags = row.hasButton ? TVHT_ONITEMBUTTON : TVHT_ONITEMINDENT;
    else if (pt.x < row.imageLeft)
        info.flags = TVHT_ONITEMSTATEICON;
    else if (pt.x < row.labelLeft)
        info.flags = TVHT_ONITEMICON;
    else if (pt.x < row.labelRight)
        info.flags = TVHT_ONITEMLABEL;
    else
        info.flags = TVHT_ONITEMRIGHT;
    info.hItem = handle;
    return handle;
}

int fullRows(HWND hwnd, const TreeControl& tree)
{
    const RECT client = clientRect(hwnd);
    return std::max(0, static_cast<int>(client.bottom - client.top) / tree.itemHeight);
}

int topRow(TreeControl& tree)
{
    return std::max(0, tree.items.rowIndex(tree.firstVisible));
}

void normaliseScroll(HWND hwnd, TreeControl& tree)
{
    HTREEITEM top = tree.items.find(tree.firstVisible) ? tree.firstVisible : nullptr;
    for (HTREEITEM parent = tree.items.parentOf(top); parent; parent = tree.items.parentOf(parent)) {
        if (!(tree.items.find(parent)->state & TVIS_EXPANDED))
            top = parent; // the top item went into a collapsed branch: its ancestor takes the row
    }
    const int lastTop = std::max(0, tree.items.rowCount() - std::max(1, fullRows(hwnd, tree)));
    const int index = top ? tree.items.rowIndex(top) : 0;
    tree.firstVisible = tree.items.rowAt(std::min(index, lastTop));
}

void layoutChanged(HWND hwnd, TreeControl& tree)
{
    normaliseScroll(hwnd, tree);
    InvalidateRect(hwnd, nullptr, TRUE);
}

bool scrollToRow(HWND hwnd, TreeControl& tree, int index)
{
    const HTREEITEM before = tree.firstVisible;
    tree.firstVisible = tree.items.rowAt(std::clamp(index, 0, std::max(0, tree.items.rowCount() - 1)));
    normaliseScroll(hwnd, tree);
    if (tree.firstVisible == before)
        return false;
    InvalidateRect(hwnd, nullptr, TRUE);
    return true;
}

bool scrollIntoView(HWND hwnd, TreeControl& tree, HTREEITEM handle)
{
    const int index = tree.items.rowIndex(handle);
    if (index < 0)
        return false;
    const int top = topRow(tree);
    const int rows = std::max(1, fullRows(hwnd, tree));
    if (index < top)
        return scrollToRow(hwnd, tree, index);
    if (index >= top + rows)
        return scrollToRow(hwnd, tree, index - rows + 1);
    return false;
}

} // namespace ce::gwes
