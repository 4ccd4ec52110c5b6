// The host's view of the screen: composed snapshots, PNG files, and turning the screen.
#include <string>

#include "emulator/Screen.h"

#include <chrono>
#include <cstring>
#include <mutex>
#include <thread>

#include "Composition.h"
#include "gdi/png/PngEncode.h"
#include "gwes/GwesState.h"
#include "gwes/Screen.h"

namespace emulator {

ScreenImage captureScreen()
{
    // One frame kept between captures: making a screen-sized surface each time costs more than
    // composing it.
    static std::mutex lock;
    static ce::gdi::Surface frame;
    std::lock_guard guard(lock);
    ce::gwes::composeScreen(frame);
    ScreenImage image;
    image.width = frame.width;
    image.height = frame.height;
    image.pixels.resize(static_cast<size_t>(frame.width) * static_cast<size_t>(frame.height));
    // Surface rows are blue, green, red, unused: 0x00RRGGBB read as little-endian words.
    for (int y = 0; y < frame.height; ++y) {
        std::memcpy(image.pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(frame.width),
            frame.storage.data() + static_cast<size_t>(y) * static_cast<size_t>(frame.stride),
            static_cast<size_t>(frame.width) * 4);
    }
    for (auto& pixel : image.pixels)
        pixel &= 0x00FFFFFFu;
    return image;
}

namespace {

// Whether a shown window waits for WM_PAINT or is between BeginPaint and EndPaint.
bool paintPending()
{
    std::lock_guard guard(ce::gwes::gwesLock());
    for (const auto& [handle, window] : ce::gwes::state().windows) {
        if ((window->invalid || window->painting > 0) && (window->style & WS_VISIBLE))
            return true;
    }
    return false;
}

} // namespace

bool waitForPainting(DWORD maxMs)
{
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(maxMs);
    while (paintPending()) {
        if (std::chrono::steady_clock::now() >= until)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

bool saveScreenshot(const std::filesystem::path& file, std::string& error)
{
    const ScreenImage screen = captureScreen();
    ce::gdi::PngImage image;
    image.width = screen.width;
    image.height = screen.height;
    image.pixels.reserve(screen.pixels.size());
    for (std::uint32_t pixel : screen.pixels)
        image.pixels.push_back(0xFF000000u | pixel);
    return ce::gdi::writePngFile(file, image, error);
}

} // namespace emulator
