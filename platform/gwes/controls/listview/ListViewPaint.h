// WM_PAINT of a list view: the custom-draw conversation with the parent for the rows in the
// update rectangle. Nothing is drawn until the system can draw.
#pragma once

#include "ListViewState.h"

namespace ce::gwes {

LRESULT paint(ListView& lv);

} // namespace ce::gwes
