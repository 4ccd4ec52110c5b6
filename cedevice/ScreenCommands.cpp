// cedevice screenshot and rotate: the device's screen as a PNG file, and turning the screen of an
// image (its profile then starts in the other orientation).
#include "CommandSupport.h"
#include "Commands.h"
#include "RunningRecord.h"
#include "emulator/Device.h"
#include "emulator/Screen.h"

namespace cedevice {
namespace {

constexpr DWORD paintWaitMs = 3000;

std::filesystem::path profileFile(const std::string& image)
{
    return std::filesystem::path(image) / "device.ini";
}

} // namespace

void runScreenshot(const CommandLine& line, std::ostream& out)
{
    const std::string& image = line.positional[0];
    const std::string& file = line.positional[1];
    DeviceSession session(image);
    restoreRunningPrograms(image);
    if (!emulator::waitForPainting(paintWaitMs))
        out << "note: some windows did not paint within " << paintWaitMs / 1000 << " seconds\n";
    std::string error;
    if (!emulator::saveScreenshot(file, error))
        throw CommandError(error);
    const emulator::ScreenImage screen = emulator::captureScreen();
    out << "Saved the " << screen.width << "x" << screen.height << " screen to " << file << '\n';
}

void runRotate(const CommandLine& line, std::ostream& out)
{
    const std::string& image = line.positional[0];
    checkImage(image);
    emulator::Profile profile;
    std::string error;
    if (!emulator::loadProfile(profileFile(image), profile, error))
        throw CommandError(image + ": " + error);
    std::swap(profile.screenWidth, profile.screenHeight);
    if (!emulator::saveProfile(profileFile(image), profile, error))
        throw CommandError(image + ": " + error);
    out << "The screen of " << image << " is now " << profile.screenWidth << "x" << profile.screenHeight
        << (profile.screenWidth > profile.screenHeight ? " (landscape)" : " (portrait)") << '\n';
}

}  // namespace cedevice
