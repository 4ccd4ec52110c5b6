// Window device contexts clipped to what each window shows, painting limited to the update
// rectangle, and the screen composed from the top-level windows in z-order.
#include <gtest/gtest.h>

#include "PaintedWindow.h"
#include "TestDevice.h"
#include "gdi/png/PngDecode.h"

using namespace display_test;

namespace {

constexpr COLORREF red = RGB(255, 0, 0);
constexpr COLORREF green = RGB(0, 255, 0);
constexpr COLORREF blue = RGB(0, 0, 255);
constexpr COLORREF grey = RGB(128, 128, 128);

class DisplayTest : public ::testing::Test {
protected:
    testing_support::TestDevice dev;
    emulator::ScreenImage before; // the screen with the device's own windows only
    void SetUp() override
    {
        ASSERT_NE(registerPainted(), 0);
        before = emulator::captureScreen();
    }
    COLORREF beforeAt(int x, int y) const { return screenPixel(before, x, y); }
};

TEST_F(DisplayTest, WindowsComposeInZOrderWithChildrenInsideTheirParents)
{
    HWND back = makePainted(red, WS_VISIBLE, nullptr, {0, 40, 200, 200});
    HWND child = makePainted(green, WS_VISIBLE | WS_CHILD, back, {10, 10, 60, 60});
    HWND front = makePainted(blue, WS_VISIBLE, nullptr, {100, 100, 240, 300});
    HWND hidden = makePainted(grey, 0, nullptr, {0, 250, 240, 320});
    ASSERT_TRUE(back && child && front && hidden);
    paintAll();
    const auto screen = emulator::captureScreen();
    ASSERT_EQ(screen.width, 240);
    ASSERT_EQ(screen.height, 320);
    struct Case {
        int x, y;
        COLORREF expected;
    };
    const Case cases[] = {
        {5, 45, red},          // the back window
        {15, 55, green},       // its child, at the child's place in it
        {59, 99, green},       // the child's last pixel
        {60, 100, red},        // just past the child
        {150, 150, blue},      // the front window over the back one
        {99, 150, red},        // just left of the front window
        {120, 260, blue},      // the front window, where the hidden one would be
        {10, 260, beforeAt(10, 260)}, // the hidden window is not shown
    };
    for (const Case& c : cases)
        EXPECT_EQ(screenPixel(screen, c.x, c.y), c.expected) << c.x << "," << c.y;
}

TEST_F(DisplayTest, DeviceContextsKeepOutOfChildrenSiblingsAboveAndOutsideTheWindow)
{
    HWND top = makePainted(red, WS_VISIBLE, nullptr, {0, 30, 240, 290});
    HWND lower = makePainted(green, WS_VISIBLE | WS_CHILD, top, {0, 0, 100, 100});
    HWND upper = makePainted(blue, WS_VISIBLE | WS_CHILD, top, {50, 50, 150, 150});
    // Children stand in creation order with the first on top: make `upper` the top one.
    SetWindowPos(upper, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    paintAll();
    // Drawing everywhere through the lower child's device context changes only what it shows.
    HDC dc = GetDC(lower);
    ASSERT_NE(dc, nullptr);
    HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    const RECT everything {-500, -500, 500, 500};
    FillRect(dc, &everything, black);
    EXPECT_EQ(ReleaseDC(lower, dc), 1);
    EXPECT_EQ(ReleaseDC(lower, dc), 0);
    // And the parent's device context stays out of both children.
    dc = GetDC(top);
    // Under a child the parent can neither draw nor read.
    SetPixel(dc, 10, 10, grey);
    EXPECT_EQ(GetPixel(dc, 10, 10), CLR_INVALID);
    FillRect(dc, &everything, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    ReleaseDC(top, dc);
    const auto screen = emulator::captureScreen();
    const struct {
        int x, y;
        COLORREF expected;
    } cases[] = {
        {10, 40, RGB(0, 0, 0)},        // the lower child's own area
        {60, 90, blue},                // the upper child covers the lower one
        {120, 40, RGB(255, 255, 255)}, // the parent outside its children
        {10, 140, RGB(255, 255, 255)},
        {10, 295, beforeAt(10, 295)}, // nothing spilled below the top window
    };
    for (const auto& c : cases)
        EXPECT_EQ(screenPixel(screen, c.x, c.y), c.expected) << c.x << "," << c.y;
}

TEST_F(DisplayTest, ControlsShowThroughTheGroupBoxThatFramesThem)
{
    HWND top = makePainted(red, WS_VISIBLE, nullptr, {0, 30, 240, 290});
    // The group box comes first, so it stands above the control it frames.
    HWND group = CreateWindowExW(0, u"BUTTON", u"Group", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 10, 10, 200, 100, top,
        nullptr, nullptr, nullptr);
    HWND inside = makePainted(green, WS_VISIBLE | WS_CHILD, top, {30, 40, 80, 80});
    ASSERT_TRUE(group && inside);
    paintAll();
    InvalidateRect(group, nullptr, TRUE); // the group box painting last must not cover it either
    paintAll();
    const auto screen = emulator::captureScreen();
    EXPECT_EQ(screenPixel(screen, 50, 90), green);
    EXPECT_EQ(screenPixel(screen, 150, 110), GetSysColor(COLOR_WINDOW)); // the group box's own inside
    EXPECT_EQ(screenPixel(screen, 5, 35), red);
}

TEST_F(DisplayTest, PaintingReachesOnlyTheUpdateRectangleAndMovedChildrenUncoverTheirParent)
{
    HWND top = makePainted(red, WS_VISIBLE, nullptr, {0, 30, 240, 290});
    HWND child = makePainted(green, WS_VISIBLE | WS_CHILD, top, {0, 0, 50, 50});
    paintAll();
    SetWindowLongW(top, GWL_USERDATA, static_cast<LONG>(blue));
    const RECT part {100, 100, 120, 110};
    InvalidateRect(top, &part, FALSE);
    paintAll();
    auto screen = emulator::captureScreen();
    EXPECT_EQ(screenPixel(screen, 105, 135), blue);
    EXPECT_EQ(screenPixel(screen, 125, 135), red); // outside the update rectangle: left alone
    // Moving the child shows the parent (now blue) where the child was.
    MoveWindow(child, 100, 150, 50, 50, TRUE);
    paintAll();
    screen = emulator::captureScreen();
    EXPECT_EQ(screenPixel(screen, 10, 40), blue);
    EXPECT_EQ(screenPixel(screen, 110, 190), green);
}

TEST_F(DisplayTest, ScreenshotIsThePngOfTheComposedScreen)
{
    makePainted(green, WS_VISIBLE, nullptr, {0, 26, 240, 320});
    paintAll();
    const auto file = dev.hostPath(u"\\shot.png");
    std::string error;
    ASSERT_TRUE(emulator::saveScreenshot(file, error)) << error;
    ce::gdi::PngImage image;
    ASSERT_TRUE(ce::gdi::readPngFile(file, image, error)) << error;
    const auto screen = emulator::captureScreen();
    ASSERT_EQ(image.width, screen.width);
    ASSERT_EQ(image.height, screen.height);
    for (size_t i = 0; i < screen.pixels.size(); ++i)
        ASSERT_EQ(image.pixels[i], 0xFF000000u | screen.pixels[i]) << i;
    EXPECT_EQ(screenPixel(screen, 120, 200), green);
}

TEST_F(DisplayTest, StylusGoesToTheWindowUnderItInClientCoordinates)
{
    HWND top = makePainted(red, WS_VISIBLE, nullptr, {0, 30, 240, 290});
    HWND child = makePainted(green, WS_VISIBLE | WS_CHILD, top, {20, 20, 120, 120});
    paintAll();
    gwes_test::MessageLog::instance().take({});
    emulator::stylusDown(30, 60);
    emulator::stylusUp(5, 40);
    MSG msg;
    std::vector<std::tuple<HWND, UINT, LPARAM>> got;
    while (PeekMessageW(&msg, nullptr, WM_LBUTTONDOWN, WM_LBUTTONUP, PM_REMOVE))
        got.emplace_back(msg.hwnd, msg.message, msg.lParam);
    const std::vector<std::tuple<HWND, UINT, LPARAM>> expected {
        {child, WM_LBUTTONDOWN, MAKELPARAM(10, 10)}, {top, WM_LBUTTONUP, MAKELPARAM(5, 10)}};
    EXPECT_EQ(got, expected);
}

} // namespace
