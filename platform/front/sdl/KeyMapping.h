// Host keys (SDL key codes) to the device's virtual keys.
#pragma once

#include <SDL_keycode.h>

#include "windows.h"

namespace emulator {

// 0 for keys the device has no counterpart for.
BYTE virtualKeyOf(SDL_Keycode key);

} // namespace emulator
