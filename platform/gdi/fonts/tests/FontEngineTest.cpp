// The font engine through its calls: Win32 sizes, measuring, coverage masks, the text cases
// GDI hands it (pairs, line characters, missing glyphs, empty text) and its errors.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <thread>

#include "FontFolderOverride.h"
#include "TestDevice.h"
#include "gdi/fonts/FontEngine.h"
#include "winerror.h"

using ce::gdi::FontEngine;
using ce::gdi::FontMetrics;
using ce::gdi::FontRequest;
using ce::gdi::GlyphRun;
using testing_support::TempFolder;

namespace {

FontRequest tahoma(int height, int weight = 400)
{
    return {u"Tahoma", height, weight, false, true};
}

FontMetrics metricsOf(FontEngine& engine, const FontRequest& request)
{
    FontMetrics metrics;
    EXPECT_EQ(engine.metrics(request, metrics), DWORD(ERROR_SUCCESS));
    return metrics;
}

SIZE extentOf(FontEngine& engine, const FontRequest& request, std::u16string_view text)
{
    SIZE extent{-1, -1};
    EXPECT_EQ(engine.textExtent(request, text, extent), DWORD(ERROR_SUCCESS));
    return extent;
}

std::vector<int> advancesOf(FontEngine& engine, const FontRequest& request, std::u16string_view text)
{
    std::vector<int> advances;
    EXPECT_EQ(engine.advanceWidths(request, text, advances), DWORD(ERROR_SUCCESS));
    return advances;
}

GlyphRun render(FontEngine& engine, const FontRequest& request, std::u16string_view text)
{
    GlyphRun run;
    EXPECT_EQ(engine.renderText(request, text, run), DWORD(ERROR_SUCCESS));
    return run;
}

// Whether any pixel in columns [from, to) of the run has ink.
bool inkInColumns(const GlyphRun& run, int from, int to)
{
    for (int y = 0; y < run.height; ++y) {
        for (int x = from; x < to; ++x) {
            if (run.coverage[std::size_t(y * run.width + x)] != 0)
                return true;
        }
    }
    return false;
}

const int heights[] = {8, 9, 10, 11, 12, 13, 14, 16, 18, 20, 24, 28, 32, 36, 40};

TEST(FontEngine, HeightsFollowTheWin32Rules)
{
    FontEngine engine;
    for (const char16_t* face : {u"Tahoma", u"Courier New"}) {
        for (const int height : heights) {
            SCOPED_TRACE(height);
            // Negative: the em is the height, the cell is at least that.
            const FontMetrics character = metricsOf(engine, {face, -height, 400, false, true});
            EXPECT_GE(character.tmHeight, height);
            EXPECT_EQ(character.tmHeight, character.tmAscent + character.tmDescent);
            EXPECT_EQ(character.tmInternalLeading, character.tmHeight - height);
            EXPECT_GT(character.tmAscent, character.tmDescent);
            // Positive: the cell is the height.
            const FontMetrics cell = metricsOf(engine, {face, height, 400, false, true});
            EXPECT_EQ(cell.tmHeight, height);
            EXPECT_EQ(cell.tmHeight, cell.tmAscent + cell.tmDescent);
            EXPECT_LE(cell.tmInternalLeading, character.tmInternalLeading);
        }
    }
}

TEST(FontEngine, MetricsDescribeTheFontUsed)
{
    FontEngine engine;
    const FontMetrics regular = metricsOf(engine, tahoma(0));
    EXPECT_EQ(regular.tmHeight - regular.tmInternalLeading, 12);  // the default character height
    EXPECT_EQ(regular.faceName, u"Tahoma");
    EXPECT_EQ(regular.tmWeight, 400);
    EXPECT_FALSE(regular.tmItalic);
    EXPECT_GT(regular.tmAveCharWidth, 0);
    EXPECT_GT(regular.tmMaxCharWidth, regular.tmAveCharWidth);

    const FontMetrics boldItalic = metricsOf(engine, {u"Arial", 0, 700, true, true});
    EXPECT_EQ(boldItalic.faceName, u"Tahoma");
    EXPECT_EQ(boldItalic.tmWeight, 700);
    EXPECT_TRUE(boldItalic.tmItalic);

    EXPECT_EQ(metricsOf(engine, {u"courier new", -12, 400, false, true}).faceName, u"Courier New");
}

TEST(FontEngine, ExtentsGrowWithHeightAndWeight)
{
    FontEngine engine;
    const std::u16string_view text = u"Kelvara Settings";
    SIZE previous{0, 0};
    for (const int height : heights) {
        SCOPED_TRACE(height);
        const SIZE extent = extentOf(engine, tahoma(-height), text);
        EXPECT_EQ(extent.cy, metricsOf(engine, tahoma(-height)).tmHeight);
        EXPECT_GE(extent.cx, previous.cx);
        EXPECT_GE(extent.cy, previous.cy);
        EXPECT_GT(extentOf(engine, tahoma(-height, 700), text).cx, extent.cx);
        previous = extent;
    }
    EXPECT_GT(previous.cx, extentOf(engine, tahoma(-8), text).cx * 4);
}

TEST(FontEngine, AdvancesAddUpToTheExtent)
{
    FontEngine engine;
    for (const bool antialiased : {true, false}) {
        const FontRequest request{u"Tahoma", -13, 400, false, antialiased};
        const std::u16string_view text = u"AVAWAY To, iiii";  // kerning pairs that GDI does not kern
        const std::vector<int> advances = advancesOf(engine, request, text);
        ASSERT_EQ(advances.size(), text.size());
        EXPECT_EQ(std::accumulate(advances.begin(), advances.end(), 0), extentOf(engine, request, text).cx);
        EXPECT_EQ(advances[0], advances[2]);  // "A" the same before "V" and before "W"
    }
}

TEST(FontEngine, CourierNewIsMonospaced)
{
    FontEngine engine;
    const std::vector<int> advances = advancesOf(engine, {u"Courier New", -14, 400, false, true}, u"iWm.");
    EXPECT_EQ(std::count(advances.begin(), advances.end(), advances[0]), 4);
    EXPECT_LT(advancesOf(engine, tahoma(-14), u"i")[0], advancesOf(engine, tahoma(-14), u"W")[0]);
}

TEST(FontEngine, LineCharactersAndTabsTakeNoSpace)
{
    FontEngine engine;
    const std::vector<int> advances = advancesOf(engine, tahoma(-12), u"a\tb\r\n");
    EXPECT_EQ(advances, (std::vector<int>{advances[0], 0, advances[2], 0, 0}));
    EXPECT_GT(advances[0], 0);
    EXPECT_EQ(extentOf(engine, tahoma(-12), u"a\tb\r\n").cx, extentOf(engine, tahoma(-12), u"ab").cx);
    const GlyphRun controls = render(engine, tahoma(-12), u"\t\r\n");
    EXPECT_EQ(controls.width, 0);
}

TEST(FontEngine, MissingCharactersDrawTheMissingGlyph)
{
    FontEngine engine;
    // U+F8FF (private use) and U+1F9A9 (a pair) are in no DejaVu file.
    const int missing = advancesOf(engine, tahoma(-16), u"\uF8FF")[0];
    EXPECT_GT(missing, 0);
    EXPECT_EQ(advancesOf(engine, tahoma(-16), u"\U0001F9A9"), (std::vector<int>{missing, 0}));
    EXPECT_EQ(advancesOf(engine, tahoma(-16), u"\xD800x")[0], missing);  // a lone surrogate
    const GlyphRun run = render(engine, tahoma(-16), u"\U0001F9A9");
    EXPECT_EQ(run.width, missing);
    EXPECT_TRUE(inkInColumns(run, 0, run.width));
    // A pair the font has is one character: U+1D400 (mathematical bold A) is in DejaVu Sans.
    const std::vector<int> pair = advancesOf(engine, tahoma(-16), u"\U0001D400");
    EXPECT_GT(pair[0], 0);
    EXPECT_EQ(pair[1], 0);
}

TEST(FontEngine, MasksHoldTheTextAndNothingElse)
{
    FontEngine engine;
    for (const bool antialiased : {true, false}) {
        SCOPED_TRACE(antialiased ? "antialiased" : "monochrome");
        const FontRequest request{u"Tahoma", -20, 400, false, antialiased};
        const std::u16string_view text = u"  Hx  ";
        const std::vector<int> advances = advancesOf(engine, request, text);
        const GlyphRun run = render(engine, request, text);
        const FontMetrics metrics = metricsOf(engine, request);
        ASSERT_EQ(run.width, extentOf(engine, request, text).cx);
        ASSERT_EQ(run.height, metrics.tmHeight);
        EXPECT_EQ(run.baseline, metrics.tmAscent);
        ASSERT_EQ(run.coverage.size(), std::size_t(run.width * run.height));

        const int inkFrom = advances[0] + advances[1];
        const int inkTo = inkFrom + advances[2] + advances[3];
        EXPECT_FALSE(inkInColumns(run, 0, inkFrom));
        EXPECT_TRUE(inkInColumns(run, inkFrom, inkFrom + advances[2]));
        EXPECT_TRUE(inkInColumns(run, inkFrom + advances[2], inkTo));
        EXPECT_FALSE(inkInColumns(run, inkTo, run.width));

        // "H" stands on the baseline and reaches well above it; nothing is below it.
        const auto rowHasInk = [&](int y) {
            return std::any_of(run.coverage.begin() + y * run.width, run.coverage.begin() + (y + 1) * run.width,
                               [](std::uint8_t value) { return value != 0; });
        };
        EXPECT_TRUE(rowHasInk(run.baseline - 1));
        EXPECT_TRUE(rowHasInk(run.baseline - 12));
        for (int y = run.baseline; y < run.height; ++y)
            EXPECT_FALSE(rowHasInk(y)) << "row " << y;
    }
}

TEST(FontEngine, OverlappingGlyphsKeepTheirInk)
{
    FontEngine engine;
    // A combining slash (no advance) is drawn over the "O": the letter keeps all of its ink.
    for (const bool antialiased : {true, false}) {
        SCOPED_TRACE(antialiased ? "antialiased" : "monochrome");
        const FontRequest request{u"Tahoma", -24, 400, false, antialiased};
        const GlyphRun letter = render(engine, request, u"O");
        const GlyphRun slashed = render(engine, request, u"O\u0338");
        ASSERT_EQ(slashed.coverage.size(), letter.coverage.size());
        int added = 0;
        for (std::size_t i = 0; i < letter.coverage.size(); ++i) {
            ASSERT_GE(slashed.coverage[i], letter.coverage[i]) << "pixel " << i;
            added += slashed.coverage[i] > letter.coverage[i];
        }
        EXPECT_GT(added, 10);
    }
}

TEST(FontEngine, MonochromeMasksAreOnOrOff)
{
    FontEngine engine;
    const auto isPartial = [](std::uint8_t value) { return value != 0 && value != 255; };
    const GlyphRun mono = render(engine, {u"Tahoma", -15, 400, true, false}, u"Round sample &@");
    EXPECT_TRUE(std::none_of(mono.coverage.begin(), mono.coverage.end(), isPartial));
    EXPECT_GT(std::count(mono.coverage.begin(), mono.coverage.end(), 255), 0);
    const GlyphRun smooth = render(engine, {u"Tahoma", -15, 400, true, true}, u"Round sample &@");
    EXPECT_TRUE(std::any_of(smooth.coverage.begin(), smooth.coverage.end(), isPartial));
}

TEST(FontEngine, BlankTextDrawsNothing)
{
    FontEngine engine;
    const GlyphRun space = render(engine, tahoma(-12), u" ");
    EXPECT_GT(space.width, 0);
    EXPECT_EQ(space.height, metricsOf(engine, tahoma(-12)).tmHeight);
    EXPECT_FALSE(inkInColumns(space, 0, space.width));

    const GlyphRun empty = render(engine, tahoma(-12), u"");
    EXPECT_EQ(empty.width, 0);
    EXPECT_EQ(empty.height, space.height);
    EXPECT_TRUE(empty.coverage.empty());
    EXPECT_EQ(extentOf(engine, tahoma(-12), u"").cx, 0);
    EXPECT_TRUE(advancesOf(engine, tahoma(-12), u"").empty());
}

TEST(FontEngine, ThreadsShareOneEngine)
{
    FontEngine engine;
    const std::u16string_view text = u"The same text at another size";
    const SIZE small = extentOf(engine, tahoma(-11), text);
    const SIZE large = extentOf(engine, tahoma(-29), text);
    std::vector<std::thread> threads;
    std::vector<SIZE> results(8);
    for (std::size_t t = 0; t < results.size(); ++t) {
        threads.emplace_back([&, t] {
            for (int i = 0; i < 20; ++i)
                engine.textExtent(tahoma(t % 2 ? -29 : -11), text, results[t]);
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    for (std::size_t t = 0; t < results.size(); ++t)
        EXPECT_EQ(results[t].cx, (t % 2 ? large : small).cx);
}

TEST(FontEngine, BadRequestsAndMissingFontsAreErrors)
{
    FontEngine engine;
    FontMetrics metrics;
    SIZE extent;
    for (const int height : {INT_MIN, -ce::gdi::maxFontHeight - 1, ce::gdi::maxFontHeight + 1, INT_MAX})
        EXPECT_EQ(engine.metrics(tahoma(height), metrics), DWORD(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(engine.metrics(tahoma(ce::gdi::maxFontHeight), metrics), DWORD(ERROR_SUCCESS));

    {
        TempFolder empty;
        FontFolderOverride fonts(empty.path());
        GlyphRun run;
        std::vector<int> advances;
        EXPECT_EQ(engine.metrics(tahoma(-12), metrics), DWORD(ERROR_FILE_NOT_FOUND));
        EXPECT_EQ(engine.textExtent(tahoma(-12), u"a", extent), DWORD(ERROR_FILE_NOT_FOUND));
        EXPECT_EQ(engine.advanceWidths(tahoma(-12), u"a", advances), DWORD(ERROR_FILE_NOT_FOUND));
        EXPECT_EQ(engine.renderText(tahoma(-12), u"a", run), DWORD(ERROR_FILE_NOT_FOUND));
    }
    {
        TempFolder broken;
        std::ofstream(broken.path() / "DejaVuSans.ttf") << "not a font";
        FontFolderOverride fonts(broken.path());
        EXPECT_EQ(engine.metrics(tahoma(-12), metrics), DWORD(ERROR_BAD_FORMAT));
    }
    {
        // A bitmap font has no outlines to size: not a device font.
        TempFolder bitmapOnly;
        std::ofstream(bitmapOnly.path() / "DejaVuSans.ttf")
            << "STARTFONT 2.1\nFONT -test-box-medium-r-normal--8-80-75-75-c-80-iso10646-1\nSIZE 8 75 75\n"
               "FONTBOUNDINGBOX 8 8 0 0\nSTARTPROPERTIES 2\nFONT_ASCENT 8\nFONT_DESCENT 0\nENDPROPERTIES\n"
               "CHARS 1\nSTARTCHAR A\nENCODING 65\nSWIDTH 500 0\nDWIDTH 8 0\nBBX 8 8 0 0\nBITMAP\n"
               "FF\n81\n81\n81\n81\n81\n81\nFF\nENDCHAR\nENDFONT\n";
        FontFolderOverride fonts(bitmapOnly.path());
        EXPECT_EQ(engine.metrics(tahoma(-8), metrics), DWORD(ERROR_BAD_FORMAT));
    }
    // The real fonts still serve once the folder is back.
    EXPECT_EQ(engine.textExtent(tahoma(-12), u"a", extent), DWORD(ERROR_SUCCESS));
}

}  // namespace
