// The launcher run as the device runs it: exit codes and the command line passed on, the reset
// guard over three resets, the tweaks, and the message after ten failed attempts.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "TestDevice.h"
#include "emulator/StorageCards.h"
#include "emulator/UserInterface.h"
#include "windows.h"

namespace {

class LauncherTest : public ::testing::Test {
protected:
    testing_support::TestDevice dev;
    HANDLE ran = nullptr;

    void SetUp() override
    {
        dev.place(LAUNCHER_IMAGE, u"\\Windows\\KelvaraLauncher.exe");
        dev.place(FAKE_KELVARA_IMAGE, u"\\Program Files\\Kelvara\\kelvara.exe");
        setText(HKEY_LOCAL_MACHINE, u"SOFTWARE\\Apps\\Quorvanta kelvara", u"InstallDir", u"\\Program Files\\Kelvara");
        ran = CreateEventW(nullptr, TRUE, FALSE, u"FakeKelvaraRan");
    }
    void TearDown() override
    {
        CloseHandle(ran);
        emulator::setMessageBoxResponder({});
    }

    static HKEY createKey(HKEY root, const char16_t* path)
    {
        HKEY key = nullptr;
        DWORD disposition = 0;
        RegCreateKeyExW(root, path, 0, nullptr, 0, 0, nullptr, &key, &disposition);
        return key;
    }
    static void setNumber(HKEY root, const char16_t* path, const char16_t* name, DWORD number)
    {
        HKEY key = createKey(root, path);
        RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
        RegCloseKey(key);
    }
    static void setText(HKEY root, const char16_t* path, const char16_t* name, const std::u16string& text)
    {
        HKEY key = createKey(root, path);
        RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
            static_cast<DWORD>((text.size() + 1) * 2));
        RegCloseKey(key);
    }
    static bool readNumber(HKEY root, const char16_t* path, const char16_t* name, DWORD& number)
    {
        HKEY key = nullptr;
        if (RegOpenKeyExW(root, path, 0, 0, &key) != ERROR_SUCCESS)
            return false;
        DWORD size = sizeof number;
        const bool read = RegQueryValueExW(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&number), &size)
            == ERROR_SUCCESS;
        RegCloseKey(key);
        return read;
    }

    // Runs the launcher to its end: its exit code.
    DWORD launch(const std::u16string& commandLine)
    {
        ResetEvent(ran);
        std::u16string arguments = commandLine;
        PROCESS_INFORMATION started {};
        EXPECT_TRUE(CreateProcessW(u"\\Windows\\KelvaraLauncher.exe", arguments.data(), nullptr, nullptr, FALSE, 0,
            nullptr, nullptr, nullptr, &started));
        WaitForSingleObject(started.hProcess, INFINITE);
        DWORD code = 99;
        GetExitCodeProcess(started.hProcess, &code);
        CloseHandle(started.hThread);
        CloseHandle(started.hProcess);
        return code;
    }
    // Waits until the Kelvara the launcher started has run (it signals once it wrote its line).
    bool kelvaraRan() { return WaitForSingleObject(ran, INFINITE) == WAIT_OBJECT_0; }
    // The command lines Kelvara was started with, one per start.
    std::vector<std::u16string> startedWith()
    {
        std::ifstream in(dev.hostPath(u"\\started.txt"), std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::u16string text(bytes.size() / 2, u'\0');
        std::memcpy(text.data(), bytes.data(), text.size() * 2);
        std::vector<std::u16string> lines;
        for (size_t at = 0, end; (end = text.find(u'\n', at)) != std::u16string::npos; at = end + 1)
            lines.push_back(text.substr(at, end - at));
        return lines;
    }
};

TEST_F(LauncherTest, CommandLinesArePassedOnAndTheExitCodeSaysWhetherKelvaraStarted)
{
    const struct {
        const char16_t* commandLine;
        DWORD exitCode;
    } cases[] = {
        {u"", 1}, {u"-Q", 1}, {u"-noop", 0}, {u"x -noop", 0}, {u"-Tweaks", 0}, {u"-Quick now", 1},
    };
    std::vector<std::u16string> expected;
    for (const auto& c : cases) {
        EXPECT_EQ(launch(c.commandLine), c.exitCode) << std::string(c.commandLine, c.commandLine + 1);
        if (c.exitCode == 1) {
            EXPECT_TRUE(kelvaraRan());
            expected.push_back(c.commandLine);
        }
    }
    EXPECT_EQ(startedWith(), expected);
}

TEST_F(LauncherTest, AResetThatNeverFinishedCleaningIsSkippedOnce)
{
    const char16_t* key = u"Software\\Quorvanta\\Kelvara";
    DWORD active = 0;
    EXPECT_EQ(launch(u"-reset"), 1u); // marks the reset-time cleaning as pending
    EXPECT_TRUE(kelvaraRan());
    ASSERT_TRUE(readNumber(HKEY_LOCAL_MACHINE, key, u"CleaningActive", active));
    EXPECT_EQ(active, 2u);
    // The cleaning never removed the marker (the device went down): the next reset skips it.
    EXPECT_EQ(launch(u"-reset"), 0u);
    EXPECT_FALSE(readNumber(HKEY_LOCAL_MACHINE, key, u"CleaningActive", active));
    // And the reset after that cleans again.
    EXPECT_EQ(launch(u"-Q -reset"), 1u);
    EXPECT_TRUE(kelvaraRan());
    EXPECT_EQ(startedWith(), (std::vector<std::u16string> {u"-reset", u"-Q -reset"})); // not the skipped one
}

TEST_F(LauncherTest, TweaksApplyOnlyWhatIsAskedFor)
{
    const char16_t* messaging = u"Software\\Microsoft\\Today\\Items\\\"Messaging\"";
    const char16_t* cache = u"Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\5.0\\Cache\\Content";
    const char16_t* history = u"Software\\Microsoft\\Shell\\TaskSwitch";
    setNumber(HKEY_LOCAL_MACHINE, messaging, u"Enabled", 1);
    setNumber(HKEY_CURRENT_USER, cache, u"CacheLimit", 5);
    for (const char16_t* name : {u"0", u"11", u"12"})
        setNumber(HKEY_CURRENT_USER, history, name, 7);

    EXPECT_EQ(launch(u"-Tweaks"), 0u); // none asked for yet: nothing changes
    DWORD number = 0;
    ASSERT_TRUE(readNumber(HKEY_LOCAL_MACHINE, messaging, u"Enabled", number));
    EXPECT_EQ(number, 1u);

    const char16_t* settings = u"Software\\Quorvanta\\Kelvara";
    setNumber(HKEY_LOCAL_MACHINE, settings, u"DisableMessaging", 0);
    setNumber(HKEY_LOCAL_MACHINE, settings, u"PIECache", 1234);
    setNumber(HKEY_LOCAL_MACHINE, settings, u"CleanHistory", 0);
    EXPECT_EQ(launch(u"-Tweaks"), 0u);
    EXPECT_TRUE(startedWith().empty());
    ASSERT_TRUE(readNumber(HKEY_LOCAL_MACHINE, messaging, u"Enabled", number));
    EXPECT_EQ(number, 0u);
    ASSERT_TRUE(readNumber(HKEY_CURRENT_USER, cache, u"CacheLimit", number));
    EXPECT_EQ(number, 1234u);
    EXPECT_FALSE(readNumber(HKEY_CURRENT_USER, history, u"0", number));
    EXPECT_FALSE(readNumber(HKEY_CURRENT_USER, history, u"11", number));
    EXPECT_TRUE(readNumber(HKEY_CURRENT_USER, history, u"12", number)); // only "0" to "11" go
}

TEST_F(LauncherTest, ProgramOnACardThatMountsLateIsStartedByALaterAttempt)
{
    dev.place(FAKE_KELVARA_IMAGE, u"\\Storage Card\\Kelvara\\kelvara.exe");
    setText(HKEY_LOCAL_MACHINE, u"SOFTWARE\\Apps\\Quorvanta kelvara", u"InstallDir", u"\\Storage Card\\Kelvara");
    ASSERT_EQ(emulator::removeStorageCard(u"Storage Card"), static_cast<DWORD>(ERROR_SUCCESS));

    const DWORD before = GetTickCount();
    std::u16string arguments = u"-Q";
    PROCESS_INFORMATION started {};
    ASSERT_TRUE(CreateProcessW(u"\\Windows\\KelvaraLauncher.exe", arguments.data(), nullptr, nullptr, FALSE, 0,
        nullptr, nullptr, nullptr, &started));
    Sleep(3000); // device time: the card comes in while the launcher is between attempts
    ASSERT_EQ(emulator::insertStorageCard(u"Storage Card"), static_cast<DWORD>(ERROR_SUCCESS));
    WaitForSingleObject(started.hProcess, INFINITE);
    DWORD code = 99;
    GetExitCodeProcess(started.hProcess, &code);
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);

    EXPECT_EQ(code, 1u);
    EXPECT_TRUE(kelvaraRan());
    const DWORD waited = GetTickCount() - before;
    EXPECT_GE(waited, 3000u);
    EXPECT_LT(waited, 9000u) << "well before the tenth attempt";
}

TEST_F(LauncherTest, AfterTenAttemptsWithoutTheProgramItSaysSo)
{
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, u"SOFTWARE\\Apps\\Quorvanta kelvara");
    std::vector<emulator::MessageBoxShown> shown;
    emulator::setMessageBoxResponder([&](const emulator::MessageBoxShown& box) {
        shown.push_back(box);
        return IDOK;
    });
    const DWORD before = GetTickCount();
    EXPECT_EQ(launch(u""), 0u);
    EXPECT_GE(GetTickCount() - before, 10000u); // ten attempts a second apart, on the device clock
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, u"Couldn't find \n kelvara");
    EXPECT_EQ(shown[0].caption, u"Error");
    EXPECT_EQ(shown[0].type, static_cast<UINT>(MB_ICONEXCLAMATION | MB_OK));
}

} // namespace
