// What a tree view does to its items on a message or on input, with the notifications the
// device's control sends: expanding, selecting, deleting, revealing and checking items.
#pragma once

#include "TreeControl.h"

namespace ce::gwes {

// Who asked: a person (tap, key) always notifies; TVM_EXPAND notifies only until the item has
// been expanded once (TVIS_EXPANDEDONCE), and collapsing by message never does.
enum class ExpandCause { message, user };

// TVM_EXPAND: TVE_EXPAND (| TVE_EXPANDPARTIAL), TVE_COLLAPSE (| TVE_COLLAPSERESET) or
// TVE_TOGGLE. A partly expanded item keeps its +, and toggling it expands it again.
BOOL expandItem(HWND hwnd, TreeControl& tree, HTREEITEM handle, UINT code, ExpandCause cause);
// Moves the caret with TVN_SELCHANGING (a non-zero answer refuses) and TVN_SELCHANGED; the new
// item is revealed. Null clears the selection.
BOOL selectItem(HWND hwnd, TreeControl& tree, HTREEITEM handle, UINT cause);
// TVM_SELECTITEM with TVGN_DROPHILITE.
void setDropHilite(HWND hwnd, TreeControl& tree, HTREEITEM handle);
// TVM_DELETEITEM: an item and its subtree, or every item for TVI_ROOT; TVN_DELETEITEMW for
// each, children before their parent.
BOOL deleteItem(HWND hwnd, TreeControl& tree, HTREEITEM handle);
// TVM_ENSUREVISIBLE: expands the collapsed ancestors and scrolls; TRUE when it only scrolled.
BOOL ensureVisible(HWND hwnd, TreeControl& tree, HTREEITEM handle);
// A check box tap or the space key: unchecked (1) and checked (2) swap; any other state image
// (a program's third "partly" image) goes back to unchecked. No state image: nothing.
void toggleCheck(HWND hwnd, TreeControl& tree, HTREEITEM handle);

} // namespace ce::gwes
