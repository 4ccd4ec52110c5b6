// Message boxes answered by the test responder and by their buttons from another thread; the
// sounds they ask for; the wait cursor; windows at a point.
#include <gtest/gtest.h>

#include <thread>

#include "TestDevice.h"
#include "emulator/UserInterface.h"
#include "windows.h"

namespace {

class MessageBoxTest : public ::testing::Test {
protected:
    void TearDown() override { emulator::setMessageBoxResponder({}); }
    testing_support::TestDevice dev;
};

TEST_F(MessageBoxTest, TheResponderAnswersAndSeesTextCaptionAndType)
{
    emulator::MessageBoxShown seen;
    emulator::setMessageBoxResponder([&](const emulator::MessageBoxShown& shown) {
        seen = shown;
        return IDNO;
    });
    EXPECT_EQ(MessageBoxW(nullptr, u"Delete 3 files?", u"Kelvara", MB_YESNO | MB_ICONQUESTION), IDNO);
    EXPECT_EQ(seen.text, u"Delete 3 files?");
    EXPECT_EQ(seen.caption, u"Kelvara");
    EXPECT_EQ(seen.type, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(emulator::takeMessageBeeps(), std::vector<UINT> {MB_ICONQUESTION});
    EXPECT_TRUE(emulator::takeMessageBeeps().empty());
}

// Answers the box titled `caption` by sending it a command as a tap on a button would; 0
// when no such box appeared.
struct Answerer {
    std::thread thread;
    HWND box = nullptr;
    std::u16string buttonText;
    Answerer(const char16_t* caption, WPARAM command)
    {
        thread = std::thread([this, caption, command] {
            for (int i = 0; i < 100000 && !(box && IsWindowVisible(box)); ++i) {
                box = FindWindowW(u"MessageBox", caption);
                std::this_thread::yield();
            }
            if (!box)
                return;
            WCHAR text[32] {};
            GetDlgItemTextW(box, LOWORD(command), text, 32);
            buttonText = text;
            PostMessageW(box, WM_COMMAND, command, 0);
        });
    }
    ~Answerer() { thread.join(); }
};

TEST_F(MessageBoxTest, ButtonsAnswerAndEscapeOnlyWhereThereIsCancelOrOnlyOk)
{
    struct Case {
        UINT type;
        WPARAM command;
        int answer;
        const char16_t* button; // the text of the button with the command's id, empty when none
    };
    const Case cases[] = {
        {MB_OK, IDOK, IDOK, u"OK"},
        {MB_OK, IDCANCEL, IDOK, u""}, // Escape or closing a box with only OK is OK
        {MB_YESNO, IDYES, IDYES, u"Yes"},
        {MB_OKCANCEL, IDCANCEL, IDCANCEL, u"Cancel"},
        {MB_ABORTRETRYIGNORE, IDIGNORE, IDIGNORE, u"Ignore"},
        {MB_ABORTRETRYIGNORE, IDRETRY, IDRETRY, u"Retry"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type * 100 + c.command);
        int answer = 0;
        {
            Answerer answerer(u"Question", c.command);
            answer = MessageBoxW(nullptr, u"Go on?", u"Question", c.type);
        }
        EXPECT_EQ(answer, c.answer);
    }
}

TEST_F(MessageBoxTest, ABoxDisablesItsOwnerAndHoldsItsTextInAStatic)
{
    HWND owner = CreateWindowExW(0, u"STATIC", u"main", WS_VISIBLE, 0, 0, 240, 320, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(owner, nullptr);
    BOOL ownerEnabled = TRUE;
    std::u16string text;
    std::thread watcher([&] {
        HWND box = nullptr;
        for (int i = 0; i < 100000 && !(box && IsWindowVisible(box)); ++i) {
            box = FindWindowW(u"MessageBox", u"Error");
            std::this_thread::yield();
        }
        if (!box)
            return;
        ownerEnabled = IsWindowEnabled(owner);
        WCHAR buffer[64] {};
        GetDlgItemTextW(box, 0xFFFF, buffer, 64);
        text = buffer;
        PostMessageW(box, WM_KEYDOWN, VK_RETURN, 0);
    });
    // Enter presses the default button: the second with MB_DEFBUTTON2.
    const int answer = MessageBoxW(owner, u"Disk full", nullptr, MB_YESNO | MB_DEFBUTTON2);
    watcher.join();
    EXPECT_EQ(answer, IDNO);
    EXPECT_FALSE(ownerEnabled);
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_EQ(text, u"Disk full");
    DestroyWindow(owner);
}

TEST_F(MessageBoxTest, BadArgumentsFail)
{
    EXPECT_EQ(MessageBoxW(nullptr, u"x", u"y", 0x0F), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(MessageBoxW(reinterpret_cast<HWND>(0x1234), u"x", u"y", MB_OK), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
}

TEST_F(MessageBoxTest, TheWaitCursorIsTheCurrentCursorUntilPutBack)
{
    HCURSOR wait = LoadCursorW(nullptr, IDC_WAIT);
    ASSERT_NE(wait, nullptr);
    EXPECT_EQ(LoadCursorW(nullptr, MAKEINTRESOURCEW(1)), nullptr);
    HCURSOR before = SetCursor(wait);
    EXPECT_EQ(GetCursor(), wait);
    EXPECT_EQ(SetCursor(before), wait);
    EXPECT_EQ(GetCursor(), before);
}

TEST_F(MessageBoxTest, WindowFromPointFindsTheDeepestShownEnabledChild)
{
    HWND top = CreateWindowExW(0, u"STATIC", u"top", WS_VISIBLE, 10, 20, 200, 200, nullptr, nullptr, nullptr, nullptr);
    HWND shown = CreateWindowExW(0, u"STATIC", u"a", WS_CHILD | WS_VISIBLE, 0, 0, 50, 50, top, nullptr, nullptr, nullptr);
    HWND hidden = CreateWindowExW(0, u"STATIC", u"b", WS_CHILD, 60, 0, 50, 50, top, nullptr, nullptr, nullptr);
    HWND disabled = CreateWindowExW(
        0, u"STATIC", u"c", WS_CHILD | WS_VISIBLE | WS_DISABLED, 120, 0, 50, 50, top, nullptr, nullptr, nullptr);
    ASSERT_TRUE(top && shown && hidden && disabled);
    struct Case {
        POINT screen;
        HWND found;
    };
    const Case cases[] = {{{15, 25}, shown}, {{75, 25}, top}, {{135, 25}, top}, {{-5, -5}, nullptr}, {{209, 219}, top}};
    for (const Case& c : cases)
        EXPECT_EQ(WindowFromPoint(c.screen), c.found) << c.screen.x << "," << c.screen.y;
    EXPECT_EQ(ChildWindowFromPoint(top, {65, 5}), hidden); // hidden and disabled count here
    EXPECT_EQ(ChildWindowFromPoint(top, {195, 5}), top);
    EXPECT_EQ(ChildWindowFromPoint(top, {-1, 5}), nullptr);
    DestroyWindow(top);
}

} // namespace
