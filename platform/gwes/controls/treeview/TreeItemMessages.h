// The messages that add, read, change and find tree view items.
#pragma once

#include "TreeControl.h"

namespace ce::gwes {

HTREEITEM insertItem(HWND hwnd, TreeControl& tree, const TVINSERTSTRUCTW* insert);
BOOL getItem(HWND hwnd, TreeControl& tree, TVITEMW* asked);
BOOL setItem(HWND hwnd, TreeControl& tree, const TVITEMW* given);
UINT getItemState(TreeControl& tree, HTREEITEM handle, UINT mask);
HTREEITEM getNextItem(HWND hwnd, TreeControl& tree, HTREEITEM handle, UINT code);

} // namespace ce::gwes
