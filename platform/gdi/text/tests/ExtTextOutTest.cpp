// ExtTextOutW's pixels: ink inside the text's cell in the text colour, the background of
// OPAQUE mode and ETO_OPAQUE, TRANSPARENT mode, ETO_CLIPPED, caller-given advances, 1-bit text.
#include "TextCanvas.h"

namespace {

using namespace text_tests;

class ExtTextOutTest : public ::testing::Test {
protected:
    testing_support::TestDevice dev;
    TextCanvas canvas {160, 40};

    void SetUp() override { canvas.use(makeFont(u"Tahoma", -16)); }
    BOOL draw(
        int x, int y, const std::u16string& text, UINT options = 0, const RECT* rect = nullptr, const INT* dx = nullptr)
    {
        return ExtTextOutW(canvas.dc(), x, y, options, rect, text.c_str(), static_cast<UINT>(text.size()), dx);
    }
    bool inside(const RECT& inner, const RECT& outer)
    {
        return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right
            && inner.bottom <= outer.bottom;
    }
};

TEST_F(ExtTextOutTest, InkStaysInTheCellInTheTextColour)
{
    SetBkMode(canvas.dc(), TRANSPARENT);
    SetTextColor(canvas.dc(), blue);
    const std::u16string text = u"Highly jig";
    const SIZE size = canvas.extent(text);
    struct Case {
        int x, y;
    };
    for (const Case& c : {Case {0, 0}, Case {10, 5}, Case {37, 11}}) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        canvas.fill(paper);
        ASSERT_TRUE(draw(c.x, c.y, text));
        const RECT ink = canvas.inkBounds();
        EXPECT_FALSE(IsRectEmpty(&ink));
        EXPECT_TRUE(inside(ink, {c.x, c.y, c.x + size.cx, c.y + size.cy}));
        // Ascenders reach near the top of the cell, descenders below the baseline.
        EXPECT_LT(ink.top, c.y + canvas.metrics().tmAscent / 2);
        EXPECT_GT(ink.bottom, c.y + canvas.metrics().tmAscent);
        EXPECT_GT(canvas.count(blue), 0); // fully covered pixels take the text colour exactly
    }
}

TEST_F(ExtTextOutTest, BackgroundModes)
{
    const std::u16string text = u"Mode";
    const SIZE size = canvas.extent(text);
    const RECT cell {20, 10, 20 + size.cx, 10 + size.cy};
    SetBkColor(canvas.dc(), red);
    EXPECT_EQ(GetBkMode(canvas.dc()), OPAQUE); // the default
    ASSERT_TRUE(draw(cell.left, cell.top, text));
    const RECT filled = canvas.inkBounds();
    EXPECT_TRUE(EqualRect(&cell, &filled));
    EXPECT_EQ(canvas.at(cell.left, cell.top), red); // the internal leading is background
    EXPECT_EQ(canvas.at(cell.right - 1, cell.bottom - 1), red);

    canvas.fill(green);
    EXPECT_EQ(SetBkMode(canvas.dc(), TRANSPARENT), OPAQUE);
    EXPECT_EQ(GetBkMode(canvas.dc()), TRANSPARENT);
    ASSERT_TRUE(draw(cell.left, cell.top, text));
    EXPECT_EQ(canvas.count(red), 0);
    EXPECT_EQ(canvas.at(cell.left, cell.top), green);
    EXPECT_GT(canvas.count(ink), 0);

    SetLastError(0);
    EXPECT_EQ(SetBkMode(canvas.dc(), 7), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(GetBkMode(canvas.dc()), TRANSPARENT);
    EXPECT_EQ(GetBkMode(reinterpret_cast<HDC>(0x1234)), 0);
}

TEST_F(ExtTextOutTest, EtoOpaqueFillsTheRectangle)
{
    SetBkColor(canvas.dc(), red);
    const RECT area {5, 3, 120, 30};
    struct Case {
        int mode;
        std::u16string text;
    };
    for (const Case& c : {Case {TRANSPARENT, u""}, Case {TRANSPARENT, u"Opaque"}, Case {OPAQUE, u"Opaque"}}) {
        SCOPED_TRACE(testing::Message() << c.mode << " " << c.text.size());
        canvas.fill(paper);
        SetBkMode(canvas.dc(), c.mode);
        ASSERT_TRUE(draw(10, 8, c.text, ETO_OPAQUE, &area));
        const RECT filled = canvas.inkBounds();
        EXPECT_TRUE(EqualRect(&area, &filled));
        EXPECT_EQ(canvas.at(area.left, area.top), red);
        EXPECT_EQ(canvas.at(area.right - 1, area.bottom - 1), red);
        EXPECT_EQ(canvas.count(ink) > 0, !c.text.empty());
    }
}

TEST_F(ExtTextOutTest, EtoClippedKeepsTextInsideTheRectangle)
{
    SetBkColor(canvas.dc(), red);
    const std::u16string text = u"Clipped writing";
    const RECT clip {30, 10, 70, 18};
    for (int mode : {TRANSPARENT, OPAQUE}) {
        SCOPED_TRACE(mode);
        canvas.fill(paper);
        SetBkMode(canvas.dc(), mode);
        ASSERT_TRUE(draw(10, 5, text, ETO_CLIPPED, &clip));
        const RECT ink = canvas.inkBounds();
        EXPECT_FALSE(IsRectEmpty(&ink));
        EXPECT_TRUE(inside(ink, clip));
        // Without the flag the rectangle does not clip.
        canvas.fill(paper);
        ASSERT_TRUE(draw(10, 5, text, 0, &clip));
        EXPECT_FALSE(inside(canvas.inkBounds(), clip));
    }
}

TEST_F(ExtTextOutTest, AdvancesPlaceEachCharacter)
{
    SetBkMode(canvas.dc(), TRANSPARENT);
    const INT dx[] = {40, 40, 40};
    ASSERT_TRUE(draw(0, 0, u"lll", 0, nullptr, dx));
    // Each 'l' is a thin stem: its ink starts where its advance puts it.
    for (int column = 0; column < 3; ++column) {
        SCOPED_TRACE(column);
        int inked = 0;
        for (int x = column * 40; x < column * 40 + 40; ++x) {
            for (int y = 0; y < 40; ++y)
                inked += canvas.at(x, y) != paper ? 1 : 0;
        }
        EXPECT_GT(inked, 0);
    }
    EXPECT_LE(canvas.inkBounds().right, 2 * 40 + canvas.extent(u"l").cx);
    // The same text without advances is narrower.
    TextCanvas plain(160, 40);
    plain.use(makeFont(u"Tahoma", -16));
    SetBkMode(plain.dc(), TRANSPARENT);
    ASSERT_TRUE(ExtTextOutW(plain.dc(), 0, 0, 0, nullptr, u"lll", 3, nullptr));
    EXPECT_LT(plain.inkBounds().right, 40);
    EXPECT_GT(canvas.inkBounds().right, 80);
}

TEST_F(ExtTextOutTest, QualityChoosesAntialiasedOrOneBitText)
{
    SetBkMode(canvas.dc(), TRANSPARENT);
    struct Case {
        BYTE quality;
        bool greys;
    };
    const Case cases[] = {{NONANTIALIASED_QUALITY, false}, {ANTIALIASED_QUALITY, true}, {CLEARTYPE_QUALITY, true},
        {DEFAULT_QUALITY, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.quality));
        canvas.fill(paper);
        canvas.use(makeFont(u"Tahoma", -16, FW_NORMAL, c.quality));
        ASSERT_TRUE(draw(2, 2, u"Round sOg"));
        const int pixels = 160 * 40;
        EXPECT_EQ(canvas.count(paper) + canvas.count(ink) < pixels, c.greys);
        EXPECT_GT(canvas.count(ink), 0);
    }
}

TEST_F(ExtTextOutTest, BadArgumentsFail)
{
    SetLastError(0);
    EXPECT_FALSE(ExtTextOutW(canvas.dc(), 0, 0, 0, nullptr, nullptr, 3, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    SetLastError(0);
    EXPECT_FALSE(ExtTextOutW(reinterpret_cast<HDC>(0x1234), 0, 0, 0, nullptr, u"a", 1, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_TRUE(ExtTextOutW(canvas.dc(), 0, 0, 0, nullptr, nullptr, 0, nullptr));
    EXPECT_EQ(canvas.count(paper), 160 * 40);
}

} // namespace
