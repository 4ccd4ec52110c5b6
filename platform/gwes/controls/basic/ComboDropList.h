// The window that shows a combo box's dropped list: a top-level pop-up over the combo's rows
// that never takes the activation. The combo keeps the list's state and paints its rows into
// it; taps on it go to the combo in the combo's own client coordinates.
#pragma once

#include "windows.h"

namespace ce::gwes::basic {

// Shows the pop-up over `rect` (the combo's client coordinates); null when it cannot be made.
HWND showDroppedList(HWND combo, const RECT& rect);

// The combo's painting of its dropped rows into the pop-up (ComboBox.cpp).
void paintDroppedRows(HWND combo);

} // namespace ce::gwes::basic
