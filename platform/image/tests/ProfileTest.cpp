// device.ini: built-in profiles, round trips and the errors a hand-edited file can hold.
#include <gtest/gtest.h>

#include <fstream>

#include "TestDevice.h"
#include "emulator/Profile.h"

using testing_support::TempFolder;

namespace {

std::filesystem::path writeIni(const TempFolder& folder, const std::string& text)
{
    auto file = folder.path() / "device.ini";
    std::ofstream(file) << text;
    return file;
}

TEST(Profile, BuiltinProfilesHaveTheDocumentedDevices)
{
    struct Case {
        const char* name;
        DWORD major, minor;
        int width, height, dpi;
        ULONGLONG ramMB;
    } cases[] = {
        {"ppc2003", 4, 21, 240, 320, 96, 64},
        {"wm5", 5, 1, 240, 320, 96, 64},
        {"wm6-vga", 5, 2, 480, 640, 192, 128},
        {"square", 5, 1, 240, 240, 96, 64},
        {"wm6-phone", 5, 2, 240, 320, 96, 64},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto profile = emulator::builtinProfile(c.name);
        ASSERT_TRUE(profile);
        EXPECT_EQ(profile->osMajor, c.major);
        EXPECT_EQ(profile->osMinor, c.minor);
        EXPECT_EQ(profile->screenWidth, c.width);
        EXPECT_EQ(profile->screenHeight, c.height);
        EXPECT_EQ(profile->screenDpi, c.dpi);
        EXPECT_EQ(profile->ramBytes, c.ramMB << 20);
        ASSERT_EQ(profile->cards.size(), 1u);
        EXPECT_EQ(profile->cards[0].name, u"Storage Card");
    }
    EXPECT_EQ(emulator::builtinProfile("ppc2003")->cards[0].sizeBytes, 512ull << 20);
    EXPECT_EQ(emulator::builtinProfile("ppc2003")->storeBytes, 32ull << 20);
    EXPECT_FALSE(emulator::builtinProfile("nosuch"));
    EXPECT_EQ(emulator::builtinProfileNames().size(), 5u);
    EXPECT_TRUE(emulator::builtinProfile("wm6-phone")->phone);
    EXPECT_FALSE(emulator::builtinProfile("ppc2003")->phone);
}

TEST(Profile, SaveAndLoadRoundTripKeepsEverything)
{
    TempFolder folder;
    emulator::Profile profile = *emulator::builtinProfile("wm6-vga");
    profile.timeZoneBias = -120;
    profile.timeZoneName = u"Mitteleuropäische Zeit";
    emulator::StorageCardProfile second;
    second.name = u"SD-Karte 2";
    second.sizeBytes = 123456789;
    second.serial = 0xDEADBEEF;
    second.manufacturer = "Other";
    second.geometry.fatBits = 12;
    second.inserted = false;
    profile.cards.push_back(second);
    profile.oemInfo = u"Test OEM";
    profile.platformType = u"SmartPhone";
    profile.volumes = {u"\\a.vol", u"\\Storage Card\\b.vol"};
    profile.processor.name = u"ARM920T";
    profile.processor.catalogNumber = u"C-100";
    profile.processor.revision = 9;
    profile.processor.clockSpeed = 333;
    profile.otherSections.push_back({"Program", {{"Path", "\\Windows\\pword.exe"}, {"Memory", "1048576"}}});

    std::string error;
    auto file = folder.path() / "device.ini";
    ASSERT_TRUE(emulator::saveProfile(file, profile, error)) << error;
    emulator::Profile loaded;
    ASSERT_TRUE(emulator::loadProfile(file, loaded, error)) << error;

    EXPECT_EQ(loaded.name, profile.name);
    EXPECT_EQ(loaded.osBuild, profile.osBuild);
    EXPECT_EQ(loaded.screenDpi, 192);
    EXPECT_EQ(loaded.storeBytes, profile.storeBytes);
    EXPECT_EQ(loaded.timeZoneBias, -120);
    EXPECT_EQ(loaded.timeZoneName, profile.timeZoneName);
    ASSERT_EQ(loaded.cards.size(), 2u);
    EXPECT_EQ(loaded.cards[1].name, u"SD-Karte 2");
    EXPECT_EQ(loaded.cards[1].sizeBytes, 123456789u);
    EXPECT_EQ(loaded.cards[1].serial, 0xDEADBEEFu);
    EXPECT_EQ(loaded.cards[1].geometry.fatBits, 12u);
    EXPECT_EQ(loaded.cards[0].geometry.sectorsPerCluster, profile.cards[0].geometry.sectorsPerCluster);
    EXPECT_TRUE(loaded.cards[0].inserted);
    EXPECT_FALSE(loaded.cards[1].inserted);
    EXPECT_EQ(loaded.oemInfo, u"Test OEM");
    EXPECT_EQ(loaded.platformType, u"SmartPhone");
    EXPECT_EQ(loaded.volumes, profile.volumes);
    EXPECT_EQ(loaded.processor.name, u"ARM920T");
    EXPECT_EQ(loaded.processor.catalogNumber, u"C-100");
    EXPECT_EQ(loaded.processor.revision, 9);
    EXPECT_EQ(loaded.processor.clockSpeed, 333u);
    EXPECT_EQ(loaded.processor.vendor, profile.processor.vendor);
    ASSERT_EQ(loaded.otherSections.size(), profile.otherSections.size());
    for (size_t i = 0; i < loaded.otherSections.size(); ++i) {
        EXPECT_EQ(loaded.otherSections[i].name, profile.otherSections[i].name);
        EXPECT_EQ(loaded.otherSections[i].entries, profile.otherSections[i].entries);
    }
}

TEST(Profile, BadFilesAreRefusedWithTheLine)
{
    struct Case {
        const char* text;
        const char* expected;
    } cases[] = {
        {"", "no [Device] section"},
        {"Profile=x\n", ":1: a value outside any section"},
        {"[Device]\nScreenWidth=abc\n", ":2: bad or unknown value ScreenWidth=abc"},
        {"[Device]\nScreenWidth=0\n", ":2:"},
        {"[Device]\nPageSize=3000\n", ":2:"},
        {"[Device]\nOSVersion=4.21\n", ":2:"},
        {"[Device]\nStoreSize=5000000000\n", ":2:"},
        {"[Device]\nColour=blue\n", ":2: bad or unknown value Colour=blue"},
        {"[Device]\n[Device]\n", ":2: second [Device] section"},
        {"[Device\n", ":1: bad section line"},
        {"[Device]\njust text\n", ":2: expected KEY=VALUE"},
        {"[Device]\n[Card]\nName=a\\b\n", ":3:"},
        {"[Device]\n[Card]\nName=..\n", ":3:"},
        {"[Device]\n[Card]\nFatBits=15\n", ":3:"},
        {"[Device]\n[Card]\nName=A\n[Card]\nName=A\n", "two cards named A"},
        {"[Device]\n[Card]\nInserted=yes\n", ":3: bad or unknown value Inserted=yes"},
        {"[Device]\nVolumes=pim.vol\n", ":2:"},
        {"[Device]\nVolumes=\\pim.vol,,\\b.vol\n", ":2:"},
        {"[Device]\n[Processor]\nRevision=70000\n", ":3:"},
        {"[Device]\n[Processor]\nSpeed=1\n", ":3: bad or unknown value Speed=1"},
        {"[Device]\n[Processor]\nName=0123456789012345678901234567890123456789\n", ":3:"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        TempFolder folder;
        emulator::Profile profile;
        std::string error;
        EXPECT_FALSE(emulator::loadProfile(writeIni(folder, c.text), profile, error));
        EXPECT_NE(error.find(c.expected), std::string::npos) << error;
    }
}

TEST(Profile, MissingFileIsAnError)
{
    TempFolder folder;
    emulator::Profile profile;
    std::string error;
    EXPECT_FALSE(emulator::loadProfile(folder.path() / "none.ini", profile, error));
    EXPECT_NE(error.find("cannot read"), std::string::npos);
}

TEST(Profile, CommentsBlankLinesAndSpacesAreAllowed)
{
    TempFolder folder;
    emulator::Profile profile;
    std::string error;
    auto file = writeIni(folder, "; comment\n\n# another\n[Device]\n  ScreenWidth = 0x1E0 \r\n");
    ASSERT_TRUE(emulator::loadProfile(file, profile, error)) << error;
    EXPECT_EQ(profile.screenWidth, 480);
    EXPECT_TRUE(profile.cards.empty());
    // Keys left out keep their defaults; an empty Volumes= mounts none.
    EXPECT_EQ(profile.platformType, u"PocketPC");
    EXPECT_EQ(profile.volumes.size(), 2u);
    file = writeIni(folder, "[Device]\nVolumes=\n");
    ASSERT_TRUE(emulator::loadProfile(file, profile, error)) << error;
    EXPECT_TRUE(profile.volumes.empty());
}

}  // namespace
