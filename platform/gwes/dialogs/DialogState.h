// What the dialog manager keeps for each dialog window besides its DLGWINDOWEXTRA slots.
#pragma once

#include <memory>

#include "windows.h"

namespace ce::gwes {

struct DialogState {
    bool ended = false; // EndDialog was called
    INT_PTR result = 0;
    WORD defaultId = IDOK; // DM_SETDEFID
};

// The state of a dialog window, or null when the window is gone.
std::shared_ptr<DialogState> dialogState(HWND dialog);

} // namespace ce::gwes
