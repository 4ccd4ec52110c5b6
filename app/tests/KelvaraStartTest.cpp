// Kelvara started on a device by each run mode: one interactive instance that hands over to the
// first, quick cleans and reclaims that replace their older selves, the time-change start that
// touches nothing, the operating-mode question of the first start, the reclaim's message, and
// the high-resolution bitmaps kept or removed by the screen.
#include "KelvaraOnDevice.h"

#include "emulator/UserInterface.h"

namespace {

using namespace kelvara_testing;

HANDLE openAsked()
{
    return CreateEventW(nullptr, TRUE, FALSE, u"MarkerHolderAsked");
}

bool wasAsked(HANDLE asked)
{
    return WaitForSingleObject(asked, 0) == WAIT_OBJECT_0;
}

DWORD foregroundProcess()
{
    DWORD id = 0;
    GetWindowThreadProcessId(GetForegroundWindow(), &id);
    return id;
}

class KelvaraStartTest : public KelvaraOnDevice {};

TEST_F(KelvaraStartTest, TimeChangeStartRegistersAndTouchesNoInstance)
{
    HANDLE asked = openAsked();
    const DWORD interactive = startHolder(u"KelvaraWnd");
    const DWORD quick = startHolder(u"KelvaraWndQuick");
    EXPECT_EQ(exitCodeOf(startKelvara(u"AppRunAfterTimeChange")), 0u);
    EXPECT_TRUE(running(interactive));
    EXPECT_TRUE(running(quick));
    EXPECT_FALSE(wasAsked(asked));
    EXPECT_EQ(number(u"ShowAdvModeSel"), std::nullopt) << "nothing saved";
    CloseHandle(asked);
}

TEST_F(KelvaraStartTest, SecondInteractiveStartBringsTheFirstForwardAndEnds)
{
    setNumber(u"ShowAdvModeSel", 0);
    const DWORD first = startKelvara(u"");
    emulator::Automation automation(first);
    ASSERT_EQ(automation.waitFor(u"Kelvara"), "");
    startHolder(u"+Another program");
    ASSERT_NE(foregroundProcess(), first);

    EXPECT_EQ(exitCodeOf(startKelvara(u"")), 0u);
    automation.settle();
    EXPECT_TRUE(running(first));
    EXPECT_EQ(foregroundProcess(), first);
    EXPECT_EQ(automation.quit(), "");
}

TEST_F(KelvaraStartTest, NewerQuickCleanOrReclaimReplacesTheOlderOfItsKind)
{
    setNumber(u"SilentReclaim", 1); // the reclaim ends without its message
    const struct {
        const char16_t* arguments;
        const char16_t* marker;
    } cases[] = {{u"-Q", u"KelvaraWndQuick"}, {u"-Free", u"KelvaraWndReclaim"}, {u"-Free -reset", u"KelvaraWndQuick"}};
    for (const auto& c : cases) {
        HANDLE asked = openAsked();
        const DWORD interactive = startHolder(u"KelvaraWnd");
        const DWORD older = startHolder(c.marker);
        EXPECT_EQ(exitCodeOf(startKelvara(c.arguments)), 0u);
        EXPECT_EQ(exitCodeOf(older), 0u) << "the older one was ended";
        EXPECT_TRUE(running(interactive)) << "an interactive instance is not affected";
        EXPECT_FALSE(wasAsked(asked));
        ResetEvent(asked);
        CloseHandle(asked);
    }
}

TEST_F(KelvaraStartTest, OperatingModeIsAskedAtTheFirstInteractiveStartOnly)
{
    setNumber(u"AdvancedMode", 1);
    const DWORD first = startKelvara(u"");
    emulator::Automation automation(first);
    ASSERT_EQ(automation.waitFor(u"Select Kelvara Operating Mode"), "");
    const std::string dialog = automation.dump();
    EXPECT_NE(dialog.find("BUTTON 1323 \"Advanced\" checked"), std::string::npos) << dialog;
    EXPECT_EQ(automation.tap(u"Protected"), "");
    EXPECT_EQ(automation.tap(u"Advanced"), "");
    EXPECT_EQ(automation.ok(), "");
    EXPECT_EQ(automation.dump().find("Select Kelvara Operating Mode"), std::string::npos);
    EXPECT_EQ(automation.quit(), "");
    EXPECT_EQ(exitCodeOf(first), 0u);
    EXPECT_EQ(number(u"EnableAdvanced"), 1u);
    EXPECT_EQ(number(u"ShowAdvModeSel"), 0u);

    emulator::Automation second(startKelvara(u""));
    ASSERT_EQ(second.waitFor(u"Kelvara"), "");
    EXPECT_EQ(second.dump().find("Select Kelvara Operating Mode"), std::string::npos);
    EXPECT_EQ(second.quit(), "");
}

TEST_F(KelvaraStartTest, ReclaimShowsItsResultAndUntickingTheBoxSilencesIt)
{
    emulator::Automation automation(startKelvara(u"-Free"));
    ASSERT_EQ(automation.waitFor(u"Show this message again."), "");
    const std::string shown = automation.dump();
    EXPECT_TRUE(shown.find("All available memory has been already claimed") != std::string::npos
        || shown.find("Kelvara has reclaimed ") != std::string::npos) << shown;
    EXPECT_EQ(automation.check(1194, false), "");
    EXPECT_EQ(automation.tap(1284), "");
    EXPECT_TRUE(automation.ended());
    EXPECT_EQ(number(u"SilentReclaim"), 1u);

    // Silent now: the next reclaim ends without a window.
    EXPECT_EQ(exitCodeOf(startKelvara(u"-Free")), 0u);
}

struct ScreenCase {
    int width, height;
    bool vgaPresent;
    const char16_t* arguments;
    bool vgaAfter;          // the file is still there
    bool messageShown;      // string 139
};

class VgaResourcesTest : public KelvaraOnDevice, public ::testing::WithParamInterface<ScreenCase> {
protected:
    VgaResourcesTest() : KelvaraOnDevice(profileOfSize(GetParam().width, GetParam().height)) {}
};

TEST_P(VgaResourcesTest, FileIsKeptWhereTheScreenNeedsIt)
{
    const ScreenCase& c = GetParam();
    const std::u16string vga = std::u16string(installFolder) + u"KelvaraVGARes.dll";
    if (c.vgaPresent)
        dev.place(VGA_RESOURCES_IMAGE, vga);
    setNumber(u"SilentReclaim", 1);
    std::vector<emulator::MessageBoxShown> boxes;
    emulator::setMessageBoxResponder([&boxes](const emulator::MessageBoxShown& box) {
        boxes.push_back(box);
        return IDOK;
    });
    EXPECT_EQ(exitCodeOf(startKelvara(c.arguments)), 0u);
    emulator::setMessageBoxResponder({});
    EXPECT_EQ(exists(vga), c.vgaAfter);
    ASSERT_EQ(boxes.size(), c.messageShown ? 1u : 0u);
    if (c.messageShown) {
        EXPECT_EQ(boxes[0].text, u"Can not find the VGA resources file, please re-install");
        EXPECT_EQ(boxes[0].caption, u"Kelvara");
        EXPECT_EQ(boxes[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, VgaResourcesTest,
    ::testing::Values(ScreenCase {240, 320, true, u"/INSTALL", false, false},
        ScreenCase {320, 240, true, u"-Free", false, false},
        ScreenCase {480, 640, true, u"/INSTALL", true, false},
        ScreenCase {480, 640, false, u"-Free", false, true},
        ScreenCase {480, 640, false, u"/INSTALL", false, false}));

} // namespace
