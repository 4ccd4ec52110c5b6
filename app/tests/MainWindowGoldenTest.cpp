// The main window as reviewed: each tab in each of the four skins, at 240x320 and 480x640. A
// missing reference is written as a candidate (and the test fails) to be looked at and committed.
#include "KelvaraOnDevice.h"

#include "emulator/Screen.h"
#include "gdi/png/GoldenImage.h"

namespace {

using namespace kelvara_testing;

struct GoldenScreen {
    int width, height;
    const char* name;
};

struct GoldenCase {
    GoldenScreen screen;
    int skin; // background and button set of the same number
};

const char* const skinNames[] = {"stripes-gel", "solid-shiny", "gradient-rusty", "hazy-simple"};
const char16_t* const tabCaptions[] = {u"Memory Cleaner", u"Databases", u"Startups", u"Tweaks", u"Storage Tools",
    u"Processes"};

// The test profile at the screen's size, with the dots per inch of such a device.
emulator::Profile goldenProfile(const GoldenScreen& screen)
{
    emulator::Profile profile = profileOfSize(screen.width, screen.height);
    profile.screenDpi = screen.width > 240 ? 192 : 96;
    return profile;
}

class MainWindowGoldenTest : public KelvaraOnDevice, public ::testing::WithParamInterface<GoldenCase> {
protected:
    MainWindowGoldenTest() : KelvaraOnDevice(goldenProfile(GetParam().screen))
    {
        if (GetParam().screen.width > 240)
            dev.place(VGA_RESOURCES_IMAGE, std::u16string(installFolder) + u"KelvaraVGARes.dll");
    }
};

TEST_P(MainWindowGoldenTest, EachTabLooksAsReviewed)
{
    const GoldenCase& c = GetParam();
    setNumber(u"ShowAdvModeSel", 0);
    setNumber(u"SkinInfo", static_cast<DWORD>(c.skin | c.skin << 8));
    emulator::Automation automation(startKelvara(u""));
    ASSERT_EQ(automation.waitFor(u"Kelvara"), "");
    for (int tab = 0; tab < 6; ++tab) {
        if (tab > 0) {
            ASSERT_EQ(automation.tap(tabCaptions[tab]), "") << tab;
        }
        automation.settle(); // idle: every window has painted
        const std::string name = std::string(skinNames[c.skin]) + "-" + c.screen.name + "-tab" + std::to_string(tab)
            + ".png";
        const auto result = ce::gdi::compareWithGolden(std::filesystem::path(GOLDEN_DIR) / name,
            ce::gdi::screenImageAsPng(emulator::captureScreen()));
        EXPECT_TRUE(result.matched()) << name << ": " << result.description;
    }
    EXPECT_EQ(automation.quit(), "");
}

INSTANTIATE_TEST_SUITE_P(Skins, MainWindowGoldenTest,
    ::testing::Values(GoldenCase {{240, 320, "240x320"}, 0}, GoldenCase {{240, 320, "240x320"}, 1},
        GoldenCase {{240, 320, "240x320"}, 2}, GoldenCase {{240, 320, "240x320"}, 3},
        GoldenCase {{480, 640, "480x640"}, 0}, GoldenCase {{480, 640, "480x640"}, 1},
        GoldenCase {{480, 640, "480x640"}, 2}, GoldenCase {{480, 640, "480x640"}, 3}));

} // namespace
