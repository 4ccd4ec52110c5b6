// DrawTextW: alignment in the rectangle, vertical placement, measuring with DT_CALCRECT, line
// breaks and word wrapping, tabs, '&' prefixes, the end ellipsis and clipping.
#include "TextCanvas.h"

namespace {

using namespace text_tests;

class DrawTextTest : public ::testing::Test {
protected:
    testing_support::TestDevice dev;
    TextCanvas canvas {200, 80};
    LONG lineHeight = 0;

    void SetUp() override
    {
        canvas.use(makeFont(u"Tahoma", -16));
        SetBkMode(canvas.dc(), TRANSPARENT);
        lineHeight = canvas.metrics().tmHeight;
    }
    int drawText(const std::u16string& text, RECT& rect, UINT format)
    {
        return DrawTextW(canvas.dc(), text.c_str(), static_cast<int>(text.size()), &rect, format);
    }
    // The rectangle DT_CALCRECT gives for a text laid out from (0, 0) in `width` pixels.
    RECT measured(const std::u16string& text, int width, UINT format)
    {
        RECT rect {0, 0, width, 0};
        const int height = drawText(text, rect, format | DT_CALCRECT);
        EXPECT_EQ(height, rect.bottom);
        return rect;
    }
    int linesOf(const std::u16string& text, int width, UINT format = DT_WORDBREAK)
    {
        return measured(text, width, format).bottom / lineHeight;
    }
};

TEST_F(DrawTextTest, AlignsHorizontally)
{
    const std::u16string text = u"Aligned";
    const RECT rect {20, 10, 180, 40};
    const int width = canvas.extent(text).cx;
    struct Case {
        UINT format;
        int left; // of the text's cell
    };
    const Case cases[] = {{DT_LEFT, 20}, {DT_CENTER, 20 + (160 - width) / 2}, {DT_RIGHT, 180 - width}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format);
        canvas.fill(paper);
        RECT r = rect;
        EXPECT_EQ(drawText(text, r, c.format), lineHeight);
        const RECT ink = canvas.inkBounds();
        // Side bearings leave at most a couple of pixels between the cell and the ink.
        EXPECT_GE(ink.left, c.left);
        EXPECT_LE(ink.left, c.left + 2);
        EXPECT_LE(ink.right, c.left + width);
        EXPECT_GE(ink.right, c.left + width - 2);
        EXPECT_GE(ink.top, rect.top);
        EXPECT_LE(ink.bottom, rect.top + lineHeight);
    }
}

TEST_F(DrawTextTest, PlacesASingleLineVertically)
{
    const RECT rect {0, 4, 200, 76};
    struct Case {
        UINT format;
        int top; // of the text's cell
    };
    const Case cases[] = {{DT_SINGLELINE | DT_TOP, 4}, {DT_SINGLELINE | DT_VCENTER, 4 + (72 - lineHeight) / 2},
        {DT_SINGLELINE | DT_BOTTOM, 76 - lineHeight}, {DT_VCENTER, 4}}; // without DT_SINGLELINE the text stays on top
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format);
        canvas.fill(paper);
        RECT r = rect;
        const int answer = drawText(u"Middle", r, c.format);
        const RECT ink = canvas.inkBounds();
        EXPECT_GE(ink.top, c.top);
        EXPECT_LE(ink.bottom, c.top + lineHeight);
        EXPECT_GT(ink.bottom, c.top + lineHeight / 2);
        // Placed text answers where it ends below the top.
        const bool placed = (c.format & DT_SINGLELINE) && (c.format & (DT_VCENTER | DT_BOTTOM));
        EXPECT_EQ(answer, placed ? c.top + lineHeight - rect.top : lineHeight);
    }
}

TEST_F(DrawTextTest, CalcRectMeasuresWithoutDrawing)
{
    const std::u16string text = u"Measure me";
    RECT rect {7, 9, 300, 500};
    EXPECT_EQ(drawText(text, rect, DT_SINGLELINE | DT_CALCRECT), lineHeight);
    EXPECT_EQ(rect.left, 7);
    EXPECT_EQ(rect.top, 9);
    EXPECT_EQ(rect.right, 7 + canvas.extent(text).cx);
    EXPECT_EQ(rect.bottom, 9 + lineHeight);
    EXPECT_EQ(canvas.count(paper), 200 * 80);

    struct Case {
        std::u16string text;
        int lines;
        std::u16string widest;
    };
    const Case cases[] = {{u"short\nmuch longer line\nmid", 3, u"much longer line"}, {u"one", 1, u"one"}, {u"", 0, u""},
        {u"a\r\nbb", 2, u"bb"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text.begin(), c.text.end()));
        const RECT r = measured(c.text, 1000, 0);
        EXPECT_EQ(r.bottom, c.lines * lineHeight);
        EXPECT_EQ(r.right, canvas.extent(c.widest).cx);
    }
    RECT empty {7, 9, 300, 500};
    EXPECT_EQ(drawText(u"", empty, DT_SINGLELINE | DT_CALCRECT), 0);
    EXPECT_EQ(empty.right, 7);
    EXPECT_EQ(empty.bottom, 9);
    // The whole text of a NUL-terminated string, or only the count given.
    RECT whole {0, 0, 0, 0};
    EXPECT_EQ(DrawTextW(canvas.dc(), u"abcdef", -1, &whole, DT_CALCRECT), lineHeight);
    EXPECT_EQ(whole.right, canvas.extent(u"abcdef").cx);
    RECT part {0, 0, 0, 0};
    DrawTextW(canvas.dc(), u"abcdef", 3, &part, DT_CALCRECT);
    EXPECT_EQ(part.right, canvas.extent(u"abc").cx);
}

TEST_F(DrawTextTest, LineBreaksAndWordWrapping)
{
    const int oneTwo = canvas.extent(u"one two").cx;
    const int three = canvas.extent(u"three").cx;
    struct Case {
        std::u16string text;
        int width;
        UINT format;
        int lines;
    };
    const Case cases[] = {
        {u"one two three", 1000, DT_WORDBREAK, 1},
        {u"one two three", oneTwo, DT_WORDBREAK, 2},
        {u"one two three", oneTwo - 1, DT_WORDBREAK, 3},
        {u"one two three", three, DT_WORDBREAK, 3},
        {u"one two three", 1, DT_WORDBREAK, 3}, // words wider than the line keep a line each
        {u"one two three", 1, 0, 1}, // no wrapping without DT_WORDBREAK
        {u"one two three", 1, DT_WORDBREAK | DT_SINGLELINE, 1},
        {u"a\nb", 1000, 0, 2},
        {u"a\rb", 1000, 0, 2},
        {u"a\r\nb", 1000, 0, 2},
        {u"a\n\rb", 1000, 0, 3},
        {u"a\n\nb", 1000, 0, 3},
        {u"a\n", 1000, 0, 1},
        {u"\n", 1000, 0, 1},
        {u"a\nb", 1000, DT_SINGLELINE, 1},
        {u"one two\nthree four", oneTwo, DT_WORDBREAK, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::string(c.text.begin(), c.text.end()) << " in " << c.width);
        EXPECT_EQ(linesOf(c.text, c.width, c.format), c.lines);
    }
    // The measured width is the widest line, even where a long word overflows the rectangle.
    EXPECT_EQ(measured(u"one two three", oneTwo, DT_WORDBREAK).right, oneTwo);
    EXPECT_EQ(measured(u"a extraordinarily b", 5, DT_WORDBREAK).right, canvas.extent(u"extraordinarily").cx);
}

TEST_F(DrawTextTest, WrappedLinesAreDrawnOneBelowTheOther)
{
    RECT rect {0, 0, canvas.extent(u"one two").cx, 80};
    EXPECT_EQ(drawText(u"one two three", rect, DT_WORDBREAK), 2 * lineHeight);
    const RECT ink = canvas.inkBounds();
    EXPECT_GT(ink.bottom, lineHeight); // a second line
    EXPECT_LE(ink.bottom, 2 * lineHeight);
    EXPECT_LE(ink.right, rect.right);
}

TEST_F(DrawTextTest, ExpandsTabs)
{
    const int tabStop = 8 * canvas.metrics().tmAveCharWidth;
    EXPECT_EQ(measured(u"a\tb", 1000, DT_EXPANDTABS).right, tabStop + canvas.extent(u"b").cx);
    EXPECT_EQ(measured(u"\t\tb", 1000, DT_EXPANDTABS).right, 2 * tabStop + canvas.extent(u"b").cx);
    EXPECT_EQ(measured(u"a\tb", 1000, 0).right, canvas.extent(u"ab").cx);
}

TEST_F(DrawTextTest, PrefixesUnderlineTheNextCharacter)
{
    struct Case {
        std::u16string text;
        UINT format;
        std::u16string shown;
    };
    const Case cases[] = {{u"&File", 0, u"File"}, {u"A&&B", 0, u"A&B"}, {u"Save &As", 0, u"Save As"},
        {u"End&", 0, u"End"}, {u"&File", DT_NOPREFIX, u"&File"}, {u"A&&B", DT_NOPREFIX, u"A&&B"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text.begin(), c.text.end()));
        EXPECT_EQ(measured(c.text, 1000, DT_SINGLELINE | c.format).right, canvas.extent(c.shown).cx);
    }
    // The underline is the only difference from the plain text, and lies under the 'F'.
    TextCanvas plain(200, 80);
    plain.use(makeFont(u"Tahoma", -16));
    SetBkMode(plain.dc(), TRANSPARENT);
    RECT rect {0, 0, 200, 80};
    drawText(u"&File", rect, DT_SINGLELINE);
    DrawTextW(plain.dc(), u"File", -1, &rect, DT_SINGLELINE);
    EXPECT_FALSE(canvas.samePixels(plain));
    const int baseline = canvas.metrics().tmAscent;
    const int fWidth = canvas.extent(u"F").cx;
    int underlined = 0;
    for (int x = 0; x < 200; ++x) {
        if (canvas.at(x, baseline + 1) == ink && plain.at(x, baseline + 1) == paper) {
            EXPECT_LT(x, fWidth);
            ++underlined;
        }
    }
    EXPECT_GE(underlined, fWidth / 2);
    canvas.fill(paper);
    drawText(u"&File", rect, DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_FALSE(canvas.samePixels(plain));
}

TEST_F(DrawTextTest, EndEllipsisShortensTheTextToFit)
{
    const std::u16string text = u"A rather long caption that cannot fit";
    const int width = 90;
    ASSERT_GT(canvas.extent(text).cx, width);
    const RECT fitted = measured(text, width, DT_SINGLELINE | DT_END_ELLIPSIS);
    EXPECT_LE(fitted.right, width);
    EXPECT_GT(fitted.right, width - canvas.extent(u"W").cx);

    // What is drawn is the longest start that fits with "..." after it.
    std::vector<INT> ends(text.size());
    SIZE size {};
    GetTextExtentExPointW(canvas.dc(), text.c_str(), static_cast<int>(text.size()), -1, nullptr, ends.data(), &size);
    const int dots = canvas.extent(u"...").cx;
    std::size_t kept = 0;
    while (kept < text.size() && ends[kept] + dots <= width)
        ++kept;
    const std::u16string expected = text.substr(0, kept) + u"...";
    EXPECT_EQ(fitted.right, canvas.extent(expected).cx);

    RECT rect {0, 0, width, 40};
    drawText(text, rect, DT_SINGLELINE | DT_END_ELLIPSIS);
    TextCanvas reference(200, 80);
    reference.use(makeFont(u"Tahoma", -16));
    SetBkMode(reference.dc(), TRANSPARENT);
    ExtTextOutW(reference.dc(), 0, 0, 0, nullptr, expected.c_str(), static_cast<UINT>(expected.size()), nullptr);
    EXPECT_TRUE(canvas.samePixels(reference));

    // A text that fits is left alone.
    EXPECT_EQ(measured(u"Short", width, DT_SINGLELINE | DT_END_ELLIPSIS).right, canvas.extent(u"Short").cx);
}

TEST_F(DrawTextTest, ClipsToTheRectangleUnlessNoClip)
{
    const std::u16string text = u"Clipped to the rectangle";
    const RECT rect {10, 10, 60, 20};
    RECT r = rect;
    drawText(text, r, DT_SINGLELINE);
    const RECT ink = canvas.inkBounds();
    EXPECT_FALSE(IsRectEmpty(&ink));
    EXPECT_GE(ink.left, rect.left);
    EXPECT_GE(ink.top, rect.top);
    EXPECT_LE(ink.right, rect.right);
    EXPECT_LE(ink.bottom, rect.bottom);

    canvas.fill(paper);
    drawText(text, r, DT_SINGLELINE | DT_NOCLIP);
    EXPECT_GT(canvas.inkBounds().right, rect.right);
    EXPECT_GT(canvas.inkBounds().bottom, rect.bottom);
}

TEST_F(DrawTextTest, UsesTheDeviceContextsColoursAndMode)
{
    SetTextColor(canvas.dc(), blue);
    SetBkColor(canvas.dc(), red);
    SetBkMode(canvas.dc(), OPAQUE);
    RECT rect {0, 0, 200, 80};
    drawText(u"one\ntwo", rect, 0);
    const RECT filled = canvas.inkBounds();
    EXPECT_EQ(filled.top, 0);
    EXPECT_EQ(filled.bottom, 2 * lineHeight); // both lines' cells
    EXPECT_GT(canvas.count(red), 0);
    EXPECT_GT(canvas.count(blue), 0);
    EXPECT_EQ(canvas.count(ink), 0);
}

TEST_F(DrawTextTest, BadArgumentsFail)
{
    SetLastError(0);
    EXPECT_EQ(DrawTextW(canvas.dc(), u"a", 1, nullptr, 0), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    RECT rect {0, 0, 10, 10};
    SetLastError(0);
    EXPECT_EQ(DrawTextW(reinterpret_cast<HDC>(0x1234), u"a", 1, &rect, 0), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

} // namespace
