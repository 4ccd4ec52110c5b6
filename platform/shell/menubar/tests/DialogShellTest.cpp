// Full-screen dialogs and the input panel: SHInitDialog's sizes and flags, the title bar's OK
// button and the dialog's caption on the screen, SHSipPreference and SHFullScreen as the host
// side sees them, and the activation helpers.
#include <gtest/gtest.h>

#include "ScreenPixels.h"
#include "TestDevice.h"
#include "aygshell.h"
#include "ceresource.h"
#include "emulator/Screen.h"
#include "emulator/Shell.h"

namespace {

class DialogShellTest : public ::testing::Test {
protected:
    void SetUp() override { dialog = makeWindow(); }

    static HWND makeWindow(DWORD style = 0, HWND parent = nullptr)
    {
        WNDCLASSW wc {};
        wc.lpfnWndProc = DefWindowProcW;
        wc.lpszClassName = u"PlainDialog";
        RegisterClassW(&wc);
        return CreateWindowExW(
            0, u"PlainDialog", u"Dialog", style, 10, 40, 200, 100, parent, nullptr, nullptr, nullptr);
    }

    static RECT rectOf(HWND hwnd)
    {
        RECT rect {};
        GetWindowRect(hwnd, &rect);
        return rect;
    }

    static BOOL init(HWND hwnd, DWORD flags, DWORD mask = SHIDIM_FLAGS)
    {
        SHINITDLGINFO info {mask, hwnd, flags};
        return SHInitDialog(&info);
    }

    testing_support::TestDevice device;
    HWND dialog = nullptr;
};

void expectRect(const RECT& actual, const RECT& expected, const char* name)
{
    EXPECT_EQ(actual.left, expected.left) << name;
    EXPECT_EQ(actual.top, expected.top) << name;
    EXPECT_EQ(actual.right, expected.right) << name;
    EXPECT_EQ(actual.bottom, expected.bottom) << name;
}

TEST_F(DialogShellTest, SizesTheDialogToTheWorkArea)
{
    struct Case {
        const char* name;
        SIPSTATE sip;
        DWORD flags;
        DWORD mask;
        RECT expected;
    };
    // 240x320: a 26-pixel title bar above, a 26-pixel menu bar below, an 80-pixel input panel.
    const Case cases[] = {
        {"full screen", SIP_DOWN, SHIDIF_SIZEDLGFULLSCREEN, SHIDIM_FLAGS, {0, 26, 240, 294}},
        {"sized, panel down", SIP_DOWN, SHIDIF_SIZEDLG, SHIDIM_FLAGS, {0, 26, 240, 294}},
        {"sized, panel up", SIP_UP, SHIDIF_SIZEDLG, SHIDIM_FLAGS, {0, 26, 240, 214}},
        {"full screen, panel up", SIP_UP, SHIDIF_SIZEDLGFULLSCREEN, SHIDIM_FLAGS, {0, 26, 240, 294}},
        {"no menu bar", SIP_UP, SHIDIF_SIZEDLGFULLSCREEN | SHIDIF_FULLSCREENNOMENUBAR, SHIDIM_FLAGS, {0, 26, 240, 320}},
        {"not sized", SIP_DOWN, SHIDIF_DONEBUTTON, SHIDIM_FLAGS, {10, 40, 210, 140}},
        {"flags not valid", SIP_DOWN, SHIDIF_SIZEDLGFULLSCREEN, 0, {10, 40, 210, 140}},
    };
    for (const Case& c : cases) {
        MoveWindow(dialog, 10, 40, 200, 100, FALSE);
        ASSERT_TRUE(SHSipPreference(dialog, c.sip));
        EXPECT_TRUE(init(dialog, c.flags, c.mask)) << c.name;
        expectRect(rectOf(dialog), c.expected, c.name);
    }
}

TEST(DialogShellScreenTest, WorkAreaScalesWithTheScreen)
{
    emulator::Profile profile = testing_support::smallProfile();
    profile.screenWidth = 480;
    profile.screenHeight = 640;
    profile.screenDpi = 192;
    testing_support::TestDevice device(profile);
    WNDCLASSW wc {};
    wc.lpfnWndProc = DefWindowProcW;
    wc.lpszClassName = u"PlainDialog";
    RegisterClassW(&wc);
    HWND dialog = CreateWindowExW(0, u"PlainDialog", u"", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    SHINITDLGINFO info {SHIDIM_FLAGS, dialog, SHIDIF_SIZEDLGFULLSCREEN | SHIDIF_EMPTYMENU};
    ASSERT_TRUE(SHInitDialog(&info));
    RECT rect {};
    GetWindowRect(dialog, &rect);
    expectRect(rect, {0, 52, 480, 588}, "192 dpi");
    GetWindowRect(SHFindMenuBar(dialog), &rect);
    expectRect(rect, {0, 588, 480, 640}, "its menu bar");
    DestroyWindow(dialog);
}

TEST_F(DialogShellTest, DoneButtonIsTheCaptionOkStyle)
{
    const auto okShown = [&] { return (GetWindowLongW(dialog, GWL_EXSTYLE) & WS_EX_CAPTIONOKBTN) != 0; };
    EXPECT_FALSE(okShown());
    ASSERT_TRUE(init(dialog, SHIDIF_DONEBUTTON | SHIDIF_SIZEDLGFULLSCREEN));
    EXPECT_TRUE(okShown());
    struct Step {
        DWORD state;
        BOOL result;
        bool shown;
    };
    for (const Step s : {Step {SHDB_HIDE, TRUE, false}, Step {SHDB_SHOW, TRUE, true}, Step {7, FALSE, true}}) {
        EXPECT_EQ(SHDoneButton(dialog, s.state), s.result) << s.state;
        EXPECT_EQ(okShown(), s.shown) << s.state;
    }
    EXPECT_FALSE(SHDoneButton(reinterpret_cast<HWND>(0x4321), SHDB_SHOW));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
}

TEST_F(DialogShellTest, EmptyMenuGivesTheDialogABarWithoutButtons)
{
    ASSERT_TRUE(init(dialog, SHIDIF_EMPTYMENU));
    HWND bar = SHFindMenuBar(dialog);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(SendMessageW(bar, TB_BUTTONCOUNT, 0, 0), 0);
    EXPECT_EQ(SendMessageW(bar, SHCMBM_GETMENU, 0, 0), 0);
}

TEST_F(DialogShellTest, InputPanelPreferenceIsRecorded)
{
    EXPECT_EQ(emulator::sipState(), SIP_DOWN) << "down at boot";
    struct Step {
        SIPSTATE asked;
        int state;
    };
    const Step steps[] = {{SIP_UP, SIP_UP}, {SIP_UNCHANGED, SIP_UP}, {SIP_INPUTDIALOG, SIP_UP},
        {SIP_FORCEDOWN, SIP_DOWN}, {SIP_UP, SIP_UP}, {SIP_DOWN, SIP_DOWN}};
    for (const Step s : steps) {
        EXPECT_TRUE(SHSipPreference(dialog, s.asked)) << s.asked;
        EXPECT_EQ(emulator::sipState(), s.state) << s.asked;
    }
    SHSipPreference(dialog, SIP_UP);
    ASSERT_TRUE(init(dialog, SHIDIF_SIPDOWN));
    EXPECT_EQ(emulator::sipState(), SIP_DOWN);

    EXPECT_FALSE(SHSipPreference(dialog, static_cast<SIPSTATE>(9)));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_FALSE(SHSipPreference(nullptr, SIP_UP));
}

TEST_F(DialogShellTest, FullScreenFlagsKeepTheLastSideOfEachPair)
{
    HWND child = makeWindow(WS_CHILD, dialog);
    struct Step {
        HWND requester;
        DWORD flags;
        DWORD recorded;
    };
    const Step steps[] = {
        {dialog, SHFS_HIDETASKBAR | SHFS_HIDESIPBUTTON, SHFS_HIDETASKBAR | SHFS_HIDESIPBUTTON},
        {child, SHFS_SHOWTASKBAR, SHFS_SHOWTASKBAR | SHFS_HIDESIPBUTTON}, // recorded for the top-level window
        {dialog, SHFS_HIDESTARTICON, SHFS_SHOWTASKBAR | SHFS_HIDESIPBUTTON | SHFS_HIDESTARTICON},
    };
    for (const Step& s : steps) {
        EXPECT_TRUE(SHFullScreen(s.requester, s.flags)) << s.flags;
        EXPECT_EQ(emulator::fullScreenFlags(dialog), s.recorded) << s.flags;
    }
    EXPECT_EQ(emulator::fullScreenFlags(makeWindow()), 0u);
    EXPECT_FALSE(SHFullScreen(reinterpret_cast<HWND>(0x4321), SHFS_HIDETASKBAR));
}

TEST_F(DialogShellTest, ActivationHelpersCheckTheirArguments)
{
    SHACTIVATEINFO info {};
    info.cbSize = sizeof info;
    EXPECT_TRUE(SHHandleWMActivate(dialog, WA_ACTIVE, 0, &info, 0));
    EXPECT_TRUE(SHHandleWMSettingChange(dialog, SPI_SETSIPINFO, 0, &info));
    EXPECT_FALSE(SHHandleWMActivate(dialog, WA_ACTIVE, 0, nullptr, 0));
    info.cbSize = 3;
    EXPECT_FALSE(SHHandleWMSettingChange(dialog, SPI_SETSIPINFO, 0, &info));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_FALSE(init(nullptr, SHIDIF_SIZEDLG));
    EXPECT_FALSE(SHInitDialog(nullptr));
}

INT_PTR fullScreenProc(HWND hwnd, UINT message, WPARAM, LPARAM)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    SHINITDLGINFO info {SHIDIM_FLAGS, hwnd, SHIDIF_DONEBUTTON | SHIDIF_SIZEDLGFULLSCREEN};
    return SHInitDialog(&info);
}

TEST_F(DialogShellTest, TheDialogsCaptionAndOkShowInTheTitleBarAboveItsWhiteFace)
{
    const CeDialogTemplate settings {WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 0, 0, 100, 80, u"Settings", nullptr, 0, {}};
    HWND shown = CreateDialogIndirectParamW(nullptr, &settings, nullptr, fullScreenProc, 0);
    ASSERT_NE(shown, nullptr);
    const COLORREF captionText = GetSysColor(COLOR_CAPTIONTEXT);
    const RECT title {26, 0, 150, 26};
    const RECT okButton {214, 0, 240, 26};
    auto screen = screen_pixels::paintedScreen();
    EXPECT_GT(screen_pixels::countOf(screen, title, captionText), 0) << "Settings";
    EXPECT_GT(screen_pixels::countOf(screen, okButton, captionText), 0) << "the OK button";
    EXPECT_EQ(screen_pixels::at(screen, 5, 100), GetSysColor(COLOR_WINDOW)) << "the dialog fills the screen";
    EXPECT_EQ(screen_pixels::at(screen, 235, 290), GetSysColor(COLOR_WINDOW));

    SetWindowTextW(shown, u"");
    screen = screen_pixels::paintedScreen();
    EXPECT_EQ(screen_pixels::countOf(screen, title, captionText), 0) << "no caption";
    DestroyWindow(shown);
}

} // namespace
