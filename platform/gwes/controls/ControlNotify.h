// How a control tells its parent what happened: WM_COMMAND with a notification code in the
// high word, or WM_NOTIFY with a header (and the code's own structure around it).
#pragma once

#include "windows.h"

namespace ce::gwes {

// Sends WM_COMMAND(MAKEWPARAM(id, code), control) to the control's parent; 0 without one.
LRESULT notifyParentCommand(HWND control, WORD code);

// Fills `header` (hwndFrom, idFrom, code) and sends WM_NOTIFY(id, header) to the control's
// parent, returning the parent's answer (0 without a parent).
LRESULT notifyParent(HWND control, UINT code, NMHDR& header);

} // namespace ce::gwes
