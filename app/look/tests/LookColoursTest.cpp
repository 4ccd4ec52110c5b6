// Custom colour settings and the theme colours behind the placeholders, on devices below and
// from major version 5, with the theme's registry values present, partly present and missing.
#include <gtest/gtest.h>

#include <vector>

#include "LookColours.h"
#include "TestDevice.h"

namespace {

TEST(LookColours, CustomColoursNeedTheTopByteAndAvoidBlackAndTheKey)
{
    const std::pair<DWORD, COLORREF> cases[] = {
        {0x00123456, 0x445566},  // not custom: the fallback
        {0x80123456, 0x123456},
        {0x01000000, 0x020202},  // black would vanish under the skin rules
        {0x01FF00FF, 0xFF02FF},  // the key colour would be transparent
        {0x01FE00FF, 0xFE00FF},  // the other placeholders stay as chosen
        {0xFFFFFFFF, 0xFFFFFF},
    };
    for (const auto& [setting, colour] : cases)
        EXPECT_EQ(resolveCustomColour(setting, 0x445566), colour) << std::hex << setting;
}

// Distinct system colours, so that every index the rules read is told apart.
constexpr COLORREF activeCaption = RGB(20, 0, 2), inactiveCaption = RGB(30, 0, 3), menuText = RGB(70, 0, 7),
                   highlight = RGB(130, 0, 13), gradientCaption = RGB(255, 0, 27);

// A device of the given major version with those system colours.
struct ThemedDevice {
    explicit ThemedDevice(DWORD major) : dev(profile(major))
    {
        const INT indices[] = {COLOR_ACTIVECAPTION, COLOR_INACTIVECAPTION, COLOR_MENUTEXT, COLOR_HIGHLIGHT,
            COLOR_GRADIENTACTIVECAPTION};
        const COLORREF colours[] = {activeCaption, inactiveCaption, menuText, highlight, gradientCaption};
        EXPECT_TRUE(SetSysColors(5, indices, colours));
    }
    static emulator::Profile profile(DWORD major)
    {
        emulator::Profile p = testing_support::smallProfile();
        p.osMajor = major;
        return p;
    }
    testing_support::TestDevice dev;
};

void storeTheme(const char16_t* name, DWORD type, std::vector<BYTE> data)
{
    HKEY key = nullptr;
    DWORD disposition = 0;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, u"Software\\Microsoft\\Color", 0, nullptr, 0, 0, nullptr, &key,
                  &disposition),
        ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExW(key, name, 0, type, data.data(), static_cast<DWORD>(data.size())), ERROR_SUCCESS);
    RegCloseKey(key);
}

void storeFullTheme()
{
    storeTheme(u"5", REG_BINARY, {1, 2, 3, 0});
    storeTheme(u"13", REG_BINARY, {4, 5, 6, 0});
    storeTheme(u"8", REG_BINARY, {7, 8, 9, 0});
    storeTheme(u"14", REG_BINARY, {10, 11, 12, 0});
}

TEST(ThemeColours, BelowVersion5PlaceholdersReadTheThemeThenTheSystemColour)
{
    ThemedDevice device(4);
    EXPECT_EQ(placeholderColour(firstPlaceholder), gradientCaption) << "no key";
    EXPECT_EQ(placeholderColour(secondPlaceholder), activeCaption) << "no key";
    storeTheme(u"5", REG_BINARY, {1, 2});  // too short to be a colour
    storeTheme(u"13", REG_DWORD, {0x11, 0x22, 0x33, 0x00});
    storeTheme(u"8", REG_SZ, {});
    EXPECT_EQ(placeholderColour(firstPlaceholder), RGB(0x11, 0x22, 0x33));
    EXPECT_EQ(placeholderColour(secondPlaceholder), activeCaption);
    storeFullTheme();
    EXPECT_EQ(placeholderColour(firstPlaceholder), RGB(1, 2, 3));
    EXPECT_EQ(placeholderColour(secondPlaceholder), RGB(7, 8, 9));
    EXPECT_EQ(placeholderColour(thirdPlaceholder), highlight);
    EXPECT_EQ(placeholderColour(0x14000000 | firstPlaceholder), 0x14000000 | RGB(1, 2, 3)) << "amount kept";
    EXPECT_EQ(placeholderColour(0xFC00FF), 0xFC00FFu);
}

TEST(ThemeColours, FromVersion5PlaceholdersAreSystemColoursWhateverTheRegistryHolds)
{
    ThemedDevice device(5);
    storeFullTheme();
    EXPECT_EQ(placeholderColour(firstPlaceholder), menuText);
    EXPECT_EQ(placeholderColour(secondPlaceholder), inactiveCaption);
    EXPECT_EQ(placeholderColour(thirdPlaceholder), menuText);
}

TEST(ThemeColours, SettingsGiveCustomColoursOrTheDefaults)
{
    ThemedDevice device(4);
    storeFullTheme();
    Settings settings;
    const LookColours defaults = lookColours(settings);
    EXPECT_EQ(defaults.backgroundHighlight, RGB(1, 2, 3));
    EXPECT_EQ(defaults.buttonHighlight, RGB(1, 2, 3));
    EXPECT_EQ(defaults.controlText, 0u);
    EXPECT_EQ(defaults.titleText, highlight);

    settings.skinColor = 0x01000000;
    settings.buttonColor = 0x01FF00FF;
    settings.ctrlTextClr = 0x01112233;
    settings.titleColor = 0xFF445566;
    const LookColours custom = lookColours(settings);
    EXPECT_EQ(custom.backgroundHighlight, 0x020202u);
    EXPECT_EQ(custom.buttonHighlight, 0xFF02FFu);
    EXPECT_EQ(custom.controlText, 0x112233u);
    EXPECT_EQ(custom.titleText, 0x445566u);
}

}  // namespace
