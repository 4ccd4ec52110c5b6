// Tree-view helpers of the cleaner and the browsers: items with a check box state, and folder
// items that show how many items they hold.
#pragma once

#include "commctrl.h"
#include "windows.h"

// The check box states of tree items (state image indexes).
enum TreeCheck : int {
    treeUnchecked = 1,
    treeChecked = 2,
};

// Adds `text` under `parent` (TVI_ROOT for a top item) after its other children, with the check
// box in `checkState` and `data` as the item's parameter. Null when it could not be added.
HTREEITEM insertCheckedItem(HWND tree, HTREEITEM parent, const char16_t* text, int checkState, LPARAM data);

// The item's check box state (its state image index; 0 for none).
int treeCheckState(HWND tree, HTREEITEM item);
void setTreeCheckState(HWND tree, HTREEITEM item, int checkState);

// A folder item's text: "name : count", or "name : count (selected selected)" when some of its
// items are selected (the text of the active language).
void setFolderText(HWND tree, HTREEITEM item, const char16_t* name, int count, int selected);
