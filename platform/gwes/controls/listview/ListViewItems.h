// A list view's items: inserting (in sorted place with LVS_SORT*), deleting with LVN_DELETEITEM,
// reading and changing their texts, images, parameters, indents and states, and the item count
// of owner-data lists.
#pragma once

#include "ListViewState.h"

namespace ce::gwes {

LRESULT insertItem(ListView& lv, const LVITEMW* values);
LRESULT deleteItem(ListView& lv, int index);
// LVN_DELETEALLITEMS first (TRUE from the parent spares the LVN_DELETEITEM of each item), none
// when the window is being destroyed.
LRESULT deleteAllItems(ListView& lv);
LRESULT getItem(ListView& lv, LVITEMW* values);
LRESULT setItem(ListView& lv, const LVITEMW* values);
LRESULT getItemText(ListView& lv, int index, LVITEMW* values);
LRESULT setItemText(ListView& lv, int index, const LVITEMW* values);
LRESULT setItemCount(ListView& lv, int count);
// Gives each item without a state image the unchecked box (LVS_EX_CHECKBOXES turned on).
void giveCheckBoxes(ListView& lv);

} // namespace ce::gwes
