// Soft resets: every process ends, the boot programs start again, the StartUp folder's shortcuts
// and programs start (other entries are left alone), the registry and files stay; asked for by
// the host, by the reset power state, and by a device program through KernelIoControl.
#include "SystemTestSupport.h"
#include "emulator/Reset.h"
#include "pkfuncs.h"
#include "pm.h"

using namespace system_test;
using testing_support::TestDevice;

namespace {

emulator::Profile profileWithNotes()
{
    emulator::Profile profile = testing_support::smallProfile();
    profile.otherSections.push_back({"program.notes", {{"Threads", "2"}, {"Heap", "default:8192:0"}}});
    return profile;
}

// A shortcut file as the shell writes it: the command's length, "#", the command.
std::string shortcut(const std::string& command)
{
    return std::to_string(command.size()) + "#" + command;
}

std::u16string startUp(const std::u16string& name)
{
    return u"\\Windows\\StartUp\\" + name;
}

DWORD startProgram(LPCWSTR path, std::u16string commandLine, HANDLE& process)
{
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(path, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, nullptr, &started))
        return 0;
    CloseHandle(started.hThread);
    process = started.hProcess;
    return started.dwProcessId;
}

class SoftResetTest : public ::testing::Test {
protected:
    SoftResetTest()
        : device(profileWithNotes())
    {
        installStartUpProgram(device);
        std::filesystem::create_directories(device.hostPath(startUp(u"")));
    }

    TestDevice device;
};

TEST_F(SoftResetTest, StartUpShortcutsAndProgramsStartAndOtherEntriesDoNot)
{
    put(device, startUp(u"a quoted.lnk"), "36#\"\\Program Files\\StartUp.exe\" one two");
    put(device, startUp(u"b plain.lnk"), shortcut("\\Windows\\notes.exe -q") + "\r\n");
    put(device, startUp(u"c broken.lnk"), "no header here");
    put(device, startUp(u"d missing.lnk"), shortcut("\\Windows\\gone.exe"));
    put(device, startUp(u"e notes.txt"), "not started");
    std::filesystem::create_directories(device.hostPath(startUp(u"f folder.exe")));
    installStartUpProgram(device, startUp(u"g direct.exe"));

    const emulator::SoftResetResult result = emulator::softResetDevice();
    ASSERT_TRUE(result.done) << result.error;
    auto launches = result.startUp;
    std::sort(launches.begin(), launches.end(), [](const auto& a, const auto& b) { return a.entry < b.entry; });
    const struct {
        std::u16string entry, program, arguments;
        DWORD error;
    } expected[] = {
        {u"a quoted.lnk", u"\\Program Files\\StartUp.exe", u"one two", 0},
        {u"b plain.lnk", u"\\Windows\\notes.exe", u"-q", 0},
        {u"c broken.lnk", u"", u"", ERROR_BAD_FORMAT},
        {u"d missing.lnk", u"\\Windows\\gone.exe", u"", ERROR_FILE_NOT_FOUND},
        {u"g direct.exe", startUp(u"g direct.exe"), u"", 0},
    };
    ASSERT_EQ(std::size(expected), launches.size());
    for (size_t i = 0; i < launches.size(); ++i) {
        SCOPED_TRACE(emulator::toUtf8(expected[i].entry));
        EXPECT_EQ(expected[i].entry, launches[i].entry);
        EXPECT_EQ(expected[i].program, launches[i].program);
        EXPECT_EQ(expected[i].arguments, launches[i].arguments);
        EXPECT_EQ(expected[i].error, launches[i].error);
        EXPECT_EQ(expected[i].error == 0, launches[i].processId != 0);
        if (launches[i].processId && !launches[i].program.ends_with(u"notes.exe"))  // program images end
            waitForEnd(launches[i].processId);
    }
    // The program images logged their command lines and ended; the simulated program runs on.
    EXPECT_EQ((std::vector<std::string>{"", "one two"}), startUpLog(device));
    EXPECT_TRUE(isRunning(launches[1].processId));
    EXPECT_EQ(1u, emulator::softResetCount());
    EXPECT_EQ(result.startUp.size(), emulator::lastStartUpLaunches().size());
}

TEST_F(SoftResetTest, EveryProcessEndsAndTheBootProgramsStartAgain)
{
    const auto bootNames = runningNames();
    const auto bootProcesses = runningProcesses();
    HANDLE notes = nullptr, waiting = nullptr;
    ASSERT_NE(0u, startProgram(u"\\Windows\\notes.exe", u"", notes));
    ASSERT_NE(0u, startProgram(startUpProgramPath, u"wait", waiting));

    for (unsigned reset = 1; reset <= 2; ++reset) {
        SCOPED_TRACE(reset);
        ASSERT_TRUE(emulator::softResetDevice().done);
        EXPECT_EQ(reset, emulator::softResetCount());
        EXPECT_EQ(bootNames, runningNames());
        for (const auto& process : bootProcesses)
            EXPECT_FALSE(isRunning(process.id)) << emulator::toUtf8(process.exeName);
    }
    for (HANDLE process : {notes, waiting}) {
        EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(process, 0));
        DWORD exitCode = STILL_ACTIVE;
        EXPECT_TRUE(GetExitCodeProcess(process, &exitCode));
        EXPECT_EQ(0u, exitCode);
        CloseHandle(process);
    }
}

TEST_F(SoftResetTest, RegistryFilesAndClockStay)
{
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, u"Software\\Kept", 0, nullptr, 0, 0, nullptr, &key, nullptr));
    const DWORD value = 0x1234;
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExW(key, u"Value", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), 4));
    RegCloseKey(key);
    put(device, u"\\kept.txt", "kept");
    Sleep(5000);
    SYSTEMTIME before{};
    GetSystemTime(&before);

    ASSERT_TRUE(emulator::softResetDevice().done);

    DWORD read = 0, size = sizeof read;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExW(HKEY_CURRENT_USER, u"Software\\Kept", 0, 0, &key));
    EXPECT_EQ(ERROR_SUCCESS, RegQueryValueExW(key, u"Value", nullptr, nullptr, reinterpret_cast<BYTE*>(&read), &size));
    RegCloseKey(key);
    EXPECT_EQ(value, read);
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(u"\\kept.txt"));
    SYSTEMTIME after{};
    GetSystemTime(&after);
    FILETIME beforeTime{}, afterTime{};
    SystemTimeToFileTime(&before, &beforeTime);
    SystemTimeToFileTime(&after, &afterTime);
    EXPECT_GE(CompareFileTime(&afterTime, &beforeTime), 0);
}

TEST_F(SoftResetTest, ADeviceProgramAsksForTheResetAndDoesNotGetBack)
{
    put(device, startUp(u"after.lnk"), shortcut("\"\\Program Files\\StartUp.exe\" after reset"));
    HANDLE asking = nullptr;
    ASSERT_NE(0u, startProgram(startUpProgramPath, u"reset", asking));
    // The reset ends the program inside its KernelIoControl call.
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(asking, INFINITE));
    DWORD exitCode = STILL_ACTIVE;
    EXPECT_TRUE(GetExitCodeProcess(asking, &exitCode));
    EXPECT_EQ(0u, exitCode);
    CloseHandle(asking);
    ASSERT_TRUE(emulator::waitForSoftReset(1));
    EXPECT_EQ(1u, emulator::softResetCount());

    const auto launches = emulator::lastStartUpLaunches();
    ASSERT_EQ(1u, launches.size());
    waitForEnd(launches[0].processId);
    EXPECT_EQ((std::vector<std::string>{"after reset"}), startUpLog(device));
    EXPECT_FALSE(std::filesystem::exists(device.hostPath(u"\\returned.txt")));
}

TEST_F(SoftResetTest, RequestsMadeBeforeAResetAreAllServedByIt)
{
    // Both programs exist before either can ask, so the first reset ends both.
    PROCESS_INFORMATION asking[2]{};
    for (auto& started : asking) {
        std::u16string commandLine = u"reset";
        ASSERT_TRUE(CreateProcessW(startUpProgramPath, commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                                   nullptr, nullptr, nullptr, &started));
    }
    for (const auto& started : asking)
        ResumeThread(started.hThread);
    for (const auto& started : asking) {
        EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(started.hProcess, INFINITE));
        DWORD exitCode = STILL_ACTIVE;
        EXPECT_TRUE(GetExitCodeProcess(started.hProcess, &exitCode));
        EXPECT_EQ(0u, exitCode);
        CloseHandle(started.hThread);
        CloseHandle(started.hProcess);
    }
    // A request made before the reset it waited for is served by it: one reset, none to come.
    EXPECT_FALSE(emulator::waitForSoftReset(2));
    EXPECT_EQ(1u, emulator::softResetCount());
}

TEST_F(SoftResetTest, HostCallsResetAtOnceAndWaitingNeedsAReset)
{
    EXPECT_FALSE(emulator::waitForSoftReset(1));  // none done, none asked for
    const struct {
        const char* name;
        bool (*ask)();
    } requests[] = {
        {"IOCTL_HAL_REBOOT", [] { return KernelIoControl(IOCTL_HAL_REBOOT, nullptr, 0, nullptr, 0, nullptr) == TRUE; }},
        {"POWER_STATE_RESET", [] { return SetSystemPowerState(nullptr, POWER_STATE_RESET, 0) == ERROR_SUCCESS; }},
        {"state named reset", [] { return SetSystemPowerState(u"Reset", 0, POWER_FORCE) == ERROR_SUCCESS; }},
    };
    unsigned count = 0;
    for (const auto& request : requests) {
        SCOPED_TRACE(request.name);
        EXPECT_TRUE(request.ask());
        EXPECT_EQ(++count, emulator::softResetCount());
        EXPECT_TRUE(emulator::waitForSoftReset(count));
    }
    // A cold boot starts the count again.
    device.reboot();
    EXPECT_EQ(0u, emulator::softResetCount());
}

TEST(SoftReset, NeedsARunningDevice)
{
    const emulator::SoftResetResult result = emulator::softResetDevice();
    EXPECT_FALSE(result.done);
    EXPECT_EQ("no device is running", result.error);
    SetLastError(0);
    EXPECT_FALSE(KernelIoControl(IOCTL_HAL_REBOOT, nullptr, 0, nullptr, 0, nullptr));
    EXPECT_EQ(static_cast<DWORD>(ERROR_NOT_READY), GetLastError());
}

}  // namespace
