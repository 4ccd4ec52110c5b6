// Start-up's pieces: the command-line table, the screen's resolution class, the help topics.
#include <gtest/gtest.h>

#include <string>

#include "AppState.h"
#include "CommandLine.h"
#include "TestDevice.h"

namespace {

TEST(CommandLineTest, SwitchesAreFoundAnywhereAndLaterOnesWin)
{
    const struct {
        const char16_t* text;
        StartRequest expected;
    } cases[] = {
        {u"", {false, interactiveRun, false, false}},
        {u"-Q", {false, quickCleanRun, false, false}},
        {u"-Quiet", {false, quickCleanRun, false, false}},      // any word beginning with -Q
        {u"x-Qy", {false, quickCleanRun, false, false}},        // anywhere in the text
        {u"-q", {false, interactiveRun, false, false}},         // case-sensitive
        {u"-Free", {false, reclaimRun, false, false}},
        {u"-Q -Free", {false, reclaimRun, false, false}},
        {u"-Free -reset", {false, quickCleanRun, true, false}}, // a quick clean at reset time
        {u"-reset", {false, quickCleanRun, true, false}},
        {u"-Reset", {false, interactiveRun, false, false}},
        {u"/INSTALL", {true, interactiveRun, false, false}},
        {u"/install", {false, interactiveRun, false, false}},
        {u"AppRunAfterTimeChange", {false, interactiveRun, false, true}},
        {u"/INSTALL -Free AppRunAfterTimeChange", {true, reclaimRun, false, true}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readCommandLine(c.text), c.expected) << std::string(c.text, c.text + std::char_traits<char16_t>::length(c.text));
}

TEST(ResolutionTest, OnlyTheDevicesOwnSizesAreLowResolution)
{
    const struct {
        int width, height;
        bool high;
    } cases[] = {
        {240, 320, false}, {320, 240, false}, {240, 240, false}, {320, 320, false},
        {480, 640, true}, {640, 480, true}, {480, 480, true}, {240, 400, false}, {400, 320, true},
    };
    for (const auto& c : cases) {
        emulator::Profile profile = testing_support::smallProfile();
        profile.screenWidth = c.width;
        profile.screenHeight = c.height;
        testing_support::TestDevice device(profile);
        appState().highResolution.reset();
        EXPECT_EQ(isHighResolution(), c.high) << c.width << "x" << c.height;
        EXPECT_EQ(resolutionFactor(), c.high ? 2 : 1);
    }
}

TEST(HelpTopicsTest, ThirtyOneTopicsCountedToTheEmptyEntry)
{
    AppState state;
    setHelp(state);
    EXPECT_EQ(state.helpFile, u"Kelvara.htm");
    ASSERT_EQ(state.helpTopicCount, 31);
    EXPECT_EQ(std::u16string(state.helpTopics[0]), u"Main_Contents");
    EXPECT_EQ(std::u16string(state.helpTopics[3]), u"kv_ac");
    EXPECT_EQ(std::u16string(state.helpTopics[15]), u"kv_ac");
    EXPECT_EQ(std::u16string(state.helpTopics[30]), u"kv_lf");
}

} // namespace
