// Colour settings and theme colours. A theme colour comes from HKLM\Software\Microsoft\Color
// (first three bytes of a value: red, green, blue), else from the system colours.
#include "LookColours.h"

#include <optional>
#include <vector>

namespace {

constexpr DWORD rgbMask = 0xFFFFFF;

// The registry value of the first RGB bytes, when it can be read and is long enough.
std::optional<COLORREF> registryColour(const char16_t* valueName)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, u"Software\\Microsoft\\Color", 0, 0, &key) != ERROR_SUCCESS)
        return std::nullopt;
    std::optional<COLORREF> colour;
    DWORD size = 0;
    if (RegQueryValueExW(key, valueName, nullptr, nullptr, nullptr, &size) == ERROR_SUCCESS && size >= 3) {
        std::vector<BYTE> data(size);
        if (RegQueryValueExW(key, valueName, nullptr, nullptr, data.data(), &size) == ERROR_SUCCESS && size >= 3)
            colour = RGB(data[0], data[1], data[2]);
    }
    RegCloseKey(key);
    return colour;
}

// The theme's colour for a system colour index: the index's own value, else its second one.
COLORREF themeColour(int index)
{
    const bool caption = index == COLOR_ACTIVECAPTION;
    if (const auto colour = registryColour(caption ? u"8" : u"5"))
        return *colour;
    if (const auto colour = registryColour(caption ? u"14" : u"13"))
        return *colour;
    return GetSysColor(index);
}

DWORD majorVersion()
{
    OSVERSIONINFOW info {};
    info.dwOSVersionInfoSize = sizeof info;
    return GetVersionExW(&info) ? info.dwMajorVersion : 0;
}

}  // namespace

COLORREF resolveCustomColour(DWORD setting, COLORREF fallback)
{
    if ((setting >> 24) == 0)
        return fallback;
    const COLORREF colour = setting & rgbMask;
    if (colour == 0)
        return 0x020202;
    if (colour == 0xFF00FF)
        return 0xFF02FF;
    return colour;
}

COLORREF placeholderColour(COLORREF placeholder)
{
    const COLORREF amount = placeholder & ~rgbMask;
    const bool themed = majorVersion() < 5;
    switch (placeholder & rgbMask) {
    case firstPlaceholder:
        return amount | (themed ? themeColour(COLOR_GRADIENTACTIVECAPTION) : GetSysColor(COLOR_MENUTEXT));
    case secondPlaceholder:
        return amount | (themed ? themeColour(COLOR_ACTIVECAPTION) : GetSysColor(COLOR_INACTIVECAPTION));
    case thirdPlaceholder:
        return amount | GetSysColor(themed ? COLOR_HIGHLIGHT : COLOR_MENUTEXT);
    default:
        return placeholder;
    }
}

LookColours lookColours(const Settings& settings)
{
    const COLORREF highlight = placeholderColour(firstPlaceholder);
    return {
        resolveCustomColour(settings.skinColor, highlight),
        resolveCustomColour(settings.buttonColor, highlight),
        resolveCustomColour(settings.ctrlTextClr, 0),
        resolveCustomColour(settings.titleColor, placeholderColour(thirdPlaceholder)),
    };
}
