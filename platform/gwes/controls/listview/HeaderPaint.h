// WM_PAINT of a header: flat items on the button face, separated by thin lines, the held item
// shown pressed; HDF_OWNERDRAW items are drawn by the parent (WM_DRAWITEM).
#pragma once

#include "HeaderState.h"

namespace ce::gwes {

LRESULT paintHeader(HWND hwnd, const Header& header);

} // namespace ce::gwes
