// The interactive run: the SDL screen window over the running device.
#include "ScreenRun.h"

#include <cstdlib>

#include "emulator/Automation.h"
#include "emulator/FrontEnd.h"

namespace cedevice {
namespace {

bool hostHasDisplay()
{
    return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
}

} // namespace

bool showProgramOnScreen(const std::string& title, DWORD processId, HANDLE process, std::ostream& out)
{
    if (!hostHasDisplay())
        return false;
    std::string error;
    auto window = emulator::openScreenWindow(title, error);
    if (!window) {
        out << "note: " << error << "; running without a screen\n";
        return false;
    }
    const bool closed =
        emulator::showDevice(*window, [&] { return WaitForSingleObject(process, 0) == WAIT_OBJECT_0; });
    if (closed) {
        emulator::Automation automation(processId);
        if (!automation.quit().empty())
            TerminateProcess(process, 0);
    }
    return true;
}

} // namespace cedevice
