// Host-side view of the device's shell user interface, for the script runner and tests: the
// pop-up menu open now (to choose from or cancel, as a person with the stylus would), and what
// programs asked of the input panel and full-screen mode. Callable from any thread; the pop-up
// calls wait until the pop-up's own thread has acted. Device programs never include this header.
#pragma once

#include <string>

#include "../windows.h"

namespace emulator {

struct PopupMenuInfo {
    HWND window = nullptr; // the pop-up window (class "MNU"); null when no pop-up is open
    HWND owner = nullptr;
    HMENU root = nullptr; // the menu TrackPopupMenuEx was given
    HMENU menu = nullptr; // the menu shown now: the innermost open sub-menu, or root
};

// The most recently opened pop-up that is still open.
CEAPI PopupMenuInfo openPopupMenu();

// Chooses an item of the open pop-up by its texts from the root menu, "View/Zoom/Zoom In"
// ('&' markers may be left out, case does not matter). Every item on the way opens its
// sub-menu; the last one is chosen (a command ends the pop-up, a popup item opens and stays).
// False when no pop-up is open, a text is missing, or an item on the way is grayed, disabled or
// a separator.
CEAPI bool choosePopupItem(const std::u16string& path);
// The same for the command item `id`, wherever it is under the root menu.
CEAPI bool choosePopupItem(UINT id);
// Cancels the open pop-up as a tap outside would; false when none is open.
CEAPI bool cancelPopupMenu();

// The input panel's state as the last SHSipPreference or SHIDIF_SIPDOWN left it (SIP_UP,
// SIP_DOWN; SIP_DOWN at boot).
CEAPI int sipState();
// The SHFS_* flags last given to SHFullScreen for the top-level window of `hwnd` (0 if none).
CEAPI DWORD fullScreenFlags(HWND hwnd);

} // namespace emulator
