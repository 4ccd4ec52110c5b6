// Finding items by parameter or text (LVM_FINDITEMW) and sorting them with the parent's compare
// function (LVM_SORTITEMS by lParam, LVM_SORTITEMSEX by index).
#pragma once

#include "ListViewState.h"

namespace ce::gwes {

LRESULT findItem(ListView& lv, int start, const LVFINDINFOW* find);
LRESULT sortItems(ListView& lv, LPARAM sortParam, PFNLVCOMPARE compare, bool byIndex);

} // namespace ce::gwes
