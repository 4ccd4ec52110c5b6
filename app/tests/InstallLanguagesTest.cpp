// The language choice at "/INSTALL": shown only when packs are installed, the list in its order,
// English always kept, the default among the kept ones, the others deleted.
#include "KelvaraOnDevice.h"

#include <fstream>

namespace {

using namespace kelvara_testing;

class InstallLanguagesTest : public KelvaraOnDevice {};

TEST_F(InstallLanguagesTest, WithOnlyEnglishNothingIsAsked)
{
    EXPECT_EQ(exitCodeOf(startKelvara(u"/INSTALL")), 0u) << "no dialog held it";
    EXPECT_EQ(text(u"Language"), u"<missing>");
}

TEST_F(InstallLanguagesTest, PacksAreListedByNameAndTheUntickedOnesDeleted)
{
    installPacks();
    // Neither a library without GetLangName nor a file that is no library is offered.
    dev.place(MARKER_HOLDER_IMAGE, std::u16string(installFolder) + u"KV_nameless.dll");
    std::ofstream(dev.hostPath(std::u16string(installFolder) + u"KV_junk.dll")) << "not a library";
    emulator::Automation automation(startKelvara(u"/INSTALL"));
    ASSERT_EQ(automation.waitFor(u"Languages"), "");
    const std::string shown = automation.dump();
    const char* order[] = {"English", "Deutsch (German)", "Français (French)", "Italiano (Italian)",
        "Slovenčina (Slovak)", "Čeština (Czech)", "Русский (Russian)", "中文 (Chinese Simplified)"};
    for (int row = 0; row < 8; ++row) {
        const std::string line = "row " + std::to_string(row) + " [" + (row ? "unchecked" : "checked") + "]: \""
            + order[row] + "\"";
        EXPECT_NE(shown.find(line), std::string::npos) << line << "\n" << shown;
    }
    EXPECT_EQ(shown.find("row 8"), std::string::npos) << shown;
    EXPECT_NE(automation.check(u"English", false), "") << "English stays ticked";

    // A default that is not being installed is refused, and nothing is deleted.
    EXPECT_EQ(automation.check(u"Français (French)", true), "");
    EXPECT_EQ(automation.check(u"Italiano (Italian)", true), "");
    EXPECT_EQ(automation.select(1344, u"Deutsch (German)"), "");
    EXPECT_EQ(automation.ok(), "");
    EXPECT_EQ(automation.expect(u"The default language has to be one of the installed languages."), "");
    EXPECT_EQ(automation.answer(u"OK"), "");
    EXPECT_FALSE(automation.ended());
    for (const char* image : languagePackImages)
        EXPECT_TRUE(exists(installFolder + std::filesystem::path(image).filename().u16string())) << image;

    EXPECT_EQ(automation.select(1344, u"Français (French)"), "");
    EXPECT_EQ(automation.ok(), "");
    automation.settle();
    EXPECT_TRUE(automation.ended());
    for (const char* image : languagePackImages) {
        const std::u16string name = std::filesystem::path(image).filename().u16string();
        EXPECT_EQ(exists(installFolder + name), name == u"kv_fra.dll" || name == u"kv_ita.dll") << image;
    }
    EXPECT_EQ(text(u"Language"), u"kv_fra.dll");
}

} // namespace
