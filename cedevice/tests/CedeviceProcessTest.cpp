// cedevice boot, run, ps and reset: the boot programs, programs run to their end, and the
// simulated programs a device that stays on keeps running between commands until a reset.
#include <fstream>
#include <iterator>
#include <regex>

#include "CedeviceTestSupport.h"

namespace cedevice_test {
namespace {

const std::vector<std::string> bootPrograms = {"\\Windows\\nk.exe",    "\\Windows\\filesys.exe",
                                               "\\Windows\\device.exe", "\\Windows\\gwes.exe",
                                               "\\Windows\\shell32.exe", "\\Windows\\repllog.exe"};

struct PsLine {
    unsigned long id, threads, kilobytes;
    std::string program;
};

// Checks the header and the shape of every line of ps output, and returns the lines.
std::vector<PsLine> psLines(const std::string& image)
{
    std::istringstream text(succeeds({"ps", image}));
    std::string line;
    std::getline(text, line);
    EXPECT_EQ("PID       THREADS  MEMORY KB  PROGRAM", line);
    const std::regex shape(R"(([0-9A-F]{8})  +(\d+)  +(\d+)  (\\.+))");
    std::vector<PsLine> lines;
    while (std::getline(text, line)) {
        std::smatch match;
        if (!std::regex_match(line, match, shape)) {
            ADD_FAILURE() << "bad ps line: " << line;
            continue;
        }
        lines.push_back({std::stoul(match[1], nullptr, 16), std::stoul(match[2]), std::stoul(match[3]), match[4]});
    }
    return lines;
}

std::vector<std::string> programsOf(const std::vector<PsLine>& lines)
{
    std::vector<std::string> programs;
    for (const auto& line : lines)
        programs.push_back(line.program);
    return programs;
}

std::vector<std::string> bootProgramsAnd(std::vector<std::string> more)
{
    more.insert(more.begin(), bootPrograms.begin(), bootPrograms.end());
    return more;
}

// Writes a shortcut file into the StartUp folder of `image`.
void putStartUpShortcut(const testing_support::TempFolder& folder, const std::string& image, const std::string& name,
                        const std::string& text)
{
    const std::string host = (folder.path() / "shortcut.lnk").string();
    std::ofstream(host, std::ios::binary | std::ios::trunc) << text;
    succeeds({"put", image, host, "\\Windows\\StartUp\\" + name});
}

TEST_F(ImageTest, BootTurnsTheDeviceOnAndPsListsTheBootProgramsInOrder)
{
    EXPECT_EQ("Device " + image + " is on: 6 processes\n", succeeds({"boot", image}));
    const auto lines = psLines(image);
    EXPECT_EQ(bootPrograms, programsOf(lines));
    for (size_t i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE(lines[i].program);
        EXPECT_GE(lines[i].threads, 1u);
        EXPECT_GT(lines[i].kilobytes, 0u);
        if (i > 0) {
            EXPECT_GT(lines[i].id, lines[i - 1].id);
        }
    }
    EXPECT_FALSE(emulator::deviceBooted());
}

TEST_F(ImageTest, PsOfADeviceThatIsOffListsTheBootPrograms)
{
    EXPECT_EQ(bootPrograms, programsOf(psLines(image)));
}

// An image whose profile describes a program that does not run at boot.
class NotesImageTest : public ::testing::Test {
protected:
    NotesImageTest()
        : image((folder.path() / "image").string())
    {
        emulator::Profile profile = testing_support::smallProfile();
        profile.otherSections.push_back({"program.notes", {{"Threads", "3"}, {"Heap", "default:8192:0"}}});
        std::string error;
        if (!emulator::createDeviceImage(image, profile, error))
            throw std::runtime_error(error);
    }

    testing_support::TempFolder folder;
    std::string image;
};

TEST_F(NotesImageTest, ASimulatedProgramRunsUntilReset)
{
    const std::string started = succeeds({"run", image, "--virtual-time", "\\Windows\\notes.exe", "-q"});
    EXPECT_TRUE(std::regex_match(started, std::regex(R"(Started \\Windows\\notes\.exe: process [0-9A-F]{8}\n)")))
        << started;

    // Every later command finds it running again, once, as it was described.
    for (int command = 0; command < 2; ++command) {
        const auto lines = psLines(image);
        ASSERT_EQ(bootProgramsAnd({"\\Windows\\notes.exe"}), programsOf(lines));
        EXPECT_EQ(3u, lines.back().threads);
        EXPECT_EQ(8u, lines.back().kilobytes);
    }
    EXPECT_EQ("Device " + image + " is on: 7 processes\n", succeeds({"boot", image}));

    // A second instance is a second running program.
    succeeds({"run", image, "--virtual-time", "/Windows/notes.exe"});
    EXPECT_EQ(bootProgramsAnd({"\\Windows\\notes.exe", "\\Windows\\notes.exe"}), programsOf(psLines(image)));

    EXPECT_EQ("Device " + image + " was reset: 0 of 0 StartUp entries started\n", succeeds({"reset", image}));
    EXPECT_EQ(bootPrograms, programsOf(psLines(image)));
    EXPECT_EQ("Device " + image + " is on: 6 processes\n", succeeds({"boot", image}));
}

TEST_F(NotesImageTest, ASimulatedProgramOfTheStartUpFolderRunsAfterEachReset)
{
    putStartUpShortcut(folder, image, "notes.lnk", "18#\\Windows\\notes.exe");
    succeeds({"run", image, "--virtual-time", "\\Windows\\notes.exe"});
    for (int reset = 0; reset < 2; ++reset) {
        // The reset ends the one started by run and starts one from the StartUp folder.
        EXPECT_EQ("Device " + image + " was reset: 1 of 1 StartUp entries started\n", succeeds({"reset", image}));
        for (int command = 0; command < 2; ++command)  // it stays on, once, at each later command
            EXPECT_EQ(bootProgramsAnd({"\\Windows\\notes.exe"}), programsOf(psLines(image)));
    }
}

TEST_F(NotesImageTest, ProgramImagesRunBesideTheRunningPrograms)
{
    const std::string host = ECHO_PROGRAM_IMAGE;
    succeeds({"put", image, host, "\\echo.exe"});
    succeeds({"run", image, "--virtual-time", "\\Windows\\notes.exe"});
    EXPECT_EQ("exit code 9\n", succeeds({"run", image, "--virtual-time", "\\echo.exe", "9"}));
    // The program ended: only the simulated one stays.
    EXPECT_EQ(bootProgramsAnd({"\\Windows\\notes.exe"}), programsOf(psLines(image)));
}

TEST_F(ImageTest, ARecordThatCannotBeRestoredIsAnErrorUntilReset)
{
    struct Case {
        std::string record;
        std::string error;
    } cases[] = {
        {"\\Windows\\gone.exe\t-a\n",
         "cedevice: cannot start \\Windows\\gone.exe again: The system cannot find the file specified. (cedevice "
         "reset forgets it)\n"},
        {"\t-a\n", "cedevice: " + (std::filesystem::path(image) / "running.txt").string()
                        + ": a line names no program (cedevice reset clears it)\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.record);
        std::ofstream(std::filesystem::path(image) / "running.txt") << c.record;
        EXPECT_EQ(c.error, fails({"ps", image}));
        EXPECT_EQ(c.error, fails({"boot", image}));
        EXPECT_FALSE(emulator::deviceBooted());
        succeeds({"reset", image});
        EXPECT_EQ(bootPrograms, programsOf(psLines(image)));
    }
}

class RunTest : public ImageTest {
protected:
    RunTest()
    {
        succeeds({"mkdir", image, "\\Programs"});
        succeeds({"put", image, ECHO_PROGRAM_IMAGE, "\\Programs\\echo.exe"});
    }
};

TEST_F(RunTest, RunPassesTheArgumentsAndPrintsTheExitCode)
{
    struct Case {
        std::vector<std::string> args;
        std::string commandLine;
        std::string output;
    } cases[] = {
        {{"42", "hello", "world"}, "42 hello world", "exit code 42\n"},
        {{}, "", "exit code 0\n"},
        {{"300"}, "300", "exit code 300\n"},
        {{"--", "7", "--fast"}, "7 --fast", "exit code 7\n"},
        {{"x7"}, "x7", "exit code 0\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.commandLine);
        std::vector<std::string> args = {"run", image, "--virtual-time", "Programs/echo.exe"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        EXPECT_EQ(c.output, succeeds(args));
        EXPECT_EQ(c.commandLine, echoedCommandLine());
    }
    // A program image that ended leaves the device as it was: off.
    EXPECT_EQ(bootPrograms, programsOf(psLines(image)));
}

TEST_F(RunTest, AResetRunsStartUpShortcutsWithTheirArgumentsToTheirEnd)
{
    putStartUpShortcut(folder, image, "echo.lnk", "34#\"\\Programs\\echo.exe\" 5 after reset");
    EXPECT_EQ("Device " + image + " was reset: 1 of 1 StartUp entries started\n", succeeds({"reset", image}));
    EXPECT_EQ("5 after reset", echoedCommandLine());
    EXPECT_EQ(bootPrograms, programsOf(psLines(image)));
}

TEST_F(RunTest, ProgramsThatCannotStartAreErrors)
{
    const std::string text = (folder.path() / "note.txt").string();
    std::ofstream(text) << "not a program";
    succeeds({"put", image, text, "\\note.txt"});
    EXPECT_EQ("cedevice: \\note.txt is not a valid Win32 application.\n",
              fails({"run", image, "--virtual-time", "\\note.txt"}));
    EXPECT_EQ("cedevice: \\x.exe: The system cannot find the file specified.\n",
              fails({"run", image, "--virtual-time", "\\x.exe"}));
    EXPECT_EQ("cedevice: the program's arguments may not hold tabs or line breaks\n",
              fails({"run", image, "--virtual-time", "\\Programs\\echo.exe", "a\tb"}));
    const std::string missing = (folder.path() / "missing").string();
    EXPECT_EQ("cedevice: " + missing + ": no such device image\n", fails({"run", missing, "\\x.exe"}));
    EXPECT_EQ("cedevice: " + missing + ": no such device image\n", fails({"reset", missing}));
    EXPECT_FALSE(emulator::deviceBooted());
}

}  // namespace
}  // namespace cedevice_test
