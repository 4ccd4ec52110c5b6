// WM_PAINT of the tree view: its custom-draw stages.
#pragma once

#include "TreeControl.h"

namespace ce::gwes {

void treePaint(HWND hwnd, TreeControl& tree);

} // namespace ce::gwes
