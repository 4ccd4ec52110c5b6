// A person's input to a tree view: stylus taps and double taps, keys, characters (incremental
// search), focus, and the vertical scroll bar.
#pragma once

#include "TreeControl.h"

namespace ce::gwes {

void treeTap(HWND hwnd, TreeControl& tree, LPARAM position);
void treeDoubleTap(HWND hwnd, TreeControl& tree, LPARAM position);
void treeKeyDown(HWND hwnd, TreeControl& tree, WPARAM key);
void treeChar(HWND hwnd, TreeControl& tree, WCHAR character);
void treeVScroll(HWND hwnd, TreeControl& tree, WPARAM request);
// TVM_GETISEARCHSTRINGW: the search typed so far into `buffer`; its length, 0 when none.
int incrementalSearchText(TreeControl& tree, LPWSTR buffer);

} // namespace ce::gwes
