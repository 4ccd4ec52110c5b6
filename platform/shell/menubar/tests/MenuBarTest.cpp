// The menu bar: SHCreateMenuBar's window and its flags, the buttons the toolbar messages report
// and change, taps that send a command or open a popup whose choice reaches the parent, and what
// the bar shows on the screen.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <mutex>
#include <vector>

#include "ActionThread.h"
#include "MenuBarIds.h"
#include "ScreenPixels.h"
#include "TestDevice.h"
#include "aygshell.h"
#include "emulator/Screen.h"
#include "emulator/Shell.h"
#include "shell/menubar/ShellMetrics.h"

namespace {

// What the parent window received; it sets `popupOpen` when told a popup is about to open.
struct ParentLog {
    std::mutex lock;
    std::vector<MSG> received;
    HANDLE popupOpen = nullptr;
};
ParentLog* parentLog = nullptr;

LRESULT parentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND || message == WM_INITMENUPOPUP) {
        std::lock_guard guard(parentLog->lock);
        parentLog->received.push_back({hwnd, message, wParam, lParam, 0, {0, 0}});
    }
    if (message == WM_INITMENUPOPUP)
        SetEvent(parentLog->popupOpen);
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

class MenuBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::path target = device.hostPath(u"\\Windows\\MenuBarResources.dll");
        std::filesystem::create_directories(target.parent_path());
        std::filesystem::copy_file(MENU_BAR_RESOURCES_IMAGE, target, std::filesystem::copy_options::overwrite_existing);
        module = LoadLibraryW(u"MenuBarResources.dll");
        ASSERT_NE(module, nullptr) << GetLastError();
        log.popupOpen = CreateEventW(nullptr, FALSE, FALSE, nullptr);
        parentLog = &log;
        WNDCLASSW wc {};
        wc.lpfnWndProc = parentProc;
        wc.lpszClassName = u"BarParent";
        ASSERT_NE(RegisterClassW(&wc), 0);
        parent = CreateWindowExW(
            0, u"BarParent", u"Main", WS_VISIBLE, 0, 26, 240, 268, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(parent, nullptr);
    }
    void TearDown() override
    {
        if (IsWindow(parent))
            DestroyWindow(parent);
        FreeLibrary(module);
        CloseHandle(log.popupOpen);
        parentLog = nullptr;
    }

    SHMENUBARINFO barInfo(UINT id, DWORD flags = 0)
    {
        SHMENUBARINFO info {};
        info.cbSize = sizeof info;
        info.hwndParent = parent;
        info.dwFlags = flags;
        info.nToolBarId = id;
        info.hInstRes = module;
        return info;
    }

    HWND makeBar(UINT id)
    {
        SHMENUBARINFO info = barInfo(id);
        EXPECT_TRUE(SHCreateMenuBar(&info)) << GetLastError();
        return info.hwndMB;
    }

    // A tap at x on the bar, as the stylus gives it; the bar's answers run on this thread.
    void tap(HWND bar, int x)
    {
        PostMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, 10));
        PostMessageW(bar, WM_LBUTTONUP, 0, MAKELPARAM(x, 10));
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
    }

    // The (id, lParam) of the WM_COMMAND messages the parent got since the last call.
    std::vector<std::pair<UINT, LPARAM>> commands()
    {
        std::lock_guard guard(log.lock);
        std::vector<std::pair<UINT, LPARAM>> found;
        for (const MSG& m : log.received) {
            if (m.message == WM_COMMAND)
                found.emplace_back(LOWORD(m.wParam), m.lParam);
        }
        log.received.clear();
        return found;
    }

    testing_support::TestDevice device;
    HMODULE module = nullptr;
    ParentLog log;
    HWND parent = nullptr;
};

TEST_F(MenuBarTest, MakesATopLevelBarAtTheBottomOwnedByTheParent)
{
    HWND bar = makeBar(IDR_TWO_BUTTONS);
    ASSERT_NE(bar, nullptr);
    WCHAR className[16] = {};
    GetClassNameW(bar, className, 16);
    EXPECT_EQ(std::u16string(className), u"menu_worker");
    RECT rect {};
    GetWindowRect(bar, &rect);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 320 - 26);
    EXPECT_EQ(rect.right, 240);
    EXPECT_EQ(rect.bottom, 320);
    EXPECT_EQ(GetWindow(bar, GW_OWNER), parent);
    EXPECT_EQ(GetParent(bar), parent) << "a top-level window's owner";
    EXPECT_TRUE(IsWindowVisible(bar));
    EXPECT_EQ(SHFindMenuBar(parent), bar);
    EXPECT_EQ(SHFindMenuBar(bar), nullptr);

    DestroyWindow(parent);
    EXPECT_FALSE(IsWindow(bar)) << "goes with its owner";
}

TEST_F(MenuBarTest, FlagsChooseTheMenuAndVisibility)
{
    HMENU own = CreateMenu();
    AppendMenuW(own, MF_STRING, 7, u"Seven");
    struct Case {
        const char* name;
        UINT id;
        DWORD flags;
        int buttons;
        bool visible;
    };
    const Case cases[] = {
        {"resource", IDR_THREE_BUTTONS, 0, 3, true},
        {"hidden", IDR_TWO_BUTTONS, SHCMBF_HIDDEN, 2, false},
        {"empty", IDR_MISSING, SHCMBF_EMPTYBAR, 0, true},
        {"menu handle", static_cast<UINT>(reinterpret_cast<UINT_PTR>(own)), SHCMBF_HMENU | SHCMBF_HIDESIPBUTTON, 1,
            true},
    };
    for (const Case& c : cases) {
        SHMENUBARINFO info = barInfo(c.id, c.flags);
        ASSERT_TRUE(SHCreateMenuBar(&info)) << c.name;
        EXPECT_EQ(SendMessageW(info.hwndMB, TB_BUTTONCOUNT, 0, 0), c.buttons) << c.name;
        EXPECT_EQ(IsWindowVisible(info.hwndMB) != FALSE, c.visible) << c.name;
        DestroyWindow(info.hwndMB);
    }
    EXPECT_EQ(GetMenuItemCount(own), 1) << "a menu given by handle stays the caller's";
    DestroyMenu(own);
}

TEST_F(MenuBarTest, BadRequestsFail)
{
    struct Case {
        const char* name;
        std::function<void(SHMENUBARINFO&)> spoil;
        DWORD error;
    };
    const Case cases[] = {
        {"missing resource", [](SHMENUBARINFO& i) { i.nToolBarId = IDR_MISSING; }, ERROR_RESOURCE_NAME_NOT_FOUND},
        {"no parent", [](SHMENUBARINFO& i) { i.hwndParent = reinterpret_cast<HWND>(0x4321); },
            ERROR_INVALID_WINDOW_HANDLE},
        {"small size", [](SHMENUBARINFO& i) { i.cbSize = 8; }, ERROR_INVALID_PARAMETER},
        {"bad menu handle",
            [](SHMENUBARINFO& i) {
                i.dwFlags = SHCMBF_HMENU;
                i.nToolBarId = 0x1234;
            },
            ERROR_INVALID_MENU_HANDLE},
    };
    for (const Case& c : cases) {
        SHMENUBARINFO info = barInfo(IDR_TWO_BUTTONS);
        c.spoil(info);
        EXPECT_FALSE(SHCreateMenuBar(&info)) << c.name;
        EXPECT_EQ(GetLastError(), c.error) << c.name;
        EXPECT_EQ(info.hwndMB, nullptr) << c.name;
    }
    EXPECT_FALSE(SHCreateMenuBar(nullptr));
    EXPECT_EQ(SHFindMenuBar(parent), nullptr);
}

TEST_F(MenuBarTest, ButtonsReportTheMenusTopLevelItems)
{
    HWND bar = makeBar(IDR_THREE_BUTTONS);
    const auto menu = reinterpret_cast<HMENU>(SendMessageW(bar, SHCMBM_GETMENU, 0, 0));
    ASSERT_NE(menu, nullptr);
    HMENU edit = GetSubMenu(menu, 1);
    ASSERT_NE(edit, nullptr);
    struct Expected {
        int id;
        BYTE state;
        BYTE style;
        DWORD_PTR data;
    };
    const Expected expected[] = {
        {IDM_DONE, TBSTATE_ENABLED, TBSTYLE_BUTTON | TBSTYLE_AUTOSIZE, 0},
        {IDM_EDIT, TBSTATE_ENABLED, TBSTYLE_DROPDOWN | TBSTYLE_AUTOSIZE, reinterpret_cast<DWORD_PTR>(edit)},
        {IDM_ABOUT, 0, TBSTYLE_BUTTON | TBSTYLE_AUTOSIZE, 0},
    };
    for (int i = 0; i < 3; ++i) {
        TBBUTTON button {};
        ASSERT_TRUE(SendMessageW(bar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button))) << i;
        EXPECT_EQ(button.idCommand, expected[i].id) << i;
        EXPECT_EQ(button.fsState, expected[i].state) << i;
        EXPECT_EQ(button.fsStyle, expected[i].style) << i;
        EXPECT_EQ(button.dwData, expected[i].data) << i;
        EXPECT_EQ(SendMessageW(bar, TB_COMMANDTOINDEX, expected[i].id, 0), i);
    }
    TBBUTTON none {};
    EXPECT_FALSE(SendMessageW(bar, TB_GETBUTTON, 3, reinterpret_cast<LPARAM>(&none)));
    EXPECT_EQ(SendMessageW(bar, SHCMBM_GETSUBMENU, 0, IDM_EDIT), reinterpret_cast<LRESULT>(edit));
    EXPECT_EQ(SendMessageW(bar, SHCMBM_GETSUBMENU, 0, IDM_DONE), 0);

    HMENU replacement = CreatePopupMenu();
    EXPECT_EQ(SendMessageW(bar, SHCMBM_SETSUBMENU, IDM_EDIT, reinterpret_cast<LPARAM>(replacement)),
        reinterpret_cast<LRESULT>(edit));
    EXPECT_EQ(SendMessageW(bar, SHCMBM_GETSUBMENU, 0, IDM_EDIT), reinterpret_cast<LRESULT>(replacement));
    DestroyMenu(replacement);
}

TEST_F(MenuBarTest, StateMessagesChangeOneButton)
{
    HWND bar = makeBar(IDR_THREE_BUTTONS);
    struct Step {
        UINT message;
        WPARAM id;
        LPARAM lParam;
        LRESULT answer;
        LRESULT stateAfter; // TB_GETSTATE of the button afterwards
    };
    const Step steps[] = {
        {TB_ENABLEBUTTON, IDM_ABOUT, TRUE, TRUE, TBSTATE_ENABLED},
        {TB_CHECKBUTTON, IDM_ABOUT, TRUE, TRUE, TBSTATE_ENABLED | TBSTATE_CHECKED},
        {TB_ENABLEBUTTON, IDM_ABOUT, FALSE, TRUE, TBSTATE_CHECKED},
        {TB_SETSTATE, IDM_ABOUT, TBSTATE_ENABLED | TBSTATE_PRESSED, TRUE, TBSTATE_ENABLED | TBSTATE_PRESSED},
        {TB_SETSTATE, 999, TBSTATE_ENABLED, FALSE, TBSTATE_ENABLED | TBSTATE_PRESSED},
        {TB_ENABLEBUTTON, 999, TRUE, FALSE, TBSTATE_ENABLED | TBSTATE_PRESSED},
    };
    for (const Step& s : steps) {
        EXPECT_EQ(SendMessageW(bar, s.message, s.id, s.lParam), s.answer) << s.message << " " << s.id;
        EXPECT_EQ(SendMessageW(bar, TB_GETSTATE, IDM_ABOUT, 0), s.stateAfter) << s.message << " " << s.id;
    }
    EXPECT_EQ(SendMessageW(bar, TB_GETSTATE, 999, 0), -1);
    EXPECT_TRUE(SendMessageW(bar, TB_ISBUTTONENABLED, IDM_DONE, 0));
    EXPECT_FALSE(SendMessageW(bar, TB_ISBUTTONENABLED, 999, 0));
}

TEST_F(MenuBarTest, ButtonInfoReadsAndChangesTheText)
{
    HWND bar = makeBar(IDR_TWO_BUTTONS);
    WCHAR text[16] = {};
    TBBUTTONINFOW info {};
    info.cbSize = sizeof info;
    info.dwMask = TBIF_TEXT | TBIF_COMMAND | TBIF_STATE | TBIF_SIZE;
    info.pszText = text;
    info.cchText = 16;
    EXPECT_EQ(SendMessageW(bar, TB_GETBUTTONINFOW, IDM_MENU, reinterpret_cast<LPARAM>(&info)), 1);
    EXPECT_EQ(std::u16string(text), u"Menu") << "shown without the mnemonic marker";
    EXPECT_EQ(info.idCommand, IDM_MENU);
    EXPECT_EQ(info.fsState, TBSTATE_ENABLED);
    EXPECT_EQ(info.cx, 120) << "half of the bar";

    TBBUTTONINFOW change {};
    change.cbSize = sizeof change;
    change.dwMask = TBIF_TEXT;
    WCHAR finish[] = u"Finish";
    change.pszText = finish;
    EXPECT_TRUE(SendMessageW(bar, TB_SETBUTTONINFOW, IDM_DONE, reinterpret_cast<LPARAM>(&change)));
    info.dwMask = TBIF_TEXT;
    info.cchText = 4;
    EXPECT_EQ(SendMessageW(bar, TB_GETBUTTONINFOW, IDM_DONE, reinterpret_cast<LPARAM>(&info)), 0);
    EXPECT_EQ(std::u16string(text), u"Fin") << "cut to the buffer";

    EXPECT_EQ(SendMessageW(bar, TB_GETBUTTONINFOW, 999, reinterpret_cast<LPARAM>(&info)), -1);
    info.cbSize = 4;
    EXPECT_EQ(SendMessageW(bar, TB_GETBUTTONINFOW, IDM_DONE, reinterpret_cast<LPARAM>(&info)), -1);
    EXPECT_FALSE(SendMessageW(bar, TB_SETBUTTONINFOW, IDM_DONE, reinterpret_cast<LPARAM>(&info)));
}

TEST_F(MenuBarTest, TapsOnPlainButtonsSendTheirCommandToTheParent)
{
    HWND bar = makeBar(IDR_THREE_BUTTONS); // thirds of 240: 0-79, 80-159, 160-239
    struct Case {
        int x;
        std::vector<std::pair<UINT, LPARAM>> sent;
    };
    const LPARAM from = reinterpret_cast<LPARAM>(bar);
    const Case cases[] = {
        {0, {{IDM_DONE, from}}}, {79, {{IDM_DONE, from}}}, {200, {}}, // About is grayed
        {300, {}}, // past the bar
    };
    for (const Case& c : cases) {
        tap(bar, c.x);
        EXPECT_EQ(commands(), c.sent) << c.x;
    }
    // Stylus down on one button and up on another is no tap.
    SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    SendMessageW(bar, WM_LBUTTONUP, 0, MAKELPARAM(170, 10));
    EXPECT_TRUE(commands().empty());

    SendMessageW(bar, TB_HIDEBUTTON, IDM_EDIT, TRUE); // Done and About share the bar now
    SendMessageW(bar, TB_ENABLEBUTTON, IDM_ABOUT, TRUE);
    tap(bar, 130);
    EXPECT_EQ(commands(), (std::vector<std::pair<UINT, LPARAM>> {{IDM_ABOUT, from}}));
}

TEST_F(MenuBarTest, TapOnAPopupButtonOpensItsMenuAndTheChoiceReachesTheParent)
{
    HWND bar = makeBar(IDR_TWO_BUTTONS);
    const auto menu = reinterpret_cast<HMENU>(SendMessageW(bar, SHCMBM_GETMENU, 0, 0));
    emulator::PopupMenuInfo seen;
    RECT popupRect {};
    LRESULT pressedState = 0;
    {
        ActionThread driver(log.popupOpen, [&] {
            seen = emulator::openPopupMenu();
            GetWindowRect(seen.window, &popupRect);
            pressedState = SendMessageW(bar, TB_GETSTATE, IDM_MENU, 0);
            EXPECT_FALSE(emulator::choosePopupItem(u"About")) << "grayed";
            EXPECT_TRUE(emulator::choosePopupItem(u"Copy"));
        });
        tap(bar, 200);
    }

    EXPECT_EQ(seen.owner, parent);
    EXPECT_EQ(seen.menu, GetSubMenu(menu, 1));
    EXPECT_EQ(popupRect.left, 120) << "from the button's left edge";
    EXPECT_EQ(popupRect.bottom, 320 - 26) << "up from the bar's top";
    EXPECT_EQ(pressedState, TBSTATE_ENABLED | TBSTATE_PRESSED) << "pressed while open";
    EXPECT_EQ(SendMessageW(bar, TB_GETSTATE, IDM_MENU, 0), TBSTATE_ENABLED);
    EXPECT_EQ(commands(), (std::vector<std::pair<UINT, LPARAM>> {{IDM_COPY, 0}})) << "posted as a menu command";
}

// ---- Painting ----------------------------------------------------------------------------------

using screen_pixels::at;
using screen_pixels::brightness;
using screen_pixels::countOf;
using screen_pixels::darkest;
using screen_pixels::paintedScreen;

// The bar of 240x320 starts at 294 with its line; a button's part without the line.
RECT partOf(int left, int right)
{
    return {left, 295, right, 320};
}

TEST_F(MenuBarTest, TheBarShowsItsFaceTopLineAndButtonTexts)
{
    makeBar(IDR_THREE_BUTTONS); // Done 0-79, Edit 80-159, About 160-239 (grayed)
    const auto screen = paintedScreen();
    EXPECT_EQ(at(screen, 2, 294), ce::shell::menuBarLine);
    EXPECT_EQ(at(screen, 239, 294), ce::shell::menuBarLine);
    EXPECT_EQ(at(screen, 2, 296), ce::shell::menuBarFace);
    EXPECT_EQ(at(screen, 239, 319), ce::shell::menuBarFace);
    const int grey = brightness(GetSysColor(COLOR_GRAYTEXT));
    EXPECT_LT(darkest(screen, partOf(0, 80)), grey) << "Done in black";
    EXPECT_LT(darkest(screen, partOf(80, 160)), grey) << "Edit in black";
    const int about = darkest(screen, partOf(160, 240));
    EXPECT_GE(about, grey) << "About, grayed, in grey";
    EXPECT_LT(about, brightness(ce::shell::menuBarFace)) << "but shown";
    EXPECT_EQ(darkest(screen, {2, 296, 10, 320}), brightness(ce::shell::menuBarFace))
        << "text centred, not at the edge";
}

TEST_F(MenuBarTest, PressedCheckedAndHiddenButtonsShowTheirState)
{
    HWND bar = makeBar(IDR_THREE_BUTTONS);
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    const COLORREF highlightText = GetSysColor(COLOR_HIGHLIGHTTEXT);
    struct Step {
        const char* name;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        int x; // a point of the button's part looked at, clear of its text
        COLORREF face;
        RECT textPart; // where the button's text should show in highlight text, or empty
    };
    const Step steps[] = {
        {"pressed", TB_PRESSBUTTON, IDM_DONE, TRUE, 2, highlight, partOf(0, 80)},
        {"released", TB_PRESSBUTTON, IDM_DONE, FALSE, 2, ce::shell::menuBarFace, {}},
        {"checked", TB_CHECKBUTTON, IDM_EDIT, TRUE, 82, highlight, partOf(80, 160)},
        {"stylus down", WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10), 2, highlight, partOf(0, 80)},
        {"stylus up elsewhere", WM_LBUTTONUP, 0, MAKELPARAM(200, 10), 2, ce::shell::menuBarFace, {}},
        {"stylus down on a grayed one", WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(200, 10), 162, ce::shell::menuBarFace,
            {}},
        {"stylus up", WM_LBUTTONUP, 0, MAKELPARAM(200, 10), 162, ce::shell::menuBarFace, {}},
        // Done and About share the bar: Edit's checked face is gone, About starts at 120.
        {"hidden", TB_HIDEBUTTON, IDM_EDIT, TRUE, 82, ce::shell::menuBarFace, {}},
    };
    for (const Step& s : steps) {
        SendMessageW(bar, s.message, s.wParam, s.lParam);
        const auto screen = paintedScreen();
        EXPECT_EQ(at(screen, s.x, 297), s.face) << s.name;
        if (s.textPart.right > 0) {
            EXPECT_GT(countOf(screen, s.textPart, highlightText), 0) << s.name << ": the text inverted";
        }
    }
    const auto screen = paintedScreen();
    EXPECT_EQ(darkest(screen, partOf(80, 118)), brightness(ce::shell::menuBarFace)) << "no text where Edit was";
}

TEST_F(MenuBarTest, ColourFlagChoosesTheFace)
{
    SHMENUBARINFO info = barInfo(IDR_TWO_BUTTONS, SHCMBF_COLORBK);
    info.clrBk = RGB(0x20, 0xA0, 0x40);
    ASSERT_TRUE(SHCreateMenuBar(&info));
    const auto screen = paintedScreen();
    EXPECT_EQ(at(screen, 2, 300), info.clrBk);
    EXPECT_EQ(at(screen, 2, 294), ce::shell::menuBarLine);
}

TEST_F(MenuBarTest, APopupButtonShowsPressedWhileItsMenuIsOpenAboveTheBar)
{
    HWND bar = makeBar(IDR_TWO_BUTTONS); // Done 0-119, Menu 120-239
    emulator::ScreenImage open;
    {
        ActionThread driver(log.popupOpen, [&] {
            EXPECT_TRUE(emulator::waitForPainting(10000));
            SendMessageW(bar, WM_NULL, 0, 0); // back once the bar's thread has ended its WM_PAINT
            open = emulator::captureScreen();
            emulator::cancelPopupMenu();
        });
        tap(bar, 200);
    }
    ASSERT_EQ(open.width, 240);
    EXPECT_EQ(at(open, 122, 297), GetSysColor(COLOR_HIGHLIGHT)) << "Menu pressed";
    EXPECT_EQ(at(open, 2, 297), ce::shell::menuBarFace) << "Done not";
    EXPECT_EQ(at(open, 120, 293), GetSysColor(COLOR_WINDOWFRAME)) << "the pop-up's frame just above the bar";
    EXPECT_EQ(at(paintedScreen(), 122, 297), ce::shell::menuBarFace) << "released when the menu closes";
}

// The rows of `screen` within `part` that hold a pixel darker than the bar's face.
int inkRows(const emulator::ScreenImage& screen, const RECT& part)
{
    int rows = 0;
    for (int y = part.top; y < part.bottom; ++y)
        rows += darkest(screen, {part.left, y, part.right, y + 1}) < brightness(ce::shell::menuBarFace) ? 1 : 0;
    return rows;
}

TEST(MenuBarPaint, DrawsAtTwiceTheSizeOnA192DpiScreen)
{
    struct Measure {
        int line = 0; // rows of the top line
        int text = 0; // rows the first button's text covers
    };
    const auto measure = [](int scale) {
        emulator::Profile profile = testing_support::smallProfile();
        profile.screenWidth *= scale;
        profile.screenHeight *= scale;
        profile.screenDpi *= scale;
        testing_support::TestDevice device(profile);
        HWND parent
            = CreateWindowExW(0, u"STATIC", u"Main", WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
        HMENU menu = CreateMenu();
        AppendMenuW(menu, MF_STRING, IDM_DONE, u"Done");
        SHMENUBARINFO info {};
        info.cbSize = sizeof info;
        info.hwndParent = parent;
        info.dwFlags = SHCMBF_HMENU;
        info.nToolBarId = static_cast<UINT>(reinterpret_cast<UINT_PTR>(menu));
        Measure found;
        if (!SHCreateMenuBar(&info))
            return found;
        RECT bar {};
        GetWindowRect(info.hwndMB, &bar);
        const auto screen = paintedScreen();
        while (at(screen, 1, bar.top + found.line) == ce::shell::menuBarLine)
            ++found.line;
        found.text = inkRows(screen, {bar.left, bar.top + found.line, bar.right, bar.bottom});
        DestroyWindow(parent);
        DestroyMenu(menu);
        return found;
    };
    const Measure small = measure(1);
    const Measure large = measure(2);
    EXPECT_EQ(small.line, 1);
    EXPECT_EQ(large.line, 2);
    EXPECT_GT(small.text, 4);
    EXPECT_NEAR(large.text, 2 * small.text, 2);
}

} // namespace
