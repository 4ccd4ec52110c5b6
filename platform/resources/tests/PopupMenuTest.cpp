// Pop-up menus: TrackPopupMenuEx's modal loop on the test's thread, driven from a second thread
// through the host-side calls (choose by texts or id, cancel) and by the input a person gives
// (keys, taps, WM_CANCELMODE, the owner going, WM_QUIT), and what the pop-up shows.
#include <gtest/gtest.h>

#include <functional>
#include <mutex>
#include <vector>

#include "ActionThread.h"
#include "ScreenPixels.h"
#include "TestDevice.h"
#include "emulator/Screen.h"
#include "emulator/Shell.h"
#include "resources/PopupMenus.h"
#include "windows.h"

namespace {

constexpr UINT IDM_NEW = 101, IDM_OPEN = 102, IDM_EXIT = 103, IDM_GONE = 104, IDM_IN = 111, IDM_OUT = 112;
// Posted to the owner before the pop-up opens: handled inside the modal loop, it tells the
// driving thread that the pop-up is open.
constexpr UINT signalOpen = WM_APP + 1;
constexpr UINT destroySelf = WM_APP + 2;

struct Received {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// What the owner window received, and the event it sets on signalOpen.
struct OwnerLog {
    std::mutex lock;
    std::vector<Received> received;
    HANDLE open = nullptr;

    std::vector<Received> all(UINT message)
    {
        std::lock_guard guard(lock);
        std::vector<Received> kept;
        for (const Received& r : received) {
            if (r.message == message)
                kept.push_back(r);
        }
        return kept;
    }
};

OwnerLog* ownerLog = nullptr;

LRESULT ownerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    {
        std::lock_guard guard(ownerLog->lock);
        ownerLog->received.push_back({message, wParam, lParam});
    }
    if (message == signalOpen)
        SetEvent(ownerLog->open);
    if (message == destroySelf)
        DestroyWindow(hwnd);
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

class PopupMenuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        log.open = CreateEventW(nullptr, FALSE, FALSE, nullptr);
        ownerLog = &log;
        WNDCLASSW wc {};
        wc.lpfnWndProc = ownerProc;
        wc.lpszClassName = u"PopupOwner";
        ASSERT_NE(RegisterClassW(&wc), 0);
        owner = CreateWindowExW(
            0, u"PopupOwner", u"Owner", WS_VISIBLE, 0, 0, 240, 320, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(owner, nullptr);
        zoom = CreatePopupMenu();
        AppendMenuW(zoom, MF_STRING, IDM_IN, u"&In");
        AppendMenuW(zoom, MF_STRING | MF_GRAYED, IDM_OUT, u"&Out");
        menu = CreatePopupMenu();
        AppendMenuW(menu, MF_STRING, IDM_NEW, u"&New");
        AppendMenuW(menu, MF_STRING, IDM_OPEN, u"&Open");
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(zoom), u"&Zoom");
        AppendMenuW(menu, MF_STRING, IDM_EXIT, u"E&xit");
        AppendMenuW(menu, MF_STRING | MF_GRAYED, IDM_GONE, u"Gone");
    }
    void TearDown() override
    {
        DestroyMenu(menu);
        if (IsWindow(owner))
            DestroyWindow(owner);
        CloseHandle(log.open);
        ownerLog = nullptr;
    }

    // Opens the pop-up at x, y with `flags` while `action` runs on a second thread.
    BOOL track(UINT flags, std::function<void()> action, int x = 10, int y = 20, TPMPARAMS* params = nullptr)
    {
        PostMessageW(owner, signalOpen, 0, 0);
        ActionThread driver(log.open, std::move(action));
        return TrackPopupMenuEx(menu, flags, x, y, owner, params);
    }

    // The ids of the WM_COMMAND messages the owner has handled after pumping its queue, since
    // the last call.
    std::vector<UINT> commandsReceived()
    {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
        std::vector<UINT> ids;
        for (const Received& r : log.all(WM_COMMAND))
            ids.push_back(LOWORD(r.wParam));
        std::lock_guard guard(log.lock);
        log.received.clear();
        return ids;
    }

    testing_support::TestDevice dev;
    OwnerLog log;
    HWND owner = nullptr;
    HMENU menu = nullptr;
    HMENU zoom = nullptr;
};

TEST_F(PopupMenuTest, ChoosingByTextsFollowsSubMenusAndRefusesWhatCannotBeChosen)
{
    struct Case {
        std::u16string path;
        bool chosen;
        BOOL result;
    };
    const Case cases[] = {
        {u"New", true, IDM_NEW},
        {u"&Open", true, IDM_OPEN},
        {u"e&XIT", true, IDM_EXIT},
        {u"zoom/in", true, IDM_IN},
        {u"Zoom/Out", false, 0}, // grayed
        {u"Gone", false, 0}, // grayed
        {u"Missing", false, 0},
        {u"New/In", false, 0}, // New opens no sub-menu
        {u"Zoom/", false, 0},
        {u"", false, 0},
    };
    for (const Case& c : cases) {
        bool chosen = !c.chosen;
        const BOOL result = track(TPM_RETURNCMD, [&] {
            chosen = emulator::choosePopupItem(c.path);
            if (!chosen)
                emulator::cancelPopupMenu();
        });
        EXPECT_EQ(chosen, c.chosen) << std::string(c.path.begin(), c.path.end());
        EXPECT_EQ(result, c.result) << std::string(c.path.begin(), c.path.end());
        EXPECT_TRUE(commandsReceived().empty()) << "TPM_RETURNCMD posts no WM_COMMAND";
    }
}

TEST_F(PopupMenuTest, ChoosingByIdSearchesSubMenus)
{
    struct Case {
        UINT id;
        bool chosen;
    };
    for (const Case c : {Case {IDM_IN, true}, Case {IDM_OPEN, true}, Case {IDM_OUT, false}, Case {999, false}}) {
        bool chosen = false;
        const BOOL result = track(TPM_RETURNCMD, [&] {
            chosen = emulator::choosePopupItem(c.id);
            if (!chosen)
                emulator::cancelPopupMenu();
        });
        EXPECT_EQ(chosen, c.chosen) << c.id;
        EXPECT_EQ(result, c.chosen ? static_cast<BOOL>(c.id) : 0) << c.id;
    }
}

TEST_F(PopupMenuTest, WithoutReturnCmdTheChoiceIsPostedToTheOwner)
{
    EXPECT_EQ(track(0, [] { emulator::choosePopupItem(u"Zoom/In"); }), TRUE);
    EXPECT_EQ(commandsReceived(), std::vector<UINT> {IDM_IN});

    EXPECT_EQ(track(0, [] { emulator::cancelPopupMenu(); }), FALSE);
    EXPECT_TRUE(commandsReceived().empty());
}

TEST_F(PopupMenuTest, EndsWithoutChoiceOnEveryKindOfCancel)
{
    struct Case {
        const char* name;
        std::function<void(HWND)> cancel;
    };
    const Case cases[] = {
        {"cancel call", [](HWND) { EXPECT_TRUE(emulator::cancelPopupMenu()); }},
        {"WM_CANCELMODE to the owner", [](HWND o) { SendMessageW(o, WM_CANCELMODE, 0, 0); }},
        {"tap outside", [](HWND o) { PostMessageW(o, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(200, 300)); }},
        {"escape", [](HWND o) { PostMessageW(o, WM_KEYDOWN, VK_ESCAPE, 0); }},
        {"owner destroyed", [](HWND o) { PostMessageW(o, destroySelf, 0, 0); }},
    };
    for (const Case& c : cases) { // the owner goes last
        HWND o = owner;
        EXPECT_EQ(track(TPM_RETURNCMD, [&] { c.cancel(o); }), 0) << c.name;
        EXPECT_EQ(emulator::openPopupMenu().window, nullptr) << c.name;
        EXPECT_EQ(FindWindowW(u"MNU", nullptr), nullptr) << c.name;
    }
}

TEST_F(PopupMenuTest, OwnerKeepsItsProcedureAndSeesCancelMode)
{
    track(0, [&] { SendMessageW(owner, WM_CANCELMODE, 0, 0); });
    EXPECT_EQ(log.all(WM_CANCELMODE).size(), 1u);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(owner, GWLP_WNDPROC)), ownerProc);
}

TEST_F(PopupMenuTest, QuitTakenMeanwhileCancelsAndIsPostedAgain)
{
    const DWORD thread = GetCurrentThreadId();
    EXPECT_EQ(track(TPM_RETURNCMD, [&] { PostThreadMessageW(thread, WM_QUIT, 7, 0); }), 0);
    MSG msg {};
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 7u);
}

TEST_F(PopupMenuTest, KeysMoveTheHighlightAndChoose)
{
    struct Case {
        std::vector<WPARAM> keys;
        BOOL result;
    };
    const Case cases[] = {
        {{VK_DOWN, VK_RETURN}, IDM_NEW},
        {{VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN, VK_RETURN}, IDM_IN}, // skips the separator
        {{VK_UP, VK_UP, VK_RETURN}, IDM_EXIT}, // wraps from the top; Gone is grayed but highlighted first
        {{VK_UP, VK_RETURN, VK_ESCAPE}, 0}, // grayed: nothing happens until escape
        {{VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN, VK_ESCAPE, VK_UP, VK_RETURN}, IDM_OPEN}, // escape closes Zoom
    };
    for (const Case& c : cases) {
        const BOOL result = track(TPM_RETURNCMD, [&] {
            for (WPARAM key : c.keys)
                PostMessageW(owner, WM_KEYDOWN, key, 0);
        });
        EXPECT_EQ(result, c.result) << c.keys.size() << " keys";
    }
}

TEST_F(PopupMenuTest, TapOnAnItemChoosesIt)
{
    struct Case {
        int y;
        BOOL result;
    };
    // Items are 18 pixels high, the separator 6: New 0-17, Open 18-35, separator 36-41, Zoom 42-59.
    for (const Case c : {Case {5, IDM_NEW}, Case {30, IDM_OPEN}, Case {38, 0}}) {
        const BOOL result = track(TPM_RETURNCMD, [&] {
            HWND popup = emulator::openPopupMenu().window;
            PostMessageW(popup, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, c.y));
            PostMessageW(popup, WM_LBUTTONUP, 0, MAKELPARAM(5, c.y));
            if (!c.result)
                PostMessageW(owner, WM_KEYDOWN, VK_ESCAPE, 0);
        });
        EXPECT_EQ(result, c.result) << c.y;
    }
}

TEST_F(PopupMenuTest, ThePopupIsAVisibleWindowOfTheOwnerWhileOpen)
{
    emulator::PopupMenuInfo seen;
    bool visible = false;
    HWND windowOwner = nullptr;
    WCHAR className[8] = {};
    RECT rect {};
    track(TPM_RETURNCMD | TPM_RIGHTALIGN | TPM_BOTTOMALIGN, [&] {
        seen = emulator::openPopupMenu();
        visible = IsWindowVisible(seen.window);
        windowOwner = GetWindow(seen.window, GW_OWNER);
        GetClassNameW(seen.window, className, 8);
        GetWindowRect(seen.window, &rect);
        emulator::choosePopupItem(u"Zoom");
        emulator::PopupMenuInfo inner = emulator::openPopupMenu();
        EXPECT_EQ(inner.menu, zoom);
        EXPECT_EQ(inner.root, menu);
        emulator::cancelPopupMenu();
    });
    EXPECT_EQ(seen.owner, owner);
    EXPECT_EQ(seen.root, menu);
    EXPECT_EQ(seen.menu, menu);
    EXPECT_TRUE(visible);
    EXPECT_EQ(windowOwner, owner);
    EXPECT_EQ(std::u16string(className), u"MNU");
    // Right and bottom aligned at 10,20, but kept on the screen: pushed to its left and top edges.
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 0);
    EXPECT_FALSE(IsWindow(seen.window));
}

TEST_F(PopupMenuTest, PlacementFollowsTheAlignmentFlagsInsideTheScreen)
{
    struct Case {
        UINT flags;
        int x, y;
        RECT expected; // for a 60x96 pop-up (Open's width at 6 pixels a character is under the minimum)
        RECT exclude = {};
    };
    const Case cases[] = {
        {TPM_LEFTALIGN | TPM_TOPALIGN, 10, 20, {10, 20, 70, 116}},
        {TPM_RIGHTALIGN | TPM_BOTTOMALIGN, 200, 300, {140, 204, 200, 300}},
        {TPM_CENTERALIGN | TPM_VCENTERALIGN, 120, 160, {90, 112, 150, 208}},
        {TPM_LEFTALIGN, 230, 300, {180, 224, 240, 320}}, // pushed back onto the screen
        {TPM_LEFTALIGN, 10, 20, {100, 20, 160, 116}, {0, 0, 100, 100}}, // beside the excluded area
        {TPM_LEFTALIGN | TPM_VERTICAL, 10, 20, {10, 100, 70, 196}, {0, 0, 100, 100}}, // below it
        {TPM_LEFTALIGN, 10, 20, {10, 20, 70, 116}, {200, 200, 240, 240}}, // clear of it already
    };
    for (const Case& c : cases) {
        RECT rect {};
        TPMPARAMS params {sizeof(TPMPARAMS), c.exclude};
        track(
            c.flags | TPM_RETURNCMD,
            [&] {
                GetWindowRect(emulator::openPopupMenu().window, &rect);
                emulator::cancelPopupMenu();
            },
            c.x, c.y, &params);
        EXPECT_EQ(rect.left, c.expected.left) << c.flags;
        EXPECT_EQ(rect.top, c.expected.top) << c.flags;
        EXPECT_EQ(rect.right, c.expected.right) << c.flags;
        EXPECT_EQ(rect.bottom, c.expected.bottom) << c.flags;
    }
}

TEST_F(PopupMenuTest, OwnerIsToldBeforeEachMenuOpensUnlessNoNotify)
{
    track(TPM_RETURNCMD, [] { emulator::choosePopupItem(u"Zoom/In"); });
    const auto told = log.all(WM_INITMENUPOPUP);
    ASSERT_EQ(told.size(), 2u);
    EXPECT_EQ(reinterpret_cast<HMENU>(told[0].wParam), menu);
    EXPECT_EQ(reinterpret_cast<HMENU>(told[1].wParam), zoom);
    EXPECT_EQ(LOWORD(told[1].lParam), 3) << "the Zoom item's position";

    log.received.clear(); // no other thread runs now
    track(TPM_RETURNCMD | TPM_NONOTIFY, [] { emulator::choosePopupItem(u"Zoom/In"); });
    EXPECT_TRUE(log.all(WM_INITMENUPOPUP).empty());
}

TEST_F(PopupMenuTest, BadArgumentsFailAtOnce)
{
    EXPECT_FALSE(TrackPopupMenuEx(reinterpret_cast<HMENU>(0x1234), TPM_RETURNCMD, 0, 0, owner, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_MENU_HANDLE));
    EXPECT_FALSE(TrackPopupMenu(menu, 0, 0, 0, 0, reinterpret_cast<HWND>(0x1234), nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
}

TEST_F(PopupMenuTest, HostCallsFailWithoutAnOpenPopup)
{
    EXPECT_EQ(emulator::openPopupMenu().window, nullptr);
    EXPECT_EQ(emulator::openPopupMenu().menu, nullptr);
    EXPECT_FALSE(emulator::choosePopupItem(u"New"));
    EXPECT_FALSE(emulator::choosePopupItem(IDM_NEW));
    EXPECT_FALSE(emulator::cancelPopupMenu());
}

// ---- Painting ----------------------------------------------------------------------------------

using screen_pixels::at;
using screen_pixels::brightness;
using screen_pixels::countOf;
using screen_pixels::darkest;

// The pop-up opened at 10,40 (clear of the title bar) is 60x96 inside its frame: New 40-57,
// Open 58-75, the separator 76-81, Zoom 82-99, Exit 100-117, Gone 118-135. Check marks go in
// x 11-24, text in 25-58, arrows in 59-68.
RECT checkColumn(int top)
{
    return {11, top + 1, 25, top + 17};
}
RECT textColumn(int top)
{
    return {25, top + 1, 59, top + 17};
}
RECT arrowColumn(int top)
{
    return {59, top + 1, 69, top + 17};
}

class PopupMenuPaintTest : public PopupMenuTest {
protected:
    // The screen once the open pop-up has painted, after `act` (on the driving thread) changed it.
    emulator::ScreenImage shownAfter(const std::function<void(HWND)>& act = {})
    {
        HWND popup = emulator::openPopupMenu().window;
        if (act)
            act(popup);
        EXPECT_TRUE(emulator::waitForPainting(10000));
        // The wait ends when the last WM_PAINT has begun; a message sent to the pop-up's thread
        // comes back once that WM_PAINT has ended.
        SendMessageW(popup, WM_NULL, 0, 0);
        return emulator::captureScreen();
    }
};

TEST_F(PopupMenuPaintTest, ItemsShowInAFrameWithSeparatorGrayedTextAndSubMenuArrow)
{
    emulator::ScreenImage screen;
    track(
        TPM_RETURNCMD,
        [&] {
            screen = shownAfter();
            emulator::cancelPopupMenu();
        },
        10, 40);
    ASSERT_EQ(screen.width, 240);
    const COLORREF frame = GetSysColor(COLOR_WINDOWFRAME);
    const COLORREF face = GetSysColor(COLOR_MENU);
    struct Pixel {
        const char* name;
        int x, y;
        COLORREF expected;
    };
    const Pixel pixels[] = {
        {"left frame", 10, 70, frame},
        {"right frame", 69, 70, frame},
        {"top frame", 40, 40, frame},
        {"bottom frame", 40, 135, frame},
        {"face", 12, 48, face},
        {"above the separator", 40, 77, face},
        {"separator", 40, 79, GetSysColor(COLOR_3DSHADOW)},
        {"outside", 71, 70, at(screen, 200, 200)},
    };
    for (const Pixel& p : pixels)
        EXPECT_EQ(at(screen, p.x, p.y), p.expected) << p.name;

    const int grey = brightness(GetSysColor(COLOR_GRAYTEXT));
    const int white = brightness(face);
    EXPECT_LT(darkest(screen, textColumn(40)), grey) << "New in black";
    EXPECT_GE(darkest(screen, textColumn(118)), grey) << "Gone, grayed, in grey";
    EXPECT_LT(darkest(screen, textColumn(118)), white) << "but shown";
    EXPECT_LT(darkest(screen, arrowColumn(82)), grey) << "Zoom's arrow";
    EXPECT_EQ(darkest(screen, arrowColumn(100)), white) << "Exit opens nothing";
    EXPECT_EQ(darkest(screen, checkColumn(40)), white) << "New is not checked";
}

TEST_F(PopupMenuPaintTest, TheHighlightFollowsKeysAndTheStylus)
{
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    const COLORREF face = GetSysColor(COLOR_MENU);
    emulator::ScreenImage byKey;
    emulator::ScreenImage byStylus;
    track(
        TPM_RETURNCMD,
        [&] {
            byKey = shownAfter([](HWND popup) { SendMessageW(popup, WM_KEYDOWN, VK_DOWN, 0); });
            byStylus = shownAfter([](HWND popup) { SendMessageW(popup, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, 65)); });
            emulator::cancelPopupMenu();
        },
        10, 40);
    ASSERT_EQ(byKey.width, 240);
    EXPECT_EQ(at(byKey, 12, 48), highlight) << "New";
    EXPECT_GT(countOf(byKey, textColumn(40), GetSysColor(COLOR_HIGHLIGHTTEXT)), 0) << "New's text inverted";
    EXPECT_EQ(darkest(byKey, textColumn(40)), brightness(highlight)) << "and not black";
    EXPECT_EQ(at(byKey, 12, 66), face) << "Open";
    EXPECT_EQ(at(byStylus, 12, 108), highlight) << "Exit, under the stylus";
    EXPECT_EQ(at(byStylus, 12, 48), face) << "New no more";
}

TEST_F(PopupMenuPaintTest, CheckMarksShowInTheLeftColumnInTheItemsTextColour)
{
    CheckMenuItem(menu, IDM_OPEN, MF_BYCOMMAND | MF_CHECKED);
    emulator::ScreenImage plain;
    emulator::ScreenImage highlighted;
    track(
        TPM_RETURNCMD,
        [&] {
            plain = shownAfter();
            highlighted = shownAfter([](HWND popup) {
                SendMessageW(popup, WM_KEYDOWN, VK_DOWN, 0);
                SendMessageW(popup, WM_KEYDOWN, VK_DOWN, 0);
            });
            emulator::cancelPopupMenu();
        },
        10, 40);
    ASSERT_EQ(plain.width, 240);
    EXPECT_LT(darkest(plain, checkColumn(58)), brightness(GetSysColor(COLOR_GRAYTEXT))) << "a black mark";
    EXPECT_EQ(darkest(plain, checkColumn(40)), brightness(GetSysColor(COLOR_MENU))) << "New has none";
    EXPECT_GT(countOf(highlighted, checkColumn(58), GetSysColor(COLOR_HIGHLIGHTTEXT)), 0) << "a white mark";
    EXPECT_EQ(darkest(highlighted, checkColumn(58)), brightness(GetSysColor(COLOR_HIGHLIGHT))) << "on the highlight";
}

TEST(PopupMenuSize, FollowsTheTextsInTheMenuFontAndScalesWithTheScreen)
{
    const auto sizeAt = [](int scale, const char16_t* longest) {
        emulator::Profile profile = testing_support::smallProfile();
        profile.screenWidth *= scale;
        profile.screenHeight *= scale;
        profile.screenDpi *= scale;
        testing_support::TestDevice device(profile);
        HMENU menu = CreatePopupMenu();
        AppendMenuW(menu, MF_STRING, IDM_NEW, u"&New");
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(menu, MF_STRING, IDM_OPEN, longest);
        const SIZE size = ce::popupMenuSize(menu);
        DestroyMenu(menu);
        return size;
    };
    const SIZE shortTexts = sizeAt(1, u"Open");
    EXPECT_EQ(shortTexts.cx, 60) << "the narrowest pop-up";
    EXPECT_EQ(shortTexts.cy, 18 + 6 + 18);
    const SIZE small = sizeAt(1, u"Preferences for every &document");
    EXPECT_GT(small.cx, 120) << "as wide as its widest text";
    const SIZE large = sizeAt(2, u"Preferences for every &document");
    EXPECT_EQ(large.cy, 2 * small.cy);
    EXPECT_NEAR(large.cx, 2 * small.cx, small.cx / 10) << "text widths scale, give or take the hinting";
}

} // namespace
