// A person's input to a list view: taps and double taps of the stylus, keys, and the focus.
#pragma once

#include "ListViewState.h"

namespace ce::gwes {

LRESULT stylusDown(ListView& lv, LPARAM point);
LRESULT stylusMove(ListView& lv, LPARAM point);
LRESULT stylusUp(ListView& lv, LPARAM point);
LRESULT doubleTap(ListView& lv, LPARAM point);
LRESULT keyDown(ListView& lv, WPARAM key, LPARAM flags);
LRESULT focusChanged(ListView& lv, bool gained);

} // namespace ce::gwes
