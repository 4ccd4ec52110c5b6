// The help viewer program: the topic a command line names, shown in the "peghelp" window's text
// child, which paints it; a second start shows its topic in the open viewer; the program ends
// when its window is closed.
#include <gtest/gtest.h>

#include <fstream>
#include <thread>

#include "../../../resources/tests/ScreenPixels.h"
#include "../HelpViewer.h"
#include "TestDevice.h"
#include "emulator/Screen.h"
#include "windows.h"

namespace {

constexpr char helpFile[] = "<html><body><h1>Kelvara</h1><p>Top.</p>"
                            "<a name=\"main\">Main</a><p>Tap &amp; hold.</p>"
                            "<a name=\"options\">Options</a><p>Set them.</p></body></html>";

class HelpViewerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::create_directories(dev.hostPath(u"\\Windows"));
        std::ofstream(dev.hostPath(u"\\Windows\\Kelvara.htm"), std::ios::binary) << helpFile;
    }

    static std::u16string textOf(HWND hwnd)
    {
        WCHAR text[512] = {};
        GetWindowTextW(hwnd, text, 512);
        return text;
    }

    // Destroys the viewer and takes the WM_QUIT its going posts to this thread.
    static void closeViewer(HWND viewer)
    {
        DestroyWindow(viewer);
        MSG msg;
        EXPECT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    }

    testing_support::TestDevice dev;
};

const std::u16string mainText = u"Main\r\n\r\nTap & hold.";
const std::u16string optionsText = u"Options\r\n\r\nSet them.";
const std::u16string wholeText = u"Kelvara\r\n\r\nTop.\r\n\r\nMain\r\n\r\nTap & hold.\r\n\r\nOptions\r\n\r\nSet them.";

TEST_F(HelpViewerTest, CommandLinesNameAFileInWindowsAndASection)
{
    struct Case {
        const char16_t* commandLine;
        std::u16string text;
    };
    const Case cases[] = {
        {u"file:Kelvara.htm#main", mainText},
        {u"\"file:Kelvara.htm#options\"", optionsText},
        {u"FILE:kelvara.HTM#Options", optionsText},
        {u"Kelvara.htm#main", mainText},
        {u"file:\\Windows\\Kelvara.htm#main", mainText},
        {u"file:Kelvara.htm", wholeText},
        {u"file:Kelvara.htm#", wholeText},
        {u"file:Kelvara.htm#nowhere", wholeText},
        {u"file:Missing.htm#main", u"The help file \\Windows\\Missing.htm could not be opened."},
        {u"", u"The help file \\Windows\\ could not be opened."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ce::shell::helpTopicText(c.commandLine), c.text) << std::string(c.commandLine, c.commandLine + 8);
}

TEST_F(HelpViewerTest, WindowShowsTheTextInItsChild)
{
    HWND viewer = ce::shell::createHelpViewer(u"file:Kelvara.htm#main");
    ASSERT_NE(viewer, nullptr);
    WCHAR className[16] = {};
    GetClassNameW(viewer, className, 16);
    EXPECT_EQ(std::u16string(className), u"peghelp");
    EXPECT_EQ(textOf(viewer), u"Help");
    EXPECT_EQ(GetParent(viewer), nullptr) << "top-level";
    HWND child = GetWindow(viewer, GW_CHILD);
    ASSERT_NE(child, nullptr);
    GetClassNameW(child, className, 16);
    EXPECT_EQ(std::u16string(className), u"peghelpText");
    EXPECT_EQ(textOf(child), mainText);
    RECT viewerRect {}, childRect {};
    GetWindowRect(viewer, &viewerRect);
    GetWindowRect(child, &childRect);
    EXPECT_EQ(viewerRect.top, 26) << "below the title bar";
    EXPECT_EQ(viewerRect.bottom, 320);
    EXPECT_EQ(childRect.top, viewerRect.top);
    EXPECT_EQ(childRect.right, viewerRect.right);
    EXPECT_EQ(childRect.bottom, viewerRect.bottom);
    closeViewer(viewer);
}

TEST_F(HelpViewerTest, TheTextIsPaintedOnWhiteAndRepaintedWhenItChanges)
{
    HWND viewer = ce::shell::createHelpViewer(u"file:Kelvara.htm#main");
    ASSERT_NE(viewer, nullptr);
    ShowWindow(viewer, SW_SHOW);
    const RECT firstLine {0, 26, 120, 44}; // "Main", below the title bar
    const int white = screen_pixels::brightness(GetSysColor(COLOR_WINDOW));
    auto screen = screen_pixels::paintedScreen();
    EXPECT_EQ(screen_pixels::at(screen, 2, 28), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(screen_pixels::at(screen, 200, 300), GetSysColor(COLOR_WINDOW));
    EXPECT_LT(screen_pixels::darkest(screen, firstLine), screen_pixels::brightness(GetSysColor(COLOR_GRAYTEXT)));

    SetWindowTextW(GetWindow(viewer, GW_CHILD), u"");
    screen = screen_pixels::paintedScreen();
    EXPECT_EQ(screen_pixels::darkest(screen, firstLine), white) << "the old text is gone";
    closeViewer(viewer);
}

// What the running viewer showed when the timer looked, before it closed the viewer.
struct Seen {
    std::u16string text;
    bool visible = false;
};
Seen* seen = nullptr;

void lookAndClose(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    HWND viewer = FindWindowW(u"peghelp", nullptr);
    seen->visible = IsWindowVisible(viewer);
    WCHAR text[512] = {};
    GetWindowTextW(GetWindow(viewer, GW_CHILD), text, 512);
    seen->text = text;
    PostMessageW(viewer, WM_CLOSE, 0, 0);
}

TEST_F(HelpViewerTest, ProgramRunsUntilItsWindowIsClosed)
{
    Seen shown;
    seen = &shown;
    ASSERT_NE(SetTimer(nullptr, 0, 50, lookAndClose), 0u);
    WCHAR commandLine[] = u"file:Kelvara.htm#options";
    EXPECT_EQ(ce::shell::helpViewerMain(nullptr, nullptr, commandLine, SW_SHOW), 0);
    EXPECT_EQ(shown.text, optionsText);
    EXPECT_TRUE(shown.visible);
    EXPECT_EQ(FindWindowW(u"peghelp", nullptr), nullptr);
    seen = nullptr;
}

TEST_F(HelpViewerTest, SecondStartShowsItsTopicInTheOpenViewer)
{
    HWND viewer = ce::shell::createHelpViewer(u"file:Kelvara.htm#main");
    WCHAR commandLine[] = u"file:Kelvara.htm#options";
    EXPECT_EQ(ce::shell::helpViewerMain(nullptr, nullptr, commandLine, SW_SHOW), 0) << "returns at once";
    EXPECT_EQ(textOf(GetWindow(viewer, GW_CHILD)), optionsText);
    EXPECT_EQ(GetForegroundWindow(), viewer);
    closeViewer(viewer);
}

TEST_F(HelpViewerTest, PeghelpIsAProgramOfTheDevice)
{
    SetLastError(0);
    PROCESS_INFORMATION started {};
    EXPECT_FALSE(CreateProcessW(u"\\Windows\\peghelp.exe", nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, nullptr, &started));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND)) << "only where its ROM file is";

    std::ofstream(dev.hostPath(u"\\Windows\\peghelp.exe"), std::ios::binary) << "ROM";
    WCHAR commandLine[] = u"file:Kelvara.htm#main";
    ASSERT_TRUE(CreateProcessW(u"peghelp", commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, nullptr, &started))
        << GetLastError();
    HWND viewer = nullptr;
    for (int i = 0; i < 100000 && !(viewer && IsWindowVisible(viewer)); ++i) {
        viewer = FindWindowW(u"peghelp", u"Help"); // shown once its text is in place
        std::this_thread::yield();
    }
    ASSERT_NE(viewer, nullptr);
    DWORD owner = 0;
    GetWindowThreadProcessId(viewer, &owner);
    EXPECT_EQ(owner, started.dwProcessId);
    EXPECT_EQ(textOf(GetWindow(viewer, GW_CHILD)), mainText);
    PostMessageW(viewer, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(started.hProcess, INFINITE), WAIT_OBJECT_0);
    DWORD exitCode = 1;
    EXPECT_TRUE(GetExitCodeProcess(started.hProcess, &exitCode));
    EXPECT_EQ(exitCode, 0U);
    CloseHandle(started.hProcess);
    CloseHandle(started.hThread);
}

} // namespace
