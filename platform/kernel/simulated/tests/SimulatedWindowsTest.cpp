// Simulated programs' windows: found by class and title, WM_CLOSE answered as described,
// WM_HIBERNATE, a hung program's time-outs, and the window thread's end with its process.
#include <gtest/gtest.h>

#include <functional>

#include "KernelStateSupport.h"
#include "emulator/Reset.h"
#include "windows.h"
#include "winuserctl.h"

using namespace kernel_state_test;
using testing_support::TestDevice;

namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;

// [program.NAME]: \Windows\NAME.exe with one visible window, class NAME, title TITLE, and `extra`.
emulator::IniSection program(const std::string& name, const std::string& title, Entries extra)
{
    extra.insert(extra.begin(), {"Window", name + "|" + title + "|0x10000000|0"});
    return {"program." + name, std::move(extra)};
}

// Starts a described program as a device program would.
PROCESS_INFORMATION start(const char16_t* path)
{
    PROCESS_INFORMATION info{};
    EXPECT_TRUE(CreateProcessW(path, nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, nullptr, &info));
    return info;
}

std::u16string windowText(HWND hwnd)
{
    char16_t text[64] = {};
    GetWindowTextW(hwnd, text, 64);
    return text;
}

DWORD processOf(HWND hwnd)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(hwnd, &processId);
    return processId;
}

std::vector<HWND> windowsOwnedBy(HWND owner)
{
    struct Search {
        HWND owner;
        std::vector<HWND> found;
    } search{owner, {}};
    EnumWindows(
        [](HWND hwnd, LPARAM lParam) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(lParam);
            if (GetWindow(hwnd, GW_OWNER) == s.owner)
                s.found.push_back(hwnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

DWORD exitCodeOf(HANDLE process)
{
    DWORD code = 0;
    EXPECT_TRUE(GetExitCodeProcess(process, &code));
    return code;
}

// Runs `steps` on a device thread. Such a thread holds the virtual clock while it runs (a host
// thread does not), so time moves only when it waits, and it sees what happens in between.
void onDeviceThread(const std::function<void()>& steps)
{
    HANDLE thread = CreateThread(
        nullptr, 0,
        [](LPVOID parameter) -> DWORD {
            (*static_cast<const std::function<void()>*>(parameter))();
            return 0;
        },
        const_cast<std::function<void()>*>(&steps), 0, nullptr);
    ASSERT_NE(thread, nullptr);
    EXPECT_EQ(WaitForSingleObject(thread, INFINITE), WAIT_OBJECT_0);
    CloseHandle(thread);
}

TEST(SimulatedWindows, WindowsAreFoundByClassAndTitleAndBelongToTheirProgram)
{
    TestDevice device(profileWith({{"program.notes",
                                    {{"AtBoot", "1"},
                                     {"Window1", "NotesMain|Notes|0x10000000|0"},
                                     {"Window2", "NotesTools|Tools|0x10000000|0|notesmain"}}}}));
    const DWORD notes = processNamed(u"notes.exe").th32ProcessID;
    struct Case {
        const char* name;
        const char16_t* className;
        const char16_t* title;
        const char16_t* text;
        const char16_t* ownerClass;
    } cases[] = {
        {"class and title", u"NotesMain", u"Notes", u"Notes", nullptr},
        {"class in another case", u"notesmain", nullptr, u"Notes", nullptr},
        {"title alone", nullptr, u"Tools", u"Tools", u"NotesMain"},
        {"an owned window", u"NotesTools", u"Tools", u"Tools", u"NotesMain"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HWND hwnd = FindWindowW(c.className, c.title);
        ASSERT_NE(hwnd, nullptr);
        EXPECT_EQ(processOf(hwnd), notes);
        EXPECT_EQ(windowText(hwnd), c.text);
        EXPECT_EQ(GetWindowTextLengthW(hwnd), static_cast<int>(std::u16string(c.text).size()));
        EXPECT_EQ(GetWindow(hwnd, GW_OWNER), c.ownerClass ? FindWindowW(c.ownerClass, nullptr) : nullptr);
        RECT rect{};
        EXPECT_TRUE(GetWindowRect(hwnd, &rect));
        EXPECT_EQ(rect.right - rect.left, GetSystemMetrics(SM_CXSCREEN));
        EXPECT_EQ(rect.bottom - rect.top, GetSystemMetrics(SM_CYSCREEN));
        const LRESULT icon = SendMessageW(hwnd, WM_GETICON, 0, 0);
        EXPECT_NE(icon, 0);
        EXPECT_EQ(SendMessageW(hwnd, WM_GETICON, 0, 0), icon);
    }
    EXPECT_EQ(FindWindowW(u"NotesMain", u"Tools"), nullptr);
}

TEST(SimulatedWindows, TheWindowThreadIsTheFirstDescribedThread)
{
    TestDevice device(profileWith({program("busy", "Busy", {{"AtBoot", "1"}, {"Threads", "3"}})}));
    const PROCESSENTRY32W busy = processNamed(u"busy.exe");
    EXPECT_EQ(busy.cntThreads, 3u);
    HWND hwnd = FindWindowW(u"busy", u"Busy");
    ASSERT_NE(hwnd, nullptr);
    const auto threads = threadsOf(busy.th32ProcessID);
    ASSERT_EQ(threads.size(), 3u);
    EXPECT_EQ(threads[0], GetWindowThreadProcessId(hwnd, nullptr));
}

TEST(SimulatedWindows, CloseIsAnsweredAsDescribed)
{
    constexpr DWORD never = INFINITE;
    struct Case {
        const char* onClose;
        DWORD endsAfterMs;
    } cases[] = {
        {"close", 0},
        {"after:500", 500},
        {"ignore", never},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.onClose);
        TestDevice device(profileWith({program("viewer", "Viewer", {{"OnClose", c.onClose}})}));
        PROCESS_INFORMATION info = start(u"\\Windows\\viewer.exe");
        // The windows exist once CreateProcessW returns.
        HWND hwnd = FindWindowW(u"viewer", u"Viewer");
        ASSERT_NE(hwnd, nullptr);
        EXPECT_EQ(processOf(hwnd), info.dwProcessId);

        onDeviceThread([&] {
            const DWORD start = GetTickCount();
            EXPECT_EQ(SendMessageW(hwnd, WM_CLOSE, 0, 0), 0);
            if (c.endsAfterMs == never) {
                EXPECT_EQ(WaitForSingleObject(info.hProcess, 60000), static_cast<DWORD>(WAIT_TIMEOUT));
                EXPECT_TRUE(IsWindow(hwnd));
                return;
            }
            if (c.endsAfterMs > 0) {
                EXPECT_EQ(WaitForSingleObject(info.hProcess, c.endsAfterMs - 1), static_cast<DWORD>(WAIT_TIMEOUT));
                EXPECT_TRUE(IsWindow(hwnd));
            }
            EXPECT_EQ(WaitForSingleObject(info.hProcess, INFINITE), WAIT_OBJECT_0);
            EXPECT_EQ(GetTickCount() - start, c.endsAfterMs);
            EXPECT_EQ(exitCodeOf(info.hProcess), 0u);
            EXPECT_FALSE(IsWindow(hwnd));
            EXPECT_EQ(FindWindowW(u"viewer", nullptr), nullptr);
        });
    }
}

TEST(SimulatedWindows, ASecondCloseDoesNotPutTheDelayedEndOff)
{
    TestDevice device(profileWith({program("player", "Player", {{"OnClose", "after:500"}})}));
    PROCESS_INFORMATION info = start(u"\\Windows\\player.exe");
    HWND hwnd = FindWindowW(u"player", nullptr);
    ASSERT_NE(hwnd, nullptr);
    onDeviceThread([&] {
        const DWORD start = GetTickCount();
        EXPECT_EQ(SendMessageW(hwnd, WM_CLOSE, 0, 0), 0);
        Sleep(300);
        EXPECT_EQ(SendMessageW(hwnd, WM_CLOSE, 0, 0), 0);
        EXPECT_EQ(WaitForSingleObject(info.hProcess, INFINITE), WAIT_OBJECT_0);
        EXPECT_EQ(GetTickCount() - start, 500u);
    });
}

// A program that answers WM_CLOSE with its OK dialog, asked to close: the dialog, or null.
struct DialogProgram {
    TestDevice device{profileWith({program("pword", "Word", {{"OnClose", "dialog"}})})};
    PROCESS_INFORMATION info = start(u"\\Windows\\pword.exe");
    HWND main = FindWindowW(u"pword", u"Word");

    HWND askToClose()
    {
        SendMessageW(main, WM_CLOSE, 0, 0);
        auto owned = windowsOwnedBy(main);
        return owned.size() == 1 ? owned[0] : nullptr;
    }
};

TEST(SimulatedWindows, CloseDialogKeepsTheProgramUntilOk)
{
    DialogProgram program;
    ASSERT_NE(program.main, nullptr);
    HWND dialog = program.askToClose();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(processOf(dialog), program.info.dwProcessId);
    EXPECT_EQ(windowText(dialog), u"Word");
    EXPECT_FALSE(IsWindowEnabled(program.main));  // modal: its owner takes no input

    // Neither a second WM_CLOSE nor closing the dialog itself answers it.
    EXPECT_EQ(program.askToClose(), dialog);
    SendMessageW(dialog, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(program.info.hProcess, 60000), static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_TRUE(IsWindow(dialog));

    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_EQ(WaitForSingleObject(program.info.hProcess, INFINITE), WAIT_OBJECT_0);
    EXPECT_EQ(exitCodeOf(program.info.hProcess), 0u);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_FALSE(IsWindow(program.main));
}

TEST(SimulatedWindows, CloseDialogClosesOnATapOnItsOkButton)
{
    DialogProgram program;
    HWND dialog = program.askToClose();
    ASSERT_NE(dialog, nullptr);
    HWND ok = GetDlgItem(dialog, IDOK);
    if (!ok)
        GTEST_SKIP() << "the BUTTON class is not in this build yet";
    SendMessageW(ok, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(ok, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(WaitForSingleObject(program.info.hProcess, INFINITE), WAIT_OBJECT_0);
    EXPECT_EQ(exitCodeOf(program.info.hProcess), 0u);
}

TEST(SimulatedWindows, HibernateGivesBackTheDescribedBytesOnce)
{
    struct Case {
        const char* bytes;
        DWORD released;
    } cases[] = {{"40000", 40000}, {"0", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        TestDevice device(profileWith({program(
            "notes", "Notes", {{"AtBoot", "1"}, {"Heap", "default:100000:0"}, {"HibernateBytes", c.bytes}})}));
        const DWORD notes = processNamed(u"notes.exe").th32ProcessID;
        HWND hwnd = FindWindowW(u"notes", nullptr);
        ASSERT_NE(hwnd, nullptr);
        const SIZE_T available = availablePhysical();
        const ULONGLONG shown = memoryShownFor(notes);
        EXPECT_EQ(SendMessageW(hwnd, WM_HIBERNATE, 0, 0), 0);
        EXPECT_EQ(availablePhysical(), available + c.released);
        EXPECT_EQ(memoryShownFor(notes), shown - c.released);
        SendMessageW(hwnd, WM_HIBERNATE, 0, 0);
        EXPECT_EQ(availablePhysical(), available + c.released);
    }
}

TEST(SimulatedWindows, AHungProgramDoesNotAnswerSends)
{
    struct Case {
        const char* name;
        const char16_t* className;
        UINT flags;
        DWORD idleFirstMs;  // how long the clock runs before the send
        bool answered;
        DWORD elapsedMs;  // the send's own time
    } cases[] = {
        {"hung: the time-out passes", u"stuck", SMTO_NORMAL, 0, false, 2000},
        {"hung, not yet judged so: the time-out passes", u"stuck", SMTO_ABORTIFHUNG, 0, false, 2000},
        {"hung for 5 s: no wait at all", u"stuck", SMTO_ABORTIFHUNG, 5000, false, 0},
        {"waiting for messages is not hung", u"awake", SMTO_ABORTIFHUNG, 5000, true, 0},
    };
    TestDevice device(profileWith(
        {program("awake", "Awake", {{"AtBoot", "1"}}), program("stuck", "Stuck", {{"AtBoot", "1"}, {"Hung", "1"}})}));
    onDeviceThread([&] {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            HWND hwnd = FindWindowW(c.className, nullptr);
            ASSERT_NE(hwnd, nullptr);
            Sleep(c.idleFirstMs);
            const DWORD start = GetTickCount();
            DWORD_PTR result = 0;
            SetLastError(0);
            EXPECT_EQ(SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, c.flags, 2000, &result), c.answered ? 1 : 0);
            EXPECT_EQ(GetTickCount() - start, c.elapsedMs);
            if (c.answered)
                EXPECT_EQ(result, 5u);
            else
                EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_TIMEOUT));
        }
    });
    // Started last, it gave the activation back before it stopped, so new windows need no answer
    // from it.
    EXPECT_EQ(GetActiveWindow(), FindWindowW(u"awake", nullptr));
}

TEST(SimulatedWindows, TheWindowThreadEndsWithItsProcess)
{
    struct Case {
        const char* name;
        Entries keys;
    } cases[] = {
        {"a program that answers", {{"AtBoot", "1"}}},
        {"a hung program", {{"AtBoot", "1"}, {"Hung", "1"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TestDevice device(profileWith({program("notes", "Notes", c.keys)}));
        HWND hwnd = FindWindowW(u"notes", nullptr);
        ASSERT_NE(hwnd, nullptr);

        // A soft reset ends it and starts it again with new windows.
        const DWORD before = processOf(hwnd);
        ASSERT_TRUE(emulator::softResetDevice().done);
        EXPECT_FALSE(IsWindow(hwnd));
        hwnd = FindWindowW(u"notes", nullptr);
        ASSERT_NE(hwnd, nullptr);
        EXPECT_NE(processOf(hwnd), before);

        HANDLE process = OpenProcess(PROCESS_ALL_ACCESS, FALSE, processOf(hwnd));
        ASSERT_NE(process, nullptr);
        EXPECT_TRUE(TerminateProcess(process, 7));
        EXPECT_EQ(WaitForSingleObject(process, INFINITE), WAIT_OBJECT_0);
        EXPECT_EQ(exitCodeOf(process), 7u);
        EXPECT_FALSE(IsWindow(hwnd));
        CloseHandle(process);

        // A reboot finds it running again; the device's shutdown ends it.
        device.reboot();
        EXPECT_NE(FindWindowW(u"notes", nullptr), nullptr);
    }
}

}  // namespace
