// What the device says about itself: GetVersionExW and the system parameters that name the
// platform and the maker, from the profile.
#include <algorithm>

#include "kernel/Device.h"
#include "winerror.h"
#include "winuser.h"

namespace ce {
namespace {

// Copies `text` with its terminator into a buffer of `bytes` bytes.
BOOL copyParameterText(const std::u16string& text, UINT bytes, PVOID buffer)
{
    if (!buffer) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (bytes < (text.size() + 1) * sizeof(WCHAR)) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    auto* out = static_cast<WCHAR*>(buffer);
    std::copy(text.begin(), text.end(), out);
    out[text.size()] = u'\0';
    return TRUE;
}

}  // namespace
}  // namespace ce

BOOL GetVersionExW(LPOSVERSIONINFOW lpVersionInformation)
{
    ce::Device* device = ce::deviceOrFail();
    if (!device)
        return FALSE;
    if (!lpVersionInformation) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    // The caller says which structure it passes; the device knows only this one.
    if (lpVersionInformation->dwOSVersionInfoSize != sizeof(OSVERSIONINFOW)) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    const emulator::Profile& profile = device->profile();
    lpVersionInformation->dwMajorVersion = profile.osMajor;
    lpVersionInformation->dwMinorVersion = profile.osMinor;
    lpVersionInformation->dwBuildNumber = profile.osBuild;
    lpVersionInformation->dwPlatformId = VER_PLATFORM_WIN32_CE;
    std::fill(std::begin(lpVersionInformation->szCSDVersion), std::end(lpVersionInformation->szCSDVersion), u'\0');
    return TRUE;
}

// uiParam is the size of pvParam's buffer in bytes, as the text queries take it.
BOOL SystemParametersInfoW(UINT uiAction, UINT uiParam, PVOID pvParam, UINT)
{
    ce::Device* device = ce::deviceOrFail();
    if (!device)
        return FALSE;
    switch (uiAction) {
    case SPI_GETPLATFORMTYPE:
        return ce::copyParameterText(device->profile().platformType, uiParam, pvParam);
    case SPI_GETOEMINFO:
        return ce::copyParameterText(device->profile().oemInfo, uiParam, pvParam);
    default:
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
}
