// What dialogs and message boxes show: the background their procedure chooses through
// WM_CTLCOLORDLG (white when it chooses none) and the message box's icon beside its text.
#include <gtest/gtest.h>

#include <thread>

#include "../../../resources/tests/ScreenPixels.h"
#include "TestDevice.h"
#include "ceresource.h"
#include "emulator/Screen.h"
#include "windows.h"

namespace {

using screen_pixels::at;
using screen_pixels::countOf;
using screen_pixels::darkest;
using screen_pixels::paintedScreen;

HBRUSH dialogBrush = nullptr; // what the procedure answers to WM_CTLCOLORDLG

INT_PTR colourProc(HWND, UINT message, WPARAM, LPARAM)
{
    if (message == WM_CTLCOLORDLG)
        return reinterpret_cast<INT_PTR>(dialogBrush);
    return message == WM_INITDIALOG;
}

class DialogPaintTest : public ::testing::Test {
protected:
    void TearDown() override { dialogBrush = nullptr; }
    testing_support::TestDevice dev;
};

TEST_F(DialogPaintTest, TheBackgroundIsTheBrushTheProcedureAnswersElseTheWindowColour)
{
    const CeDialogTemplate plain {WS_POPUP | WS_VISIBLE, 0, 20, 40, 200, 120, u"Plain", nullptr, 0, {}};
    HBRUSH green = CreateSolidBrush(RGB(0x10, 0xC0, 0x30));
    struct Case {
        const char* name;
        HBRUSH answer;
        COLORREF expected;
    };
    const Case cases[] = {
        {"no answer", nullptr, GetSysColor(COLOR_WINDOW)},
        {"a brush", green, RGB(0x10, 0xC0, 0x30)},
        {"a system brush", GetSysColorBrush(COLOR_INFOBK), GetSysColor(COLOR_INFOBK)},
    };
    for (const Case& c : cases) {
        dialogBrush = c.answer;
        HWND dialog = CreateDialogIndirectParamW(nullptr, &plain, nullptr, colourProc, 0);
        ASSERT_NE(dialog, nullptr) << c.name;
        const auto screen = paintedScreen();
        EXPECT_EQ(at(screen, 21, 41), c.expected) << c.name;
        EXPECT_EQ(at(screen, 219, 159), c.expected) << c.name;
        DestroyWindow(dialog);
    }
    DeleteObject(green);
}

// Reads the screen once the message box captioned `caption` shows and has painted, then
// answers it with OK.
struct BoxReader {
    std::thread thread;
    emulator::ScreenImage screen;
    explicit BoxReader(const char16_t* caption)
    {
        thread = std::thread([this, caption] {
            HWND box = nullptr;
            for (int i = 0; i < 100000 && !(box && IsWindowVisible(box)); ++i) {
                box = FindWindowW(u"MessageBox", caption);
                std::this_thread::yield();
            }
            if (!box)
                return;
            emulator::waitForPainting(10000);
            SendMessageW(box, WM_NULL, 0, 0); // back once the box's thread has ended its WM_PAINT
            screen = emulator::captureScreen();
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        });
    }
    emulator::ScreenImage take()
    {
        thread.join();
        return screen;
    }
    ~BoxReader()
    {
        if (thread.joinable())
            thread.join();
    }
};

TEST_F(DialogPaintTest, MessageBoxesShowTheIconOfTheirType)
{
    // The box spans the screen's width, centred: 106 high at 107, its icon at 8,115-40,147.
    struct Case {
        const char* name;
        UINT type;
        bool (*face)(COLORREF); // the icon's colour at `inside`, left of its symbol
        POINT inside;
        COLORREF symbol;
    };
    const auto red = [](COLORREF c) { return GetRValue(c) > 2 * GetGValue(c) && GetRValue(c) > 2 * GetBValue(c); };
    const auto blue = [](COLORREF c) { return GetBValue(c) > GetRValue(c) + 0x40 && GetBValue(c) > GetGValue(c); };
    const auto yellow = [](COLORREF c) { return GetRValue(c) > 0xC0 && GetGValue(c) > 0xA0 && GetBValue(c) < 0x60; };
    const Case cases[] = {
        {"error", MB_ICONERROR, red, {14, 136}, RGB(255, 255, 255)},
        {"question", MB_ICONQUESTION, blue, {14, 136}, RGB(255, 255, 255)},
        {"warning", MB_ICONWARNING, yellow, {14, 143}, RGB(0, 0, 0)},
        {"information", MB_ICONINFORMATION, blue, {14, 136}, RGB(255, 255, 255)},
    };
    for (const Case& c : cases) {
        BoxReader reader(u"Icons");
        EXPECT_EQ(MessageBoxW(nullptr, u"Look", u"Icons", MB_OK | c.type), IDOK) << c.name;
        const emulator::ScreenImage screen = reader.take();
        ASSERT_EQ(screen.width, 240) << c.name;
        const COLORREF face = at(screen, c.inside.x, c.inside.y);
        EXPECT_TRUE(c.face(face)) << c.name << " " << std::hex << face;
        EXPECT_GT(countOf(screen, {8, 115, 40, 147}, c.symbol), 0) << c.name << ": the symbol";
    }

    BoxReader reader(u"Plain");
    MessageBoxW(nullptr, u"Look", u"Plain", MB_OK);
    const emulator::ScreenImage plain = reader.take();
    ASSERT_EQ(plain.width, 240);
    EXPECT_EQ(darkest(plain, {8, 140, 40, 147}), 3 * 255) << "no icon: the box's white";
}

} // namespace
