// The Settings dialog in the running program: boxes that write their settings at once, the
// question before the Advanced mode, and a new language that restarts the program in it.
#include "KelvaraOnDevice.h"

#include "tlhelp32.h"

namespace {

using namespace kelvara_testing;

// The ids of the running processes of `exeName`.
std::vector<DWORD> processesOf(const char16_t* exeName)
{
    std::vector<DWORD> found;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
        if (_wcsicmp(entry.szExeFile, exeName) == 0)
            found.push_back(entry.th32ProcessID);
    }
    CloseToolhelp32Snapshot(snapshot);
    return found;
}

class SettingsDialogTest : public KelvaraOnDevice {
protected:
    void SetUp() override
    {
        setNumber(u"ShowAdvModeSel", 0);
        installPacks();
    }
};

TEST_F(SettingsDialogTest, BoxesWriteTheirSettingsAndAdvancedIsAskedFirst)
{
    emulator::Automation automation(startKelvara(u""));
    ASSERT_EQ(automation.waitFor(u"Kelvara"), "");
    ASSERT_EQ(automation.menu(u"Tools/Settings"), "");
    ASSERT_EQ(automation.waitFor(u"Program Options"), "");
    EXPECT_EQ(automation.check(1110, false), "");
    EXPECT_EQ(automation.check(1117, true), "");

    EXPECT_EQ(automation.check(1237, true), "");
    EXPECT_EQ(automation.expect(u"Are you sure you want to enable the Advanced Mode?"), "");
    EXPECT_EQ(automation.answer(u"No"), "");
    EXPECT_NE(automation.dump().find("BUTTON 1237 \"Enable Advanced Features\" unchecked"), std::string::npos);
    EXPECT_EQ(automation.check(1237, true), "");
    EXPECT_EQ(automation.answer(u"Yes"), "");

    EXPECT_EQ(automation.ok(), "") << "the same language: the settings are saved, nothing restarts";
    EXPECT_EQ(number(u"SoftresetConfirm"), 0u);
    EXPECT_EQ(number(u"SilentReclaim"), 1u);
    EXPECT_EQ(number(u"EnableAdvanced"), 1u);
    EXPECT_FALSE(automation.ended());
    EXPECT_EQ(processesOf(u"Kelvara.exe").size(), 1u);
    EXPECT_EQ(automation.quit(), "");
}

TEST_F(SettingsDialogTest, AnotherLanguageRestartsTheProgramInIt)
{
    const DWORD first = startKelvara(u"");
    emulator::Automation automation(first);
    ASSERT_EQ(automation.waitFor(u"Kelvara"), "");
    ASSERT_EQ(automation.menu(u"Tools/Settings"), "");
    ASSERT_EQ(automation.waitFor(u"Program Options"), "");
    EXPECT_EQ(automation.select(1298, u"Deutsch (German)"), "");
    EXPECT_EQ(automation.ok(), "");
    EXPECT_EQ(exitCodeOf(first), 0u);
    EXPECT_EQ(text(u"Language"), u"kv_ger.dll");

    const std::vector<DWORD> now = processesOf(u"Kelvara.exe");
    ASSERT_EQ(now.size(), 1u);
    ASSERT_NE(now[0], first);
    emulator::Automation restarted(now[0]);
    ASSERT_EQ(restarted.waitFor(u"Kelvara"), "");
    EXPECT_EQ(restarted.menu(u"Extras/Einstellungen"), "") << "the German menus";
    ASSERT_EQ(restarted.waitFor(u"Programmoptionen"), "");
    EXPECT_EQ(restarted.ok(), "");
    EXPECT_EQ(restarted.quit(), "");
}

} // namespace
