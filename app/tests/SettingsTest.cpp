// The settings in the registry: defaults without a key, what the first save writes (types and
// sizes), round trips, values of the wrong kind, the cookie list's rules, the cleaning selection.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "Settings.h"
#include "TestDevice.h"

namespace {

class SettingsTest : public ::testing::Test {
protected:
    testing_support::TestDevice dev;
    void SetUp() override { settings() = Settings {}; }

    struct Stored {
        DWORD type = 0;
        std::vector<BYTE> data;
        bool found = false;
    };
    static Stored stored(const char16_t* name)
    {
        Stored value;
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, settingsKey, 0, 0, &key) != ERROR_SUCCESS)
            return value;
        DWORD size = 0;
        if (RegQueryValueExW(key, name, nullptr, &value.type, nullptr, &size) == ERROR_SUCCESS) {
            value.data.resize(size);
            value.found = RegQueryValueExW(key, name, nullptr, &value.type, value.data.data(), &size) == ERROR_SUCCESS;
        }
        RegCloseKey(key);
        return value;
    }
    static void store(const char16_t* name, DWORD type, const void* data, DWORD size)
    {
        HKEY key = nullptr;
        DWORD disposition = 0;
        ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, settingsKey, 0, nullptr, 0, 0, nullptr, &key, &disposition),
            ERROR_SUCCESS);
        ASSERT_EQ(RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
        RegCloseKey(key);
    }
    static void storeNumber(const char16_t* name, DWORD number) { store(name, REG_DWORD, &number, sizeof number); }
    static void storeText(const char16_t* name, const std::u16string& text)
    {
        store(name, REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * 2));
    }
};

TEST_F(SettingsTest, WithoutAKeyTheDefaultsStayAndTheFirstSaveWritesEveryValue)
{
    loadSettings(true);
    const Settings& s = settings();
    EXPECT_EQ(s.showFilesIn, 0x1Fu);
    EXPECT_EQ(s.enabledItems, 0x1020080Au);
    EXPECT_EQ(s.customExtension, u"*.");
    EXPECT_EQ(s.customFolder1, u"\\My Documents\\Temp");
    EXPECT_EQ(cleaningSelection(), 0x1020080Au);

    saveSettings();
    const struct {
        const char16_t* name;
        DWORD type;
        size_t size;
    } expected[] = {
        {u"ShowProgress", REG_DWORD, 4}, {u"IncludeProfileThread", REG_DWORD, 4}, {u"TitleColor", REG_DWORD, 4},
        {u"InstalledAppsSorting", REG_DWORD, 4}, {u"ScheduleCleanItems", REG_DWORD, 4},
        {u"CustomExtension", REG_SZ, 6}, {u"CustomFolder1", REG_SZ, 38}, {u"CustomFolder2", REG_SZ, 2},
        {u"Language", REG_SZ, 2}, {u"Views", REG_BINARY, 24}, {u"ScheduleTime", REG_BINARY, 16},
    };
    for (const auto& e : expected) {
        const Stored value = stored(e.name);
        ASSERT_TRUE(value.found) << std::string(e.name, e.name + 1);
        EXPECT_EQ(value.type, e.type);
        EXPECT_EQ(value.data.size(), e.size);
    }
    EXPECT_FALSE(stored(u"CookiesList").found); // nothing while the list is empty
    DWORD showFilesIn = 0;
    std::memcpy(&showFilesIn, stored(u"ShowFilesIn").data.data(), 4);
    EXPECT_EQ(showFilesIn, 0x1Fu);
}

TEST_F(SettingsTest, EverySettingRoundTripsThroughTheRegistry)
{
    Settings& s = settings();
    s.lastTab = 4;
    s.titleColor = 0x01FF00FF;
    s.scheduleCleanItems = 0x5;
    s.silentReclaim = 1;
    s.customExtension = u"*.doc";
    s.language = u"KV_ger.dll";
    s.views = {1, 2, 3, 0, 5, 1};
    s.scheduleTime = {2026, 12, 2, 8, 21, 30, 0, 0};
    s.cookiesList = {u"keep@example", u"bank"};
    saveSettings();

    settings() = Settings {};
    loadSettings(false);
    const Settings& back = settings();
    EXPECT_EQ(back.lastTab, 4u);
    EXPECT_EQ(back.titleColor, 0x01FF00FFu);
    EXPECT_EQ(back.silentReclaim, 1u);
    EXPECT_EQ(back.customExtension, u"*.doc");
    EXPECT_EQ(back.language, u"KV_ger.dll");
    EXPECT_EQ(back.views, (std::array<DWORD, 6> {1, 2, 3, 0, 5, 1}));
    EXPECT_EQ(back.scheduleTime.wYear, 2026);
    EXPECT_EQ(back.scheduleTime.wMinute, 30);
    EXPECT_EQ(back.cookiesList, (std::vector<std::u16string> {u"keep@example", u"bank"}));
    EXPECT_EQ(cleaningSelection(), 0x5u); // not interactive: the schedule's selection

    // A list emptied later is removed, so it stays empty at the next start.
    settings().cookiesList.clear();
    saveSettings();
    EXPECT_FALSE(stored(u"CookiesList").found);
}

TEST_F(SettingsTest, ValuesThatCannotBeReadKeepWhatTheFieldHeld)
{
    storeNumber(u"LastTab", 3);
    store(u"RememberTab", REG_SZ, u"x", 4); // 4 bytes of another type: read all the same
    const std::u16string tooLong(300, u'a'); // beyond the 512-byte buffer
    storeText(u"CustomFolder2", tooLong);
    const std::u16string longest(255, u'b'); // exactly fills it
    storeText(u"CustomExplorer", longest);
    store(u"CookiesList", REG_SZ, u"a\0b\0", 10); // not REG_MULTI_SZ: ignored
    const BYTE shortViews[8] = {9};
    store(u"Views", REG_BINARY, shortViews, sizeof shortViews);
    settings().views = {7, 7, 7, 7, 7, 7};
    settings().scheduleTime.wYear = 1999;

    loadSettings(true);
    const Settings& s = settings();
    EXPECT_EQ(s.lastTab, 3u);
    DWORD expectedRememberTab = 0;
    std::memcpy(&expectedRememberTab, u"x", 4);
    EXPECT_EQ(s.rememberTab, expectedRememberTab);
    EXPECT_EQ(s.customFolder2, u"");
    EXPECT_EQ(s.customExplorer, longest);
    EXPECT_TRUE(s.cookiesList.empty());
    EXPECT_EQ(s.views, (std::array<DWORD, 6> {9, 0, 7, 7, 7, 7})); // a short value changes its own bytes only
    EXPECT_EQ(s.scheduleTime.wYear, 0); // missing: all zeros, not the old value
}

TEST_F(SettingsTest, TheCookieListEndsAtItsFirstEmptyString)
{
    const char16_t data[] = u"one\0two\0\0three\0";
    store(u"CookiesList", REG_MULTI_SZ, data, sizeof data);
    loadSettings(true);
    EXPECT_EQ(settings().cookiesList, (std::vector<std::u16string> {u"one", u"two"}));
}

} // namespace
