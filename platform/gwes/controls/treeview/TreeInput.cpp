// Taps, keys and scrolling of the tree view. As on the device, a tap acts when the stylus goes
// down: NM_CLICK first (a non-zero answer keeps the control from acting), then the selection
// or check change; a tap on a +/- button only toggles the item.
#include "TreeInput.h"

#include <algorithm>

#include "TreeActions.h"
#include "TreeLayout.h"
#include "TreeNotify.h"
#include "TreeScrollBar.h"
#include "TreeSort.h"
#include "gwes/controls/ControlNotify.h"

namespace ce::gwes {

namespace {

POINT pointOf(LPARAM position)
{
    return {static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
}

TVHITTESTINFO hitAt(HWND hwnd, TreeControl& tree, LPARAM position)
{
    TVHITTESTINFO hit {};
    hit.pt = pointOf(position);
    hitTest(hwnd, tree, hit);
    return hit;
}

bool checkBoxHit(HWND hwnd, const TVHITTESTINFO& hit)
{
    return (hit.flags & TVHT_ONITEMSTATEICON) && (treeStyle(hwnd) & TVS_CHECKBOXES);
}

bool selectingHit(HWND hwnd, const TVHITTESTINFO& hit)
{
    if (hit.flags & TVHT_ONITEM)
        return true;
    return (treeStyle(hwnd) & TVS_FULLROWSELECT) && (hit.flags & (TVHT_ONITEMRIGHT | TVHT_ONITEMINDENT));
}

// The item a navigation key moves the caret to, or null.
HTREEITEM keyTarget(HWND hwnd, TreeControl& tree, WPARAM key)
{
    TreeItems& items = tree.items;
    const HTREEITEM caret = tree.caret;
    const int page = std::max(1, fullRows(hwnd, tree) - 1);
    const int row = items.rowIndex(caret);
    switch (key) {
    case VK_UP:
        return caret ? items.previousRow(caret) : items.firstRow();
    case VK_DOWN:
        return caret ? items.nextRow(caret) : items.firstRow();
    case VK_HOME:
        return items.firstRow();
    case VK_END:
        return items.lastRow();
    case VK_PRIOR:
        return items.rowAt(std::max(0, row - page));
    case VK_NEXT:
        return items.rowAt(std::min(items.rowCount() - 1, std::max(0, row + page)));
    case VK_BACK:
        return items.parentOf(caret);
    default:
        return nullptr;
    }
}

// VK_RIGHT opens a closed item, else goes to its first child; VK_LEFT closes an open item,
// else goes to its parent.
void keyExpandOrMove(HWND hwnd, TreeControl& tree, bool right)
{
    const HTREEITEM caret = tree.caret;
    const TreeItem* item = tree.items.find(caret);
    if (!item)
        return;
    const bool open = (item->state & TVIS_EXPANDED) != 0;
    if (right && !open)
        expandItem(hwnd, tree, caret, TVE_EXPAND, ExpandCause::user);
    else if (right && item->firstChild)
        selectItem(hwnd, tree, item->firstChild, TVC_BYKEYBOARD);
    else if (!right && open && hasChildren(hwnd, tree, caret))
        expandItem(hwnd, tree, caret, TVE_COLLAPSE, ExpandCause::user);
    else if (!right && tree.items.parentOf(caret))
        selectItem(hwnd, tree, tree.items.parentOf(caret), TVC_BYKEYBOARD);
}

// The next row from `start` (wrapping around) whose text begins with `prefix`.
HTREEITEM findByPrefix(HWND hwnd, TreeControl& tree, HTREEITEM start, const std::u16string& prefix)
{
    const int count = tree.items.rowCount();
    HTREEITEM row = start ? start : tree.items.firstRow();
    for (int i = 0; i < count && row; ++i) {
        const std::u16string text = displayText(hwnd, tree, row).substr(0, prefix.size());
        if (compareItemText(text, prefix) == 0)
            return row;
        row = tree.items.nextRow(row);
        if (!row)
            row = tree.items.firstRow();
    }
    return nullptr;
}

// A tap that selects. With TVS_SINGLEEXPAND the item tapped opens and the one left closes
// (unless it holds the new one).
void tapSelect(HWND hwnd, TreeControl& tree, HTREEITEM handle)
{
    const HTREEITEM old = tree.caret;
    if (!selectItem(hwnd, tree, handle, TVC_BYMOUSE) || !(treeStyle(hwnd) & TVS_SINGLEEXPAND))
        return;
    if (old && old != handle && !tree.items.isAncestor(old, handle))
        expandItem(hwnd, tree, old, TVE_COLLAPSE, ExpandCause::user);
    const TreeItem* item = tree.items.find(handle);
    if (item && !(item->state & TVIS_EXPANDED))
        expandItem(hwnd, tree, handle, TVE_EXPAND, ExpandCause::user);
}

} // namespace

void treeTap(HWND hwnd, TreeControl& tree, LPARAM position)
{
    if (GetFocus() != hwnd)
        SetFocus(hwnd);
    if (scrollBarTap(hwnd, tree, pointOf(position)))
        return;
    const TVHITTESTINFO hit = hitAt(hwnd, tree, position);
    if (hit.flags & TVHT_ONITEMBUTTON) {
        expandItem(hwnd, tree, hit.hItem, TVE_TOGGLE, ExpandCause::user);
        return;
    }
    if (notifySimple(hwnd, NM_CLICK))
        return;
    if (checkBoxHit(hwnd, hit))
        toggleCheck(hwnd, tree, hit.hItem); // the parent sees the new state after NM_CLICK
    else if (selectingHit(hwnd, hit))
        tapSelect(hwnd, tree, hit.hItem);
}

void treeDoubleTap(HWND hwnd, TreeControl& tree, LPARAM position)
{
    if (scrollBarTap(hwnd, tree, pointOf(position)))
        return; // the second tap of a quick pair scrolls again
    const TVHITTESTINFO hit = hitAt(hwnd, tree, position);
    if (notifySimple(hwnd, NM_DBLCLK))
        return;
    if (checkBoxHit(hwnd, hit))
        toggleCheck(hwnd, tree, hit.hItem);
    else if (hit.flags & (TVHT_ONITEM | TVHT_ONITEMBUTTON))
        expandItem(hwnd, tree, hit.hItem, TVE_TOGGLE, ExpandCause::user);
}

void treeKeyDown(HWND hwnd, TreeControl& tree, WPARAM key)
{
    NMTVKEYDOWN info {};
    info.wVKey = static_cast<WORD>(key);
    tree.skipNextChar = notifyParent(hwnd, TVN_KEYDOWN, info.hdr) != 0;
    switch (key) {
    case VK_RETURN:
        notifySimple(hwnd, NM_RETURN);
        return;
    case VK_SPACE:
        if (treeStyle(hwnd) & TVS_CHECKBOXES)
            toggleCheck(hwnd, tree, tree.caret);
        return;
    case VK_LEFT:
    case VK_RIGHT:
        keyExpandOrMove(hwnd, tree, key == VK_RIGHT);
        return;
    default:
        if (const HTREEITEM target = keyTarget(hwnd, tree, key))
            selectItem(hwnd, tree, target, TVC_BYKEYBOARD);
    }
}

void treeChar(HWND hwnd, TreeControl& tree, WCHAR character)
{
    const bool skip = tree.skipNextChar;
    tree.skipNextChar = false;
    if (skip || character < u' ' || (character == u' ' && tree.search.empty()))
        return;
    const DWORD now = GetTickCount();
    if (now - tree.lastSearchKey > tree_metrics::searchTimeout)
        tree.search.clear();
    tree.lastSearchKey = now;
    // A new search starts after the caret; a longer one keeps the caret while it still fits.
    const HTREEITEM start = tree.search.empty() ? tree.items.nextRow(tree.caret) : tree.caret;
    tree.search += character;
    if (const HTREEITEM found = findByPrefix(hwnd, tree, start, tree.search))
        selectItem(hwnd, tree, found, TVC_BYKEYBOARD);
}

int incrementalSearchText(TreeControl& tree, LPWSTR buffer)
{
    if (tree.search.empty() || GetTickCount() - tree.lastSearchKey > tree_metrics::searchTimeout)
        return 0;
    if (buffer)
        std::copy_n(tree.search.c_str(), tree.search.size() + 1, buffer);
    return static_cast<int>(tree.search.size());
}

void treeVScroll(HWND hwnd, TreeControl& tree, WPARAM request)
{
    const int current = topRow(tree);
    const int page = std::max(1, fullRows(hwnd, tree));
    switch (LOWORD(request)) {
    case SB_LINEUP:
        scrollToRow(hwnd, tree, current - 1);
        break;
    case SB_LINEDOWN:
        scrollToRow(hwnd, tree, current + 1);
        break;
    case SB_PAGEUP:
        scrollToRow(hwnd, tree, current - page);
        break;
    case SB_PAGEDOWN:
        scrollToRow(hwnd, tree, current + page);
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        scrollToRow(hwnd, tree, HIWORD(request));
        break;
    case SB_TOP:
        scrollToRow(hwnd, tree, 0);
        break;
    case SB_BOTTOM:
        scrollToRow(hwnd, tree, tree.items.rowCount());
        break;
    default:
        break;
    }
}

} // namespace ce::gwes
