// Turning the screen: sizes swap, windows across the old width are refitted, every top-level
// window hears WM_SETTINGCHANGE, and the composed screen follows.
#include <gtest/gtest.h>

#include "PaintedWindow.h"
#include "TestDevice.h"
#include "aygshell.h"

using namespace display_test;

namespace {

class RotationTest : public ::testing::Test {
protected:
    testing_support::TestDevice dev;
    void SetUp() override { ASSERT_NE(registerPainted(), 0); }
};

RECT rectOf(HWND hwnd)
{
    RECT rect {};
    GetWindowRect(hwnd, &rect);
    return rect;
}

TEST_F(RotationTest, TurningRefitsWindowsAcrossTheScreenAndTellsEveryWindow)
{
    HWND full = makePainted(RGB(0, 0, 255), WS_VISIBLE, nullptr, {0, 26, 240, 294});
    HWND menuBar = makePainted(RGB(0, 255, 0), WS_VISIBLE, nullptr, {0, 294, 240, 320});
    HWND small = makePainted(RGB(255, 0, 0), WS_VISIBLE, nullptr, {20, 100, 120, 150});
    paintAll();
    gwes_test::MessageLog::instance().take({});

    emulator::rotateScreen();
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 320);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 240);
    const struct {
        HWND hwnd;
        RECT expected;
    } cases[] = {
        {full, {0, 26, 320, 214}},
        {menuBar, {0, 214, 320, 240}},
        {small, {20, 100, 120, 150}},
    };
    for (const auto& c : cases) {
        const RECT got = rectOf(c.hwnd);
        EXPECT_TRUE(EqualRect(&got, &c.expected)) << got.left << "," << got.top << "," << got.right << "," << got.bottom;
    }
    paintAll();
    const auto log = gwes_test::MessageLog::instance().take({WM_SIZE, WM_SETTINGCHANGE});
    for (HWND hwnd : {full, menuBar, small}) {
        const auto heard = std::count(log.begin(), log.end(), gwes_test::Received {hwnd, WM_SETTINGCHANGE, SETTINGCHANGE_RESET});
        EXPECT_EQ(heard, 1);
    }
    EXPECT_EQ(std::count(log.begin(), log.end(), gwes_test::Received {full, WM_SIZE, SIZE_RESTORED}), 1);
    EXPECT_EQ(std::count(log.begin(), log.end(), gwes_test::Received {small, WM_SIZE, SIZE_RESTORED}), 0);

    const auto screen = emulator::captureScreen();
    EXPECT_EQ(screen.width, 320);
    EXPECT_EQ(screen.height, 240);
    EXPECT_EQ(screenPixel(screen, 300, 100), RGB(0, 0, 255));
    EXPECT_EQ(screenPixel(screen, 300, 230), RGB(0, 255, 0));

    emulator::rotateScreen();
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 240);
    const RECT back = rectOf(full);
    const RECT original {0, 26, 240, 294};
    EXPECT_TRUE(EqualRect(&back, &original));
}

} // namespace
