// What tests and the device tool see of the user interface besides windows: answering message
// boxes without a person, and the sounds programs asked for.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "../ceapi.h"
#include "../windef.h"

namespace emulator {

struct MessageBoxShown {
    std::u16string text;
    std::u16string caption;
    UINT type = 0; // MB_* flags as given
};

// Called on the thread that calls MessageBoxW. An answer of IDOK…IDNO is what MessageBoxW
// returns at once; 0 shows the box as usual (to be answered by its buttons).
using MessageBoxResponder = std::function<int(const MessageBoxShown&)>;
// Replaces the responder of the device; an empty one removes it.
CEAPI void setMessageBoxResponder(MessageBoxResponder responder);

// The MessageBeep types asked for since the last call, oldest first.
CEAPI std::vector<UINT> takeMessageBeeps();

}  // namespace emulator
