// What a tree view tells its parent: item notifications (NMTREEVIEWW), simple NM_* codes, and
// the TVN_GETDISPINFOW questions for items whose text, images or children are callbacks.
#pragma once

#include <string>

#include "TreeControl.h"

namespace ce::gwes {

// A TVITEMW describing an item for a notification (handle, state, lParam, images).
TVITEMW describeItem(TreeControl& tree, HTREEITEM handle);

// Sends an NMTREEVIEWW notification and returns the parent's answer.
LRESULT notifyTree(HWND hwnd, TreeControl& tree, UINT code, UINT action, HTREEITEM oldItem, HTREEITEM newItem);
// Sends a plain NMHDR notification (NM_CLICK, NM_RETURN...).
LRESULT notifySimple(HWND hwnd, UINT code);

// Fills the callback fields of `asked` (mask TVIF_TEXT / IMAGE / SELECTEDIMAGE / CHILDREN, the
// text into asked.pszText/cchTextMax) with one TVN_GETDISPINFOW; keeps the answer when the
// parent sets TVIF_DI_SETITEM. Fields that are not callbacks are left alone.
void askDisplayInfo(HWND hwnd, TreeControl& tree, HTREEITEM handle, TVITEMW& asked);

// The text an item shows (asked from the parent for a callback text).
std::u16string displayText(HWND hwnd, TreeControl& tree, HTREEITEM handle);
// Whether an item has (or says it has) children: its button and whether it can expand.
bool hasChildren(HWND hwnd, TreeControl& tree, HTREEITEM handle);

} // namespace ce::gwes
