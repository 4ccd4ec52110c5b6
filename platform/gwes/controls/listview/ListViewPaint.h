// WM_PAINT of a list view: the custom-draw conversation with the parent and the drawing of the
// rows in the update rectangle, then the scroll bar; WM_ERASEBKGND fills with LVM_SETBKCOLOR's
// colour.
#pragma once

#include "ListViewState.h"

namespace ce::gwes {

LRESULT paint(ListView& lv);
LRESULT eraseBackground(const ListView& lv, HDC dc);

} // namespace ce::gwes
