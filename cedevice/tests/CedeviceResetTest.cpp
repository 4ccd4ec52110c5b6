// cedevice reset: the device boots again and runs its StartUp folder within the command; entries
// that cannot start are listed with the reason, other files are left alone. (Shortcuts with
// arguments and simulated programs in the StartUp folder: see CedeviceProcessTest.cpp.)
#include <fstream>

#include "CedeviceTestSupport.h"

namespace cedevice_test {
namespace {

class StartUpFolderTest : public ImageTest {
protected:
    void putStartUpEntry(const std::string& name, const std::string& bytes)
    {
        const std::string host = (folder.path() / "entry").string();
        std::ofstream(host, std::ios::binary | std::ios::trunc) << bytes;
        succeeds({"put", image, host, "\\Windows\\StartUp\\" + name});
    }
};

TEST_F(StartUpFolderTest, AnEmptyFolderStartsNothing)
{
    EXPECT_EQ("Device " + image + " was reset: 0 of 0 StartUp entries started\n", succeeds({"reset", image}));
    EXPECT_FALSE(emulator::deviceBooted());
}

TEST_F(StartUpFolderTest, AProgramInTheFolderRunsToItsEnd)
{
    succeeds({"put", image, ECHO_PROGRAM_IMAGE, "\\Windows\\StartUp\\echo.exe"});
    EXPECT_EQ("Device " + image + " was reset: 1 of 1 StartUp entries started\n", succeeds({"reset", image}));
    // It ran within the command: it wrote its (empty) command line.
    EXPECT_EQ("0x00000020 ARCHIVE\n", succeeds({"attrib", image, "\\cmdline.txt"}));
}

TEST_F(StartUpFolderTest, EntriesThatCannotStartAreListed)
{
    putStartUpEntry("a broken.lnk", "no shortcut");
    putStartUpEntry("b gone.lnk", "17#\\Windows\\gone.exe");
    putStartUpEntry("c readme.txt", "not started");
    const std::string output = succeeds({"reset", image});
    EXPECT_NE(std::string::npos, output.find("was reset: 0 of 2 StartUp entries started\n")) << output;
    EXPECT_NE(std::string::npos,
              output.find("  a broken.lnk: An attempt was made to load a program with an incorrect format.\n"))
        << output;
    EXPECT_NE(std::string::npos, output.find("  b gone.lnk: The system cannot find the file specified.\n")) << output;
    EXPECT_EQ(std::string::npos, output.find("readme")) << output;
}

}  // namespace
}  // namespace cedevice_test
