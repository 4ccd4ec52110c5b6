// The screen's measures and GetSystemMetrics.
#include "kernel/Device.h"  // first: the device headers' wide-character macros must follow <string>

#include "Screen.h"

namespace ce::gwes {

SIZE screenSize()
{
    if (const Device* device = Device::current())
        return {device->profile().screenWidth, device->profile().screenHeight};
    return {240, 320};
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
