// The state images of a TVS_CHECKBOXES tree: made when the control is, as the device's control
// makes them, so the program can read them back with TVM_GETIMAGELIST(TVSIL_STATE).
#pragma once

#include "TreeControl.h"

namespace ce::gwes {

// Gives a TVS_CHECKBOXES tree without state images its check box images (0 blank, 1 unchecked,
// 2 checked), a square of one state icon drawn with DrawFrameControl; at creation, or at the
// first paint after the style was set.
void ensureCheckBoxImages(HWND hwnd, TreeControl& tree);
// Destroys the images the control made.
void releaseCheckBoxImages(TreeControl& tree);

} // namespace ce::gwes
