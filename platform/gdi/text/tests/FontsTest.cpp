// Font objects and measuring: CreateFontIndirectW, the font GetObjectW answers, the system font
// at both screen densities, GetTextMetricsW and the extent calls.
#include "TextCanvas.h"

#include "gdi/text/TextFonts.h"

namespace {

using namespace text_tests;

class FontsTest : public ::testing::Test {
protected:
    testing_support::TestDevice dev;
    TextCanvas canvas {8, 8};
};

TEST_F(FontsTest, CreateFontIndirectMakesFontObjects)
{
    SetLastError(0);
    EXPECT_EQ(CreateFontIndirectW(nullptr), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));

    HFONT font = makeFont(u"Tahoma", -12);
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(GetObjectType(font), static_cast<DWORD>(OBJ_FONT));
    EXPECT_EQ(GetObjectType(GetStockObject(SYSTEM_FONT)), static_cast<DWORD>(OBJ_FONT));
    // A new device context starts with the system font.
    EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_FONT), GetStockObject(SYSTEM_FONT));
    canvas.use(font);
    EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_FONT), font);
}

TEST_F(FontsTest, FontObjectInfoIsTheLogFont)
{
    LOGFONTW asked {};
    asked.lfHeight = -15;
    asked.lfWeight = FW_BOLD;
    asked.lfItalic = 1;
    std::u16string face = u"Courier New";
    std::copy(face.begin(), face.end(), asked.lfFaceName);
    ce::gdi::FontObject font;
    font.logFont = asked;

    EXPECT_EQ(ce::gdi::fontObjectInfo(font, 0, nullptr), static_cast<int>(sizeof(LOGFONTW)));
    LOGFONTW told {};
    ASSERT_EQ(ce::gdi::fontObjectInfo(font, sizeof told, &told), static_cast<int>(sizeof(LOGFONTW)));
    EXPECT_EQ(told.lfHeight, -15);
    EXPECT_EQ(told.lfWeight, FW_BOLD);
    EXPECT_EQ(told.lfItalic, 1);
    EXPECT_EQ(std::u16string(told.lfFaceName), face);
    // A short buffer gets what fits.
    LONG height = 0;
    EXPECT_EQ(ce::gdi::fontObjectInfo(font, sizeof height, &height), static_cast<int>(sizeof height));
    EXPECT_EQ(height, -15);
}

TEST_F(FontsTest, ExtentsGrowWithTheHeight)
{
    SIZE previous {};
    for (int height : {-8, -11, -16, -24, -48}) {
        SCOPED_TRACE(height);
        canvas.use(makeFont(u"Tahoma", height));
        const SIZE size = canvas.extent(u"Hello, world");
        EXPECT_GT(size.cx, previous.cx);
        EXPECT_GT(size.cy, previous.cy);
        const TEXTMETRICW tm = canvas.metrics();
        EXPECT_EQ(size.cy, tm.tmHeight);
        // A negative height is the character height: the cell without its internal leading.
        EXPECT_EQ(tm.tmHeight - tm.tmInternalLeading, -height);
        previous = size;
    }
    // A positive height is the cell height.
    for (int height : {10, 13, 20, 40}) {
        SCOPED_TRACE(height);
        canvas.use(makeFont(u"Tahoma", height));
        EXPECT_EQ(canvas.metrics().tmHeight, height);
        EXPECT_EQ(canvas.extent(u"x").cy, height);
    }
}

TEST_F(FontsTest, ExtentsOfEmptyAndSingleCharacters)
{
    canvas.use(makeFont(u"Tahoma", -16));
    const TEXTMETRICW tm = canvas.metrics();
    const SIZE empty = canvas.extent(u"");
    EXPECT_EQ(empty.cx, 0);
    EXPECT_EQ(empty.cy, tm.tmHeight);
    for (const std::u16string text : {u"W", u"i", u"m", u"."}) {
        SCOPED_TRACE(std::string(text.begin(), text.end()));
        const SIZE one = canvas.extent(text);
        EXPECT_GT(one.cx, 0);
        EXPECT_LE(one.cx, tm.tmMaxCharWidth);
        EXPECT_EQ(canvas.extent(text + text).cx, 2 * one.cx); // no kerning
    }
    EXPECT_GT(canvas.extent(u"W").cx, canvas.extent(u"i").cx);
}

TEST_F(FontsTest, TahomaIsProportionalAndCourierNewFixed)
{
    struct Case {
        std::u16string face;
        bool fixed;
    };
    for (const Case& c : {Case {u"Tahoma", false}, Case {u"Courier New", true}}) {
        SCOPED_TRACE(std::string(c.face.begin(), c.face.end()));
        canvas.use(makeFont(c.face, -16));
        const TEXTMETRICW tm = canvas.metrics();
        EXPECT_EQ(tm.tmAscent + tm.tmDescent, tm.tmHeight);
        EXPECT_GT(tm.tmAveCharWidth, 0);
        EXPECT_GE(tm.tmMaxCharWidth, tm.tmAveCharWidth);
        EXPECT_EQ(tm.tmWeight, FW_NORMAL);
        // The low bit of the pitch set means a variable pitch.
        EXPECT_EQ((tm.tmPitchAndFamily & 1) == 0, c.fixed);
        EXPECT_EQ(canvas.extent(u"iiii").cx == canvas.extent(u"WWWW").cx, c.fixed);
        if (c.fixed) {
            EXPECT_EQ(canvas.extent(u"abc").cx, 3 * tm.tmAveCharWidth);
        }
    }
}

TEST_F(FontsTest, WeightAndItalicChooseTheStyledFonts)
{
    canvas.use(makeFont(u"Tahoma", -16, FW_BOLD));
    EXPECT_GE(canvas.metrics().tmWeight, FW_SEMIBOLD);
    const LONG boldWidth = canvas.extent(u"Bold text").cx;
    canvas.use(makeFont(u"Tahoma", -16, FW_NORMAL, DEFAULT_QUALITY, true));
    EXPECT_TRUE(canvas.metrics().tmItalic);
    canvas.use(makeFont(u"Tahoma", -16));
    EXPECT_FALSE(canvas.metrics().tmItalic);
    EXPECT_GT(boldWidth, canvas.extent(u"Bold text").cx);
}

TEST_F(FontsTest, ExtentExTellsWhatFits)
{
    canvas.use(makeFont(u"Tahoma", -16));
    const std::u16string text = u"Fitting text";
    const int count = static_cast<int>(text.size());
    std::vector<INT> ends(text.size());
    SIZE size {};
    INT fit = -1;
    ASSERT_TRUE(GetTextExtentExPointW(canvas.dc(), text.c_str(), count, -1, &fit, ends.data(), &size));
    EXPECT_EQ(fit, count);
    EXPECT_EQ(size.cx, canvas.extent(text).cx);
    EXPECT_EQ(ends.back(), size.cx);
    for (int at = 0; at < count; ++at)
        EXPECT_EQ(ends[at], canvas.extent(text.substr(0, at + 1)).cx);

    struct Case {
        int maxExtent;
        int fit;
    };
    const Case cases[] = {{0, 0}, {ends[0] - 1, 0}, {ends[0], 1}, {ends[4], 5}, {ends[4] + 1, 5},
        {ends.back() - 1, count - 1}, {ends.back(), count}, {ends.back() + 100, count}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.maxExtent);
        ASSERT_TRUE(GetTextExtentExPointW(canvas.dc(), text.c_str(), count, c.maxExtent, &fit, nullptr, &size));
        EXPECT_EQ(fit, c.fit);
    }
}

TEST_F(FontsTest, BadArgumentsFail)
{
    SIZE size {};
    TEXTMETRICW tm {};
    HDC notADc = reinterpret_cast<HDC>(0x1234);
    SetLastError(0);
    EXPECT_FALSE(GetTextExtentPoint32W(notADc, u"a", 1, &size));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_FALSE(GetTextMetricsW(notADc, &tm));
    struct Case {
        LPCWSTR text;
        int count;
        LPSIZE size;
    };
    for (const Case& c : {Case {u"a", -1, &size}, Case {nullptr, 2, &size}, Case {u"a", 1, nullptr}}) {
        SetLastError(0);
        EXPECT_FALSE(GetTextExtentPoint32W(canvas.dc(), c.text, c.count, c.size));
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    }
    EXPECT_FALSE(GetTextMetricsW(canvas.dc(), nullptr));
}

TEST_F(FontsTest, TheSystemFontIsTahomaAtTheDialogSize)
{
    const TEXTMETRICW system = canvas.metrics();
    canvas.use(makeFont(u"Tahoma", -11));
    const TEXTMETRICW tahoma = canvas.metrics();
    EXPECT_EQ(system.tmHeight, tahoma.tmHeight);
    EXPECT_EQ(system.tmAveCharWidth, tahoma.tmAveCharWidth);
    EXPECT_EQ(system.tmHeight - system.tmInternalLeading, 11);
}

TEST(FontsOnAHighDensityScreen, TheSystemFontIsTwiceTheSize)
{
    emulator::Profile profile = testing_support::smallProfile();
    profile.screenDpi = 192; // the text's size follows the density alone
    testing_support::TestDevice dev(profile);
    TextCanvas canvas(8, 8);
    const TEXTMETRICW system = canvas.metrics();
    EXPECT_EQ(system.tmHeight - system.tmInternalLeading, 22);
    const SIZE systemExtent = canvas.extent(u"Dialog text");
    canvas.use(makeFont(u"Tahoma", -22));
    EXPECT_EQ(canvas.extent(u"Dialog text").cx, systemExtent.cx);

    // What GetObjectW tells of the stock font is the size it draws at, so that a font made from
    // it (say, a bold one) matches it.
    ce::gdi::FontObject stock;
    stock.stock = true;
    stock.logFont.lfHeight = -11;
    LOGFONTW told {};
    ce::gdi::fontObjectInfo(stock, sizeof told, &told);
    EXPECT_EQ(told.lfHeight, -22);
}

} // namespace
