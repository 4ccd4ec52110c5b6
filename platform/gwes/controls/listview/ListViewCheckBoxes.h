// The state images a list view makes for LVS_EX_CHECKBOXES: image 0 an empty check box, image 1
// a checked one (state image indexes 1 and 2), each a box drawn by DrawFrameControl centred in a
// transparent square.
#pragma once

#include "commctrl.h"

namespace ce::gwes {

// A new image list with the two check box pictures; null when GDI cannot make them.
HIMAGELIST makeCheckBoxImages();

} // namespace ce::gwes
