// The colour chooser run on the test thread and driven from a second one: the colour it starts
// with, colour buttons and typed values, custom colours, the fully open and closed forms.
#include <gtest/gtest.h>

#include <array>
#include <functional>

#include "DialogDriver.h"
#include "TestDevice.h"
#include "commdlg.h"
#include "windows.h"

namespace {

using commdlg_test::Driver;
using CustomColors = std::array<COLORREF, 16>;

struct Request {
    CustomColors custom {};
    CHOOSECOLORW cc {};

    Request()
    {
        for (size_t i = 0; i < custom.size(); ++i)
            custom[i] = RGB(i, 100 + i, 200 + i);
        cc.lStructSize = sizeof cc;
        cc.lpCustColors = custom.data();
    }
};

BOOL runChooser(CHOOSECOLORW& cc, const std::function<void(HWND)>& script)
{
    Driver driver([&] {
        HWND dialog = commdlg_test::waitForWindow(u"Dialog", u"Color");
        EXPECT_NE(dialog, nullptr) << "no dialog appeared";
        if (dialog)
            script(dialog);
    });
    return ChooseColorW(&cc);
}

// What the red, green and blue edits show.
COLORREF shownColor(HWND dialog)
{
    BOOL red = FALSE, green = FALSE, blue = FALSE;
    const COLORREF color = RGB(GetDlgItemInt(dialog, COLOR_RED, &red, FALSE),
        GetDlgItemInt(dialog, COLOR_GREEN, &green, FALSE), GetDlgItemInt(dialog, COLOR_BLUE, &blue, FALSE));
    return red && green && blue ? color : 0xFFFFFFFF;
}

void click(HWND dialog, int id)
{
    commdlg_test::notify(dialog, id, BN_CLICKED);
}

class ChooseColorTest : public ::testing::Test {
protected:
    testing_support::TestDevice dev;
};

TEST_F(ChooseColorTest, OkReturnsTheColourOfTheEditsClampedToABytePerPart)
{
    struct Case {
        DWORD flags;
        COLORREF given;
        COLORREF shownFirst;
        std::function<void(HWND)> change;
        COLORREF result;
    };
    const auto type = [](const char16_t* red, const char16_t* green, const char16_t* blue) {
        return [=](HWND dialog) {
            commdlg_test::setItemText(dialog, COLOR_RED, red);
            commdlg_test::setItemText(dialog, COLOR_GREEN, green);
            commdlg_test::setItemText(dialog, COLOR_BLUE, blue);
        };
    };
    const Case cases[] = {
        {CC_RGBINIT, RGB(10, 20, 30), RGB(10, 20, 30), [](HWND) {}, RGB(10, 20, 30)},
        {0, RGB(10, 20, 30), RGB(0, 0, 0), [](HWND) {}, RGB(0, 0, 0)},
        {CC_RGBINIT | CC_FULLOPEN, 0, 0, type(u"255", u"128", u"1"), RGB(255, 128, 1)},
        {CC_RGBINIT, 0, 0, type(u"300", u"-4", u"abc"), RGB(255, 0, 0)},
        {CC_ANYCOLOR, 0, 0, type(u"", u" 7 ", u"256"), RGB(0, 7, 255)},
        {0, 0, 0, [](HWND dialog) { click(dialog, COLOR_BASIC0 + 8); }, RGB(255, 0, 0)},  // second row, first
        {0, 0, 0, [](HWND dialog) { click(dialog, COLOR_BASIC0 + 47); }, RGB(255, 255, 255)}, // the last
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.result);
        Request request;
        request.cc.Flags = c.flags;
        request.cc.rgbResult = c.given;
        COLORREF shownFirst = 0xFFFFFFFF;
        const BOOL chosen = runChooser(request.cc, [&](HWND dialog) {
            shownFirst = shownColor(dialog);
            c.change(dialog);
            commdlg_test::press(dialog, IDOK);
        });
        EXPECT_TRUE(chosen);
        EXPECT_EQ(shownFirst, c.shownFirst);
        EXPECT_EQ(request.cc.rgbResult, c.result);
        EXPECT_EQ(CommDlgExtendedError(), 0u);
    }
}

TEST_F(ChooseColorTest, CustomColoursAreShownWhenTappedAndAddedToTheNextSlot)
{
    Request request;
    request.cc.Flags = CC_FULLOPEN | CC_RGBINIT;
    request.cc.rgbResult = RGB(1, 2, 3);
    const CustomColors before = request.custom;
    std::vector<COLORREF> shown;
    const BOOL chosen = runChooser(request.cc, [&](HWND dialog) {
        click(dialog, COLOR_ADD); // the first slot while none was tapped
        click(dialog, COLOR_CUSTOM0 + 14);
        shown.push_back(shownColor(dialog));
        click(dialog, COLOR_BASIC0);
        click(dialog, COLOR_ADD); // into the tapped slot 14
        click(dialog, COLOR_ADD); // then 15
        click(dialog, COLOR_ADD); // and round to 0
        click(dialog, COLOR_CUSTOM0 + 15);
        shown.push_back(shownColor(dialog));
        commdlg_test::press(dialog, IDCANCEL);
    });
    EXPECT_FALSE(chosen);
    EXPECT_EQ(CommDlgExtendedError(), 0u);
    EXPECT_EQ(request.cc.rgbResult, RGB(1, 2, 3)); // untouched by a cancel
    EXPECT_EQ(shown, (std::vector<COLORREF> {before[14], RGB(255, 128, 128)}));
    CustomColors expected = before;
    expected[0] = RGB(255, 128, 128);
    expected[14] = RGB(255, 128, 128);
    expected[15] = RGB(255, 128, 128);
    EXPECT_EQ(request.custom, expected); // stored at once, kept after a cancel
}

TEST_F(ChooseColorTest, TheEditsShowOnlyWhenFullyOpen)
{
    struct Case {
        DWORD flags;
        bool editsShown;
        bool mayOpen;
    };
    const Case cases[] = {
        {0, false, true},
        {CC_FULLOPEN, true, false},
        {CC_PREVENTFULLOPEN, false, false},
        {CC_FULLOPEN | CC_PREVENTFULLOPEN, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flags);
        Request request;
        request.cc.Flags = c.flags;
        runChooser(request.cc, [&](HWND dialog) {
            for (const int id : {COLOR_RED, COLOR_GREEN, COLOR_BLUE, COLOR_ADD})
                EXPECT_EQ(IsWindowVisible(GetDlgItem(dialog, id)) != FALSE, c.editsShown) << id;
            EXPECT_EQ(IsWindowEnabled(GetDlgItem(dialog, COLOR_MIX)) != FALSE, c.mayOpen);
            if (c.mayOpen) {
                click(dialog, COLOR_MIX);
                EXPECT_TRUE(IsWindowVisible(GetDlgItem(dialog, COLOR_RED)));
                EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, COLOR_MIX)));
            }
            commdlg_test::press(dialog, IDCANCEL);
        });
    }
}

TEST_F(ChooseColorTest, BadRequestsFailWithoutADialog)
{
    struct Case {
        const char* what;
        std::function<void(Request&)> spoil;
        DWORD error;
    };
    const Case cases[] = {
        {"size", [](Request& r) { r.cc.lStructSize = 0; }, CDERR_STRUCTSIZE},
        {"no custom colours", [](Request& r) { r.cc.lpCustColors = nullptr; }, CDERR_INITIALIZATION},
        {"bad owner", [](Request& r) { r.cc.hwndOwner = reinterpret_cast<HWND>(0x1234); }, CDERR_DIALOGFAILURE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Request request;
        c.spoil(request);
        EXPECT_FALSE(ChooseColorW(&request.cc));
        EXPECT_EQ(CommDlgExtendedError(), c.error);
    }
    EXPECT_FALSE(ChooseColorW(nullptr));
    EXPECT_EQ(CommDlgExtendedError(), static_cast<DWORD>(CDERR_INITIALIZATION));
}

} // namespace
