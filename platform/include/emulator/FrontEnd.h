// Front-ends: the ways the device's screen reaches a person or a file. A front-end shows composed
// screens and hands back what the person did; showDevice runs one against the running device.
// Tests use none: they read the screen with captureScreen.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "../ceapi.h"
#include "../windef.h"
#include "Screen.h"

namespace emulator {

struct FrontEndInput {
    enum Kind { StylusDown, StylusMove, StylusUp, Key, Rotate, Close };
    Kind kind = Close;
    int x = 0; // stylus: screen pixels of the device
    int y = 0;
    BYTE virtualKey = 0; // Key: a VK_ code, pressed or released
    bool down = false;
};

class CEAPI FrontEnd {
public:
    virtual ~FrontEnd();
    virtual void present(const ScreenImage& screen) = 0;
    // The next thing the person did; false when nothing is waiting.
    virtual bool nextInput(FrontEndInput& input) = 0;
};

// A window on the host's display showing the screen (scaled by 2 for screens 240 pixels wide or
// narrower): the mouse is the stylus, keys are the device's keys, F12 turns the screen, closing
// the window closes the device. Null, with `error`, when there is no display.
CEAPI std::unique_ptr<FrontEnd> openScreenWindow(const std::string& title, std::string& error);
// Writes each presented screen to `file` as a PNG (the last one stays); no input.
CEAPI std::unique_ptr<FrontEnd> pngSnapshots(const std::filesystem::path& file);

// Presents the screen about 30 times a second and hands the device the front-end's input until
// `finished` answers true (checked each frame) or the person closes the front-end; true when
// the person closed it.
CEAPI bool showDevice(FrontEnd& frontEnd, const std::function<bool()>& finished);

}  // namespace emulator
