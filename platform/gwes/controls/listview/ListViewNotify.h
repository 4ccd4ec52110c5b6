// What a list view tells and asks its parent: NMLISTVIEW notifications, NM_CLICK-style
// NMITEMACTIVATE ones, and LVN_GETDISPINFOW for what the parent keeps (callback texts and
// images, owner-data items, states in the callback mask).
#pragma once

#include <string>

#include "ListViewState.h"

namespace ce::gwes {

// NMLISTVIEW with the item's lParam (when the item exists); the parent's answer.
LRESULT notifyList(ListView& lv, UINT code, int item, int subItem = 0, UINT newState = 0, UINT oldState = 0,
    UINT changed = 0, POINT action = {});
// NMITEMACTIVATE for NM_CLICK, NM_DBLCLK and LVN_ITEMACTIVATE.
LRESULT notifyActivate(ListView& lv, UINT code, int item, int subItem, POINT action);
// A bare NMHDR notification (NM_SETFOCUS, NM_RETURN...).
LRESULT notifyPlain(ListView& lv, UINT code);

// Whether the parent gives this part of the item (LVIF_TEXT, LVIF_IMAGE).
bool parentKeeps(const ListView& lv, int item, int subItem, UINT part);
// The text of an item's label (subItem 0) or sub-item, from the item or from the parent.
std::u16string cellText(ListView& lv, int item, int subItem);
// The item's image index, from the item or from the parent (I_IMAGECALLBACK, owner data).
int itemImage(ListView& lv, int item);
// The state bits of `mask` that the callback mask leaves to the parent, as it answers.
UINT callbackState(ListView& lv, int item, UINT mask);

} // namespace ce::gwes
