// A tree view's state, kept with its window (controls/ControlState.h). The procedure runs on
// the window's thread; the parent may call back into the control from any notification, so
// code holds handles, never item references, across a notification.
#pragma once

#include <string>

#include "TreeItems.h"
#include "TreeMetrics.h"
#include "gwes/Screen.h"

namespace ce::gwes {

struct TreeControl {
    TreeItems items;
    HTREEITEM caret = nullptr; // the selected item
    HTREEITEM dropHilite = nullptr;
    HTREEITEM firstVisible = nullptr; // the item on the top row
    int indent = scaledForScreen(tree_metrics::indent);
    int itemHeight = scaledForScreen(tree_metrics::itemHeight);
    COLORREF bkColor = CLR_NONE; // CLR_NONE: the system colour
    COLORREF textColor = CLR_NONE;
    HIMAGELIST normalImages = nullptr;
    HIMAGELIST stateImages = nullptr;
    HIMAGELIST checkBoxImages = nullptr; // made for TVS_CHECKBOXES, destroyed with the control
    HFONT font = nullptr;
    UINT scrollTime = tree_metrics::scrollTime;
    std::u16string search; // the incremental search typed so far
    DWORD lastSearchKey = 0; // GetTickCount of its last character
    bool skipNextChar = false; // the parent answered TVN_KEYDOWN: keep the character out
};

// The control's style bits.
DWORD treeStyle(HWND hwnd);

} // namespace ce::gwes
