// Sorting a tree view's children: by their text (TVM_SORTCHILDREN, TVI_SORT) or by the
// program's comparison of their lParam (TVM_SORTCHILDRENCB).
#pragma once

#include "TreeControl.h"

namespace ce::gwes {

// Text order as the device's control sorts: case-insensitive.
int compareItemText(const std::u16string& a, const std::u16string& b);

// TVM_SORTCHILDREN: the children of `parent` (TVI_ROOT or null: the top level), and with
// `recurse` every level below.
BOOL sortChildren(HWND hwnd, TreeControl& tree, HTREEITEM parent, bool recurse);
// TVM_SORTCHILDRENCB.
BOOL sortChildrenCallback(HWND hwnd, TreeControl& tree, const TVSORTCB* sort);
// Where TVI_SORT puts an item of this text under `parent`: the sibling to insert after, or
// TVI_FIRST.
HTREEITEM sortedPlace(HWND hwnd, TreeControl& tree, HTREEITEM parent, const std::u16string& text);

} // namespace ce::gwes
