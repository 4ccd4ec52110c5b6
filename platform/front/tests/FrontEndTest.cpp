// The front-ends: the screen window (on SDL's dummy video driver, so no display is needed) turns
// mouse and keys into device input at the screen's scale; the PNG front-end writes the screen;
// showDevice delivers input and stops when the device's work is done or the window closes.
#include <gtest/gtest.h>

#include <SDL.h>
#include <cstdlib>

#include "TestDevice.h"
#include "emulator/FrontEnd.h"

namespace {

class FrontEndTest : public ::testing::Test {
protected:
    testing_support::TestDevice dev;
    void SetUp() override
    {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        // The software renderer: no GL library is loaded (they keep memory until the process ends).
        setenv("SDL_RENDER_DRIVER", "software", 1);
    }
};

void push(const SDL_Event& event)
{
    SDL_Event copy = event;
    ASSERT_EQ(SDL_PushEvent(&copy), 1) << SDL_GetError();
}

SDL_Event mouse(Uint32 type, int x, int y)
{
    SDL_Event event {};
    event.type = type;
    event.button.button = SDL_BUTTON_LEFT;
    event.button.x = x;
    event.button.y = y;
    return event;
}

SDL_Event key(Uint32 type, SDL_Keycode code)
{
    SDL_Event event {};
    event.type = type;
    event.key.keysym.sym = code;
    return event;
}

TEST_F(FrontEndTest, ScreenWindowTurnsMouseAndKeysIntoDeviceInputAtTheScreensScale)
{
    std::string error;
    auto window = emulator::openScreenWindow("Device", error);
    ASSERT_TRUE(window) << error;
    window->present(emulator::captureScreen()); // 240 wide: shown doubled
    push(mouse(SDL_MOUSEBUTTONDOWN, 100, 201));
    push(mouse(SDL_MOUSEBUTTONUP, 102, 203));
    push(mouse(SDL_MOUSEBUTTONDOWN, 10, 10)); // not the left button: ignored below
    push(key(SDL_KEYDOWN, SDLK_q));
    push(key(SDL_KEYUP, SDLK_RETURN));
    push(key(SDL_KEYDOWN, SDLK_F12));
    push(key(SDL_KEYDOWN, SDLK_CAPSLOCK)); // no device key: ignored
    SDL_Event quit {};
    quit.type = SDL_QUIT;
    push(quit);

    std::vector<emulator::FrontEndInput> got;
    emulator::FrontEndInput input;
    while (window->nextInput(input))
        got.push_back(input);
    using K = emulator::FrontEndInput;
    struct Expected {
        K::Kind kind;
        int x, y;
        BYTE key;
        bool down;
    };
    const Expected expected[] = {
        {K::StylusDown, 50, 100, 0, false},
        {K::StylusUp, 51, 101, 0, false},
        {K::StylusDown, 5, 5, 0, false},
        {K::Key, 0, 0, 'Q', true},
        {K::Key, 0, 0, VK_RETURN, false},
        {K::Rotate, 0, 0, 0, false},
        {K::Close, 0, 0, 0, false},
    };
    ASSERT_EQ(got.size(), std::size(expected));
    for (size_t i = 0; i < got.size(); ++i) {
        EXPECT_EQ(got[i].kind, expected[i].kind) << i;
        if (got[i].kind == K::StylusDown || got[i].kind == K::StylusUp) {
            EXPECT_EQ(got[i].x, expected[i].x) << i;
            EXPECT_EQ(got[i].y, expected[i].y) << i;
        }
        if (got[i].kind == K::Key) {
            EXPECT_EQ(got[i].virtualKey, expected[i].key) << i;
            EXPECT_EQ(got[i].down, expected[i].down) << i;
        }
    }
}

TEST_F(FrontEndTest, ShowDeviceStopsWhenTheWorkIsDoneOrTheWindowCloses)
{
    const auto file = dev.hostPath(u"\\frames.png");
    auto snapshots = emulator::pngSnapshots(file);
    int frames = 0;
    EXPECT_FALSE(emulator::showDevice(*snapshots, [&] { return ++frames > 2; }));
    EXPECT_TRUE(std::filesystem::exists(file));

    std::string error;
    auto window = emulator::openScreenWindow("Device", error);
    ASSERT_TRUE(window) << error;
    push(key(SDL_KEYDOWN, SDLK_F12));
    SDL_Event quit {};
    quit.type = SDL_QUIT;
    push(quit);
    EXPECT_TRUE(emulator::showDevice(*window, [] { return false; }));
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 320); // the F12 before the close turned the screen
}

} // namespace
