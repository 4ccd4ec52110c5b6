// The device's screen as the host sees it: its composed pixels, PNG snapshots, turning it, and
// the input a front-end hands to the device (stylus and keys).
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "../ceapi.h"
#include "../windef.h"

namespace emulator {

// Pixels as 0x00RRGGBB, row by row from the top.
struct ScreenImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

// Composes the screen now: the desktop, every visible top-level window from the bottom of the
// z-order up, and the shell's title bar on top.
CEAPI ScreenImage captureScreen();
// Lets the device's windows paint: returns true when no shown window waits for WM_PAINT, false
// when some still do after `maxMs` of host time (a program that never reads its queue).
CEAPI bool waitForPainting(DWORD maxMs);
// Writes the composed screen as a PNG; false with a message.
CEAPI bool saveScreenshot(const std::filesystem::path& file, std::string& error);

// Turns the screen a quarter, as the device does when its orientation changes: top-level windows
// that spanned the screen's width are fitted to the new one (WM_SIZE), then every top-level
// window gets WM_SETTINGCHANGE with SETTINGCHANGE_RESET.
CEAPI void rotateScreen();

// Stylus and keys as the device's drivers give them, in screen pixels: the stylus goes to the
// window under it (or the one holding the capture), keys to the focus.
CEAPI void stylusDown(int x, int y);
CEAPI void stylusMove(int x, int y);
CEAPI void stylusUp(int x, int y);
CEAPI void keyPressed(BYTE virtualKey, bool down);

}  // namespace emulator
