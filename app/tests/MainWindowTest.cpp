// The main window on a device: the tab it opens on, "Jump To" creating a view on the asked page
// whatever page the view remembers, the page selector's names, and the soft-reset question.
#include "KelvaraOnDevice.h"

#include "emulator/Screen.h"

namespace {

using namespace kelvara_testing;

class MainWindowTest : public KelvaraOnDevice {
protected:
    void SetUp() override { setNumber(u"ShowAdvModeSel", 0); }

    static void setViews(const std::array<DWORD, 6>& views)
    {
        HKEY key = nullptr;
        DWORD disposition = 0;
        RegCreateKeyExW(HKEY_LOCAL_MACHINE, settingsKey, 0, nullptr, 0, 0, nullptr, &key, &disposition);
        RegSetValueExW(key, u"Views", 0, REG_BINARY, reinterpret_cast<const BYTE*>(views.data()), sizeof views);
        RegCloseKey(key);
    }
};

TEST_F(MainWindowTest, OpensOnTheRememberedTabAndJumpToCreatesAViewOnItsPage)
{
    setNumber(u"RememberTab", 1);
    setNumber(u"LastTab", 4);
    setNumber(u"RememberView", 1);
    setViews({0, 0, 0, 0, 3, 2}); // Processes remembers page 2
    emulator::Automation automation(startKelvara(u""));
    ASSERT_EQ(automation.waitFor(u"Kelvara"), "");
    std::string shown = automation.dump();
    EXPECT_NE(shown.find("STATIC 9 \"Installed Programs\""), std::string::npos) << "Storage Tools on its page 3\n"
                                                                                << shown;
    EXPECT_NE(shown.find("TTButton 1105 \"Storage Tools\" disabled"), std::string::npos) << shown;

    ASSERT_EQ(automation.menu(u"Jump To/Process/CPU Usage"), "");
    shown = automation.dump();
    EXPECT_NE(shown.find("STATIC 9 \"CPU Usage\""), std::string::npos) << "page 1, not the remembered 2\n" << shown;
    EXPECT_NE(shown.find("TTButton 1104 \"Processes\" disabled"), std::string::npos) << shown;

    // Tab buttons show a view on its remembered page; the memory follows every page change.
    ASSERT_EQ(automation.tap(u"Storage Tools"), "");
    EXPECT_NE(automation.dump().find("STATIC 9 \"Installed Programs\""), std::string::npos);
    EXPECT_EQ(automation.quit(), "");
    const auto views = value(u"Views");
    ASSERT_TRUE(views && views->size() == 24);
    DWORD processesPage = 0;
    std::memcpy(&processesPage, views->data() + 5 * sizeof(DWORD), sizeof processesPage);
    EXPECT_EQ(processesPage, 1u);
    EXPECT_EQ(number(u"LastTab"), 4u);
}

TEST_F(MainWindowTest, AnUnknownRememberedPageOpensTheFirst)
{
    setNumber(u"RememberView", 1);
    setViews({9, 0, 0, 0, 0, 0});
    emulator::Automation automation(startKelvara(u""));
    ASSERT_EQ(automation.waitFor(u"Kelvara"), "");
    EXPECT_NE(automation.dump().find("STATIC 9 \"Quick Cleaner\""), std::string::npos);
    EXPECT_EQ(automation.quit(), "");
}

TEST_F(MainWindowTest, SoftResetQuestionStoresItsBoxEvenWhenAnsweredNo)
{
    const DWORD kelvara = startKelvara(u"");
    emulator::Automation automation(kelvara);
    ASSERT_EQ(automation.waitFor(u"Kelvara"), "");
    ASSERT_EQ(automation.menu(u"Tools/Soft Reset"), "");
    ASSERT_EQ(automation.waitFor(u"Are you sure you want to Soft-reset your device?"), "");
    EXPECT_EQ(automation.check(1194, false), "");
    EXPECT_EQ(automation.tap(1035), "");
    automation.settle();
    EXPECT_TRUE(running(kelvara)) << "No leaves the device running";
    EXPECT_EQ(number(u"SoftresetConfirm"), 0u);
    EXPECT_EQ(automation.quit(), "");
}

TEST_F(MainWindowTest, TurningTheScreenMovesTheViewsControlsToTheirLandscapePlaces)
{
    emulator::Automation automation(startKelvara(u""));
    ASSERT_EQ(automation.waitFor(u"Kelvara"), "");
    const auto placeOf = [](const char16_t* caption) {
        HWND main = FindWindowW(nullptr, u"Kelvara");
        RECT area {};
        for (HWND view = GetWindow(main, GW_CHILD); view; view = GetWindow(view, GW_HWNDNEXT)) {
            for (HWND control = GetWindow(view, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
                WCHAR text[32] = {};
                GetWindowTextW(control, text, 32);
                if (IsWindowVisible(view) && std::u16string(text) == caption)
                    GetWindowRect(control, &area);
            }
        }
        return area;
    };
    // The design places: portrait x 194-238, landscape x 274-318 (the screen below the 26-pixel
    // title bar); the last tab button spans the whole bottom row's last sixth.
    EXPECT_EQ(placeOf(u"Refresh").left, 194);
    emulator::rotateScreen();
    automation.settle();
    EXPECT_EQ(placeOf(u"Refresh").left, 274);
    EXPECT_EQ(placeOf(u"Refresh").right, 318);
    EXPECT_EQ(placeOf(u"Processes").right, 320);
    // A view first shown after the turn is laid out for it too.
    ASSERT_EQ(automation.tap(u"Tweaks"), "");
    EXPECT_EQ(placeOf(u"Refresh").left, 274);
    emulator::rotateScreen();
    automation.settle();
    EXPECT_EQ(placeOf(u"Refresh").left, 194);
    EXPECT_EQ(automation.quit(), "");
}

TEST_F(MainWindowTest, LookAndFeelStoresEachChangeAtOnce)
{
    setNumber(u"SkinInfo", 0x0100); // background 0 ("Stripes"), buttons 1 ("Shiny")
    emulator::Automation automation(startKelvara(u""));
    ASSERT_EQ(automation.waitFor(u"Kelvara"), "");
    ASSERT_EQ(automation.menu(u"Tools/Look and Feel"), "");
    ASSERT_EQ(automation.waitFor(u"Custom Title Text Color"), "");
    const std::string shown = automation.dump();
    EXPECT_NE(shown.find("COMBOBOX 1273 \"Shiny\""), std::string::npos) << shown;
    EXPECT_NE(shown.find("BUTTON 1313 \"\" disabled"), std::string::npos) << "no custom colour: no swatch";

    EXPECT_EQ(automation.select(1271, u"Hazy"), "");
    EXPECT_EQ(automation.check(1269, true), "");
    EXPECT_EQ(automation.dump().find("BUTTON 1313 \"\" disabled"), std::string::npos) << "the swatch is enabled";
    EXPECT_EQ(automation.check(1267, true), "");
    EXPECT_EQ(automation.check(1267, false), "");
    EXPECT_EQ(automation.ok(), "");
    EXPECT_EQ(number(u"SkinInfo"), 0x0103u);
    EXPECT_NE(number(u"TitleColor").value_or(0) >> 24, 0u) << "the box's state in the top byte";
    EXPECT_EQ(number(u"CtrlTextClr").value_or(1) >> 24, 0u) << "ticked and cleared again";
    EXPECT_EQ(automation.quit(), "");
}

} // namespace
