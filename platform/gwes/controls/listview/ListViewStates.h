// Item states: selection, focus and the state image (check box), changed with
// LVN_ITEMCHANGING (which the parent may refuse) and LVN_ITEMCHANGED, keeping one focused item
// and, with LVS_SINGLESEL, one selected item.
#pragma once

#include "ListViewState.h"

namespace ce::gwes {

// Sets the bits of `mask` to `state`; false when the item is not there or the parent refused.
bool changeState(ListView& lv, int index, UINT state, UINT mask);
// LVM_SETITEMSTATE: index -1 means every item.
LRESULT setItemState(ListView& lv, int index, const LVITEMW* values);
LRESULT getItemState(ListView& lv, int index, UINT mask);
int focusedItem(const ListView& lv);
LRESULT selectedCount(const ListView& lv);
// What a tap or a key does to an item: it alone is selected, and focused.
void selectOnly(ListView& lv, int index);
void deselectAll(ListView& lv);
// Flips the check box (state image 1 and 2) of an item.
void toggleCheck(ListView& lv, int index);
LRESULT getNextItem(const ListView& lv, int start, UINT flags);

} // namespace ce::gwes
