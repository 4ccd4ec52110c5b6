// cedevice new, info, usage and argument errors.
#include <algorithm>
#include <fstream>

#include "CedeviceTestSupport.h"

namespace cedevice_test {
namespace {

using testing_support::TempFolder;

TEST(CedeviceUsage, HelpListsEveryCommand)
{
    const Result help = cedevice({"--help"});
    EXPECT_EQ(0, help.code);
    for (const char* synopsis :
         {"new IMAGE [--profile NAME]", "info IMAGE", "ls IMAGE DEVPATH", "mkdir IMAGE DEVPATH",
          "put IMAGE HOSTFILE DEVPATH [--attr HEX]", "get IMAGE DEVPATH HOSTFILE", "attrib IMAGE DEVPATH [HEX]",
          "rm IMAGE DEVPATH", "reg IMAGE get KEY [NAME]", "reg IMAGE set KEY NAME TYPE DATA",
          "reg IMAGE del KEY [NAME]", "reg IMAGE list KEY [--recursive]", "reg IMAGE deny KEY", "boot IMAGE",
          "run IMAGE [--virtual-time] [--script FILE | --headless] DEVPATH [ARGS...]", "ps IMAGE", "reset IMAGE",
          "screenshot IMAGE OUT.png", "rotate IMAGE"})
        EXPECT_NE(std::string::npos, help.out.find(std::string("cedevice ") + synopsis)) << synopsis;

    const Result bare = cedevice({});
    EXPECT_EQ(1, bare.code);
    EXPECT_EQ(help.out, bare.err);
}

TEST(CedeviceUsage, WrongArgumentsPrintTheCommandsUsageLine)
{
    struct Case {
        std::vector<std::string> args;
        std::string usage;
    };
    const Case cases[] = {
        {{"new"}, "usage: cedevice new IMAGE [--profile NAME]\n"},
        {{"new", "img", "--profile"}, "usage: cedevice new IMAGE [--profile NAME]\n"},
        {{"info", "img", "extra"}, "usage: cedevice info IMAGE\n"},
        {{"ls", "img"}, "usage: cedevice ls IMAGE DEVPATH\n"},
        {{"ls", "img", "\\", "--bogus"}, "usage: cedevice ls IMAGE DEVPATH\n"},
        {{"put", "img", "a"}, "usage: cedevice put IMAGE HOSTFILE DEVPATH [--attr HEX]\n"},
        {{"attrib", "img", "\\a", "1", "2"}, "usage: cedevice attrib IMAGE DEVPATH [HEX]\n"},
        {{"reg", "img", "set", "HKLM\\a", "n", "sz"}, "usage: cedevice reg IMAGE set KEY NAME TYPE DATA\n"},
        {{"reg", "img", "list", "HKLM", "--deep"}, "usage: cedevice reg IMAGE list KEY [--recursive]\n"},
        {{"reg", "img", "frob", "HKLM"}, "usage: cedevice reg IMAGE get|set|del|list|deny ...\n"},
        {{"reg", "img"}, "usage: cedevice reg IMAGE get|set|del|list|deny ...\n"},
        {{"run", "img"}, "usage: cedevice run IMAGE [--virtual-time] [--script FILE | --headless] DEVPATH [ARGS...]\n"},
        {{"run", "img", "\\a.exe", "--fast"}, "usage: cedevice run IMAGE [--virtual-time] [--script FILE | --headless] DEVPATH [ARGS...]\n"},
        {{"ps", "img", "extra"}, "usage: cedevice ps IMAGE\n"},
        {{"boot"}, "usage: cedevice boot IMAGE\n"},
        {{"reset", "img", "now"}, "usage: cedevice reset IMAGE\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.usage, fails(c.args)) << ::testing::PrintToString(c.args);
    EXPECT_EQ("cedevice: unknown command \"frob\" (cedevice --help lists the commands)\n", fails({"frob", "img"}));
}

TEST(CedeviceNew, DefaultProfileAndNamedProfiles)
{
    TempFolder folder;
    const std::string defaultImage = (folder.path() / "default").string();
    EXPECT_EQ("Created device image " + defaultImage + " (profile ppc2003)\n", succeeds({"new", defaultImage}));
    EXPECT_NE(std::string::npos, succeeds({"info", defaultImage}).find("Profile:        ppc2003\n"));

    const std::string square = (folder.path() / "square").string();
    succeeds({"new", square, "--profile", "square"});
    const std::string info = succeeds({"info", square});
    EXPECT_NE(std::string::npos, info.find("Profile:        square\n")) << info;
    EXPECT_NE(std::string::npos, info.find("Screen:         240 x 240, 96 dpi\n")) << info;
}

TEST(CedeviceNew, Errors)
{
    TempFolder folder;
    const std::string image = (folder.path() / "img").string();
    EXPECT_EQ("cedevice: unknown profile \"palm\" (profiles: ppc2003, wm5, wm6-vga, square, wm6-phone)\n",
              fails({"new", image, "--profile", "palm"}));
    EXPECT_FALSE(std::filesystem::exists(image));

    std::filesystem::create_directories(image);
    std::ofstream(std::filesystem::path(image) / "notes.txt") << "keep";
    EXPECT_NE(std::string::npos, fails({"new", image}).find("not empty"));
}

TEST_F(ImageTest, InfoDescribesTheProfileAndStores)
{
    const std::string info = succeeds({"info", image});
    for (const char* line : {
             "Profile:        test\n",
             "OS version:     5.1 build 1700\n",
             "Screen:         240 x 320, 96 dpi\n",
             "RAM:            67108864 bytes (64.0 MB)\n",
             "Page size:      4096 bytes\n",
             "Time zone:      GMT Standard Time, bias 0 minutes (UTC = local time + bias)\n",
             "Storage card:   Storage Card\n",
             "  Size:         8388608 bytes (8.0 MB)\n",
             "  Serial:       0x1234ABCD\n",
             "  Manufacturer: Test\n",
             "  Geometry:     512 bytes/sector, 8 sectors/cluster, 1 reserved, 2 FATs, 512 root entries, FAT16\n",
         })
        EXPECT_NE(std::string::npos, info.find(line)) << line << "in:\n" << info;
    EXPECT_NE(std::string::npos, info.find("Object store:   4194304 bytes (4.0 MB), ")) << info;

    // Free space is measured: a file on the card lowers it.
    auto freeOnCard = [&] {
        const std::string text = succeeds({"info", image});
        const size_t at = text.find("  Free:");
        return text.substr(at, text.find('\n', at) - at);
    };
    const std::string before = freeOnCard();
    std::ofstream((folder.path() / "big.bin").string(), std::ios::binary) << std::string(256 * 1024, 'x');
    succeeds({"put", image, (folder.path() / "big.bin").string(), "\\Storage Card\\big.bin"});
    EXPECT_NE(before, freeOnCard());
}

TEST(CedeviceImage, MissingOrBrokenImagesAreErrors)
{
    TempFolder folder;
    const std::string missing = (folder.path() / "missing").string();
    EXPECT_EQ("cedevice: " + missing + ": no such device image\n", fails({"info", missing}));
    EXPECT_EQ("cedevice: " + missing + ": no such device image\n", fails({"reg", missing, "get", "HKLM\\Ident"}));
    EXPECT_EQ("cedevice: " + folder.path().string() + ": not a device image (no device.ini)\n",
              fails({"ls", folder.path().string(), "\\"}));

    std::ofstream(folder.path() / "device.ini") << "[Device]\nScreenWidth=wide\n";
    const std::string broken = fails({"info", folder.path().string()});
    EXPECT_NE(std::string::npos, broken.find("ScreenWidth")) << broken;
    EXPECT_FALSE(emulator::deviceBooted());
}

TEST_F(ImageTest, CommandsRefuseToRunBesideABootedDevice)
{
    testing_support::TestDevice running;
    const std::string error = fails({"ls", image, "\\"});
    EXPECT_NE(std::string::npos, error.find("already running")) << error;
    EXPECT_EQ(running.image(), emulator::deviceImagePath());  // the running device is untouched
}

}  // namespace
}  // namespace cedevice_test
