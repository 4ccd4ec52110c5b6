// Where a tree view's rows and their parts lie (TreeMetrics.h), which item is at a point, and
// vertical scrolling by whole rows.
#pragma once

#include "TreeControl.h"

namespace ce::gwes {

// The parts of an item's row, left to right, in client coordinates.
struct TreeRow {
    int top = 0;
    int buttonLeft = 0; // the button column, one indent wide, ends where the state icon starts
    bool hasButton = false;
    int stateLeft = 0;
    int imageLeft = 0;
    int labelLeft = 0;
    int labelRight = 0;
};

// The width of a list's images, or the 96-dpi measure scaled when the list is not known.
int imageWidthOf(HIMAGELIST list, int fallbackAt96);
// The row of an item that has one (every ancestor expanded); false otherwise.
bool rowLayout(HWND hwnd, TreeControl& tree, HTREEITEM handle, TreeRow& row);
// TVM_GETITEMRECT: the label's rectangle or the whole row's.
bool itemRect(HWND hwnd, TreeControl& tree, HTREEITEM handle, bool labelOnly, RECT& rect);
// TVM_HITTEST: fills flags and hItem and returns the item.
HTREEITEM hitTest(HWND hwnd, TreeControl& tree, TVHITTESTINFO& info);

// Rows that fit whole in the client area (TVM_GETVISIBLECOUNT).
int fullRows(HWND hwnd, const TreeControl& tree);
// The row index on top.
int topRow(TreeControl& tree);
// Keeps the top item on a row and leaves no empty rows below the last item when scrolled.
void normaliseScroll(HWND hwnd, TreeControl& tree);
// After items or rows changed: the scroll limits again, and a repaint.
void layoutChanged(HWND hwnd, TreeControl& tree);
// Puts row `index` on top (within the limits); true when the view moved.
bool scrollToRow(HWND hwnd, TreeControl& tree, int index);
// Scrolls the least needed to show an item's row whole; true when the view moved.
bool scrollIntoView(HWND hwnd, TreeControl& tree, HTREEITEM handle);

} // namespace ce::gwes
