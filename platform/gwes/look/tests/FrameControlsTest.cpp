// DrawFrameControl: check boxes and radio buttons checked against unchecked, greyed ones, push
// button faces, the direction of scroll arrows, menu and title-bar glyphs, and bad arguments.
#include <gtest/gtest.h>

#include "LookTestSupport.h"

namespace {

class FrameControlTest : public ::testing::Test {
protected:
    testing_support::TestDevice dev;
};

constexpr COLORREF ground = RGB(0x10, 0xC0, 0x10);

bool inside(int x, int y, const RECT& r)
{
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

TEST_F(FrameControlTest, ACheckMarkChangesOnlyTheInsideOfTheBoxAndIsDark)
{
    struct Case {
        RECT rect;
        RECT box; // the 13x13 box the check box is drawn in
    };
    for (const Case& c : {Case {{0, 0, 13, 13}, {0, 0, 13, 13}}, Case {{2, 1, 22, 14}, {5, 1, 18, 14}}}) {
        look_test::Canvas unchecked(24, 16, ground);
        look_test::Canvas checked(24, 16, ground);
        RECT rect = c.rect;
        ASSERT_TRUE(DrawFrameControl(unchecked.dc(), &rect, DFC_BUTTON, DFCS_BUTTONCHECK));
        ASSERT_TRUE(DrawFrameControl(checked.dc(), &rect, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED));
        RECT interior = c.box;
        InflateRect(&interior, -1, -1);
        int marked = 0;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 24; ++x) {
                if (!inside(x, y, c.box)) {
                    EXPECT_EQ(unchecked.at(x, y), ground) << x << "," << y;
                } else if (!inside(x, y, interior)) {
                    EXPECT_TRUE(look_test::isDark(unchecked.at(x, y))) << "border " << x << "," << y;
                } else {
                    EXPECT_EQ(unchecked.at(x, y), GetSysColor(COLOR_WINDOW)) << x << "," << y;
                }
                if (checked.at(x, y) == unchecked.at(x, y))
                    continue;
                ++marked;
                EXPECT_TRUE(inside(x, y, interior)) << "changed outside the box " << x << "," << y;
                EXPECT_TRUE(look_test::isDark(checked.at(x, y))) << x << "," << y;
            }
        }
        EXPECT_GE(marked, 15) << "a whole tick";
    }
}

TEST_F(FrameControlTest, GreyedAndMixedCheckBoxesUseGreyMarks)
{
    for (UINT state : {UINT {DFCS_INACTIVE | DFCS_CHECKED}, UINT {DFCS_BUTTON3STATE | DFCS_CHECKED}}) {
        look_test::Canvas canvas(13, 13, ground);
        RECT rect {0, 0, 13, 13};
        ASSERT_TRUE(DrawFrameControl(canvas.dc(), &rect, DFC_BUTTON, DFCS_BUTTONCHECK | state));
        EXPECT_EQ(canvas.at(6, 6), GetSysColor(COLOR_GRAYTEXT)) << state << ": the tick's middle";
        EXPECT_EQ(canvas.at(2, 10), GetSysColor(COLOR_BTNFACE)) << state << ": greyed inside";
    }
}

TEST_F(FrameControlTest, RadioButtonsAreRoundWithADotWhenChecked)
{
    struct Case {
        UINT state;
        COLORREF centre;
    };
    for (const Case& c : {Case {DFCS_BUTTONRADIO, GetSysColor(COLOR_WINDOW)},
             Case {DFCS_BUTTONRADIO | DFCS_CHECKED, GetSysColor(COLOR_WINDOWTEXT)},
             Case {DFCS_BUTTONRADIOMASK, RGB(0, 0, 0)}}) {
        look_test::Canvas canvas(13, 13, ground);
        RECT rect {0, 0, 13, 13};
        ASSERT_TRUE(DrawFrameControl(canvas.dc(), &rect, DFC_BUTTON, c.state));
        EXPECT_EQ(canvas.at(6, 6), c.centre) << c.state;
        EXPECT_NE(canvas.at(0, 6), ground) << c.state << ": the circle reaches the side";
        const COLORREF corner = c.state == DFCS_BUTTONRADIOMASK ? RGB(255, 255, 255) : ground;
        EXPECT_EQ(canvas.at(0, 0), corner) << c.state << ": the corner is outside the circle";
        EXPECT_EQ(canvas.at(12, 12), corner) << c.state;
    }
    look_test::Canvas canvas(13, 13, ground);
    RECT rect {0, 0, 13, 13};
    DrawFrameControl(canvas.dc(), &rect, DFC_BUTTON, DFCS_BUTTONRADIO);
    EXPECT_TRUE(look_test::isDark(canvas.at(0, 6))) << "a dark ring";
    EXPECT_EQ(canvas.at(3, 6), GetSysColor(COLOR_WINDOW)) << "a white inside";
}

TEST_F(FrameControlTest, PushButtonsAreRaisedAndSinkWhenPushed)
{
    struct Case {
        UINT state;
        COLORREF topLeft;
        COLORREF bottomRight;
    };
    for (const Case& c : {Case {DFCS_BUTTONPUSH, GetSysColor(COLOR_3DLIGHT), GetSysColor(COLOR_3DDKSHADOW)},
             Case {DFCS_BUTTONPUSH | DFCS_PUSHED, GetSysColor(COLOR_3DSHADOW), GetSysColor(COLOR_3DHILIGHT)},
             Case {DFCS_BUTTONPUSH | DFCS_FLAT, GetSysColor(COLOR_3DSHADOW), GetSysColor(COLOR_3DSHADOW)}}) {
        look_test::Canvas canvas(20, 12, ground);
        RECT rect {0, 0, 20, 12};
        ASSERT_TRUE(DrawFrameControl(canvas.dc(), &rect, DFC_BUTTON, c.state));
        EXPECT_EQ(canvas.at(0, 0), c.topLeft) << c.state;
        EXPECT_EQ(canvas.at(19, 11), c.bottomRight) << c.state;
        EXPECT_EQ(canvas.at(10, 6), GetSysColor(COLOR_BTNFACE)) << c.state;
    }
}

// The glyph's pixels (the button text colour) per row and per column.
struct GlyphExtent {
    std::vector<int> rows;
    std::vector<int> columns;
};

GlyphExtent glyphOf(const look_test::Canvas& canvas, COLORREF color)
{
    GlyphExtent extent {
        std::vector<int>(static_cast<size_t>(canvas.height())), std::vector<int>(static_cast<size_t>(canvas.width()))};
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 1; x < canvas.width() - 1; ++x) { // not the frame
            if (y > 0 && y < canvas.height() - 1 && canvas.at(x, y) == color) {
                ++extent.rows[static_cast<size_t>(y)];
                ++extent.columns[static_cast<size_t>(x)];
            }
        }
    }
    return extent;
}

// The counts that are not zero, in order.
std::vector<int> used(const std::vector<int>& counts)
{
    std::vector<int> kept;
    for (int n : counts) {
        if (n)
            kept.push_back(n);
    }
    return kept;
}

TEST_F(FrameControlTest, ScrollArrowsPointTheirWay)
{
    struct Case {
        UINT state;
        bool vertical; // the arrow's rows (else its columns) change in width
        bool tipFirst; // the one-pixel tip comes first (top or left)
    };
    const Case cases[] = {
        {DFCS_SCROLLUP, true, true},
        {DFCS_SCROLLDOWN, true, false},
        {DFCS_SCROLLCOMBOBOX, true, false},
        {DFCS_SCROLLLEFT, false, true},
        {DFCS_SCROLLRIGHT, false, false},
    };
    for (const Case& c : cases) {
        look_test::Canvas canvas(16, 16, ground);
        RECT rect {0, 0, 16, 16};
        ASSERT_TRUE(DrawFrameControl(canvas.dc(), &rect, DFC_SCROLL, c.state));
        const GlyphExtent glyph = glyphOf(canvas, GetSysColor(COLOR_BTNTEXT));
        const std::vector<int> widths = used(c.vertical ? glyph.rows : glyph.columns);
        ASSERT_GE(widths.size(), 3u) << c.state;
        EXPECT_EQ(c.tipFirst ? widths.front() : widths.back(), 1) << c.state;
        EXPECT_GT(c.tipFirst ? widths.back() : widths.front(), 3) << c.state;
    }
    look_test::Canvas greyed(16, 16, ground);
    RECT rect {0, 0, 16, 16};
    DrawFrameControl(greyed.dc(), &rect, DFC_SCROLL, DFCS_SCROLLUP | DFCS_INACTIVE);
    EXPECT_TRUE(used(glyphOf(greyed, GetSysColor(COLOR_BTNTEXT)).rows).empty());
    EXPECT_FALSE(used(glyphOf(greyed, GetSysColor(COLOR_GRAYTEXT)).rows).empty());
}

TEST_F(FrameControlTest, MenuAndCaptionGlyphsAreDrawn)
{
    struct Case {
        UINT type;
        UINT state;
        COLORREF glyph;
    };
    const Case cases[] = {
        {DFC_MENU, DFCS_MENUCHECK, RGB(0, 0, 0)},
        {DFC_MENU, DFCS_MENUBULLET, RGB(0, 0, 0)},
        {DFC_MENU, DFCS_MENUARROW, RGB(0, 0, 0)},
        {DFC_CAPTION, DFCS_CAPTIONCLOSE, GetSysColor(COLOR_BTNTEXT)},
        {DFC_CAPTION, DFCS_CAPTIONOKBTN, GetSysColor(COLOR_BTNTEXT)},
    };
    for (const Case& c : cases) {
        look_test::Canvas canvas(16, 16, ground);
        RECT rect {0, 0, 16, 16};
        ASSERT_TRUE(DrawFrameControl(canvas.dc(), &rect, c.type, c.state));
        EXPECT_GE(used(glyphOf(canvas, c.glyph).rows).size(), 3u) << c.type << "/" << c.state;
        EXPECT_NE(canvas.at(1, 1), ground) << c.type << "/" << c.state << ": a background";
    }
    look_test::Canvas canvas(16, 16, ground);
    RECT rect {0, 0, 16, 16};
    SetLastError(0);
    EXPECT_FALSE(DrawFrameControl(canvas.dc(), &rect, 9, 0));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_FALSE(DrawFrameControl(canvas.dc(), &rect, DFC_SCROLL, 0x44));
    EXPECT_FALSE(DrawFrameControl(canvas.dc(), nullptr, DFC_BUTTON, 0));
    EXPECT_FALSE(DrawFrameControl(nullptr, &rect, DFC_BUTTON, 0));
    EXPECT_EQ(canvas.pixels(), std::vector<COLORREF>(256, ground));
}

} // namespace
