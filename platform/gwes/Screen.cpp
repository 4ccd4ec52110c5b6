// The screen's measures and GetSystemMetrics.
#include "kernel/Device.h"  // first: the device headers' wide-character macros must follow <string>

#include "Screen.h"

#include <atomic>

#include "kernel/DeviceParts.h"

namespace ce::gwes {
namespace {

// Whether the screen stands turned from the profile's orientation, since boot.
std::atomic<bool> turned {false};

bool startScreen(Device&, std::string&)
{
    turned = false;
    return true;
}

void stopScreen()
{
    turned = false;
}

const DevicePartRegistration registration {{"screen", 21, startScreen, stopScreen}};

} // namespace

SIZE screenSize()
{
    SIZE size {240, 320};
    if (const Device* device = Device::current())
        size = {device->profile().screenWidth, device->profile().screenHeight};
    return turned ? SIZE {size.cy, size.cx} : size;
}

void turnScreen()
{
    turned = !turned;
}

int screenDpi()
{
    const Device* device = Device::current();
    return device ? device->profile().screenDpi : 96;
}

int scaledForScreen(int pixelsAt96Dpi)
{
    return pixelsAt96Dpi * screenDpi() / 96;
}

} // namespace ce::gwes

int GetSystemMetrics(int nIndex)
{
    using namespace ce::gwes;
    switch (nIndex) {
    case SM_CXSCREEN:
        return screenSize().cx;
    case SM_CYSCREEN:
        return screenSize().cy;
    case SM_CXICON:
    case SM_CYICON:
        return scaledForScreen(32);
    case SM_CXSMICON:
    case SM_CYSMICON:
        return scaledForScreen(16);
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
        return scaledForScreen(13);
    case SM_CYCAPTION:
    case SM_CYMENU:
        return scaledForScreen(26);
    case SM_CXBORDER:
    case SM_CYBORDER:
        return 1;
    case SM_CXEDGE:
    case SM_CYEDGE:
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
        return 2;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
        return scaledForScreen(4);
    default:
        return 0;
    }
}
