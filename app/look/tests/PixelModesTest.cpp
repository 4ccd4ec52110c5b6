// The HLS conversion on the 0-240 scale and the pixel modes, against values worked out by hand.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

#include "PixelModes.h"

namespace {

TEST(PixelModes, RgbToHlsOnThePickerScale)
{
    const std::pair<COLORREF, Hls> cases[] = {
        {RGB(0, 0, 0), {0, 0, 0}},
        {RGB(255, 255, 255), {0, 240, 0}},  // L = 510 * 120 / 255
        {RGB(128, 128, 128), {0, 120, 0}},  // L = 256 * 120 / 255 = 120.47, truncated
        // L = 120; S = (255*240 + 127) / 255 = 240; deltas (255*40 + 127) / 255 = 40; H = 160 + 40 - 40
        {RGB(0, 0, 255), {160, 120, 240}},
        // L = 250*120/255 = 117; S = (150*240 + 125) / 250 = 144;
        // delta b = (150*40 + 75) / 150 = 40, delta g = (100*40 + 75) / 150 = 27; H = 40 - 27
        {RGB(200, 100, 50), {13, 117, 144}},
        // L = 405*120/255 = 190 (> 120: the sum is 510 - 405 = 105); S = (105*240 + 52) / 105 = 240;
        // delta b = (105*40 + 52) / 105 = 40, delta g = (55*40 + 52) / 105 = 21; H = 19
        {RGB(255, 200, 150), {19, 190, 240}},
        // delta b = (127*40 + 127) / 255 = 20, delta g = 40; H = -20 wraps to 220
        {RGB(255, 0, 128), {220, 120, 240}},
    };
    for (const auto& [colour, hls] : cases)
        EXPECT_EQ(rgbToHls(colour), hls) << std::hex << colour;
}

// H, L and S are whole steps of 1/240 (L truncated), coarser than a channel's 1/255, so a channel
// may come back one level off. Dark, strongly coloured pixels lose up to five levels through the
// 1.5 degree hue step and are left out.
TEST(PixelModes, RoundTripsComeBackWithinOneLevel)
{
    const COLORREF colours[] = {RGB(255, 0, 0), RGB(0, 255, 255), RGB(255, 128, 0), RGB(12, 34, 56),
        RGB(250, 250, 10), RGB(1, 2, 3), RGB(100, 150, 200), RGB(33, 200, 99), RGB(240, 20, 140), RGB(1, 1, 1),
        RGB(64, 64, 64), RGB(254, 254, 254), RGB(90, 10, 10), RGB(127, 128, 129)};
    for (COLORREF colour : colours) {
        const COLORREF back = hlsToRgb(rgbToHls(colour));
        for (int shift : {0, 8, 16})
            EXPECT_LE(std::abs(int((back >> shift) & 0xFF) - int((colour >> shift) & 0xFF)), 1)
                << std::hex << colour << " came back as " << back;
    }
}

struct ModeCase {
    const char* name;
    std::function<COLORREF(COLORREF)> mode;
    COLORREF pixel;
    COLORREF expected;
};

// (200,100,50) is H 13, L 117, S 144; 13 * 1.5 = 19.5 deg puts green at m1 + .325 (m2 - m1).
const ModeCase modeCases[] = {
    // (255*255 + 0) / 256 = 254: the divisor is 256, so white ends one level below white
    {"blend white", [](COLORREF p) { return blendPixel(p, RGB(10, 100, 200)); }, RGB(255, 255, 255), RGB(254, 254, 254)},
    // only red counts: (128*255 + c*127) / 256 -> 33910/256 = 132, 45340/256 = 177, 58040/256 = 226
    {"blend red 128", [](COLORREF p) { return blendPixel(p, RGB(10, 100, 200)); }, RGB(128, 50, 60), RGB(132, 177, 226)},
    // H 13 + 0 - 140 -> 0; S 144*240/240; L 117 + 120 - 100 = 137: m2 = .8283 -> 211, m1 = .3133 -> 80
    {"tint red", [](COLORREF p) { return tintPixel(p, RGB(255, 0, 0)); }, RGB(200, 100, 50), RGB(211, 80, 80)},
    // colour H 147 L 117 S 144: H 20; S 144*144/240 = 86; L 134: m2 = .7166, m1 = .4001, 30 deg -> 183, 142, 102
    {"tint blue", [](COLORREF p) { return tintPixel(p, RGB(50, 100, 200)); }, RGB(200, 100, 50), RGB(183, 142, 102)},
    {"tint to black", [](COLORREF p) { return tintPixel(p, RGB(0, 0, 60)); }, RGB(30, 30, 30),
        RGB(0, 0, 0)},  // L 28 + 28 - 100 clamps to 0
    {"grey", greyPixel, RGB(200, 100, 50), RGB(116, 116, 116)},  // 350 / 3
    // L 80: l = 1/3, s = .6: m2 = .5333 -> 136, m1 = .1333 -> 34, green .2633 -> 67
    {"darken 37", [](COLORREF p) { return darkenPixel(p, 37); }, RGB(200, 100, 50), RGB(136, 67, 34)},
    {"darken past 0", [](COLORREF p) { return darkenPixel(p, 200); }, RGB(200, 100, 50), RGB(0, 0, 0)},
    // L 160: l = 2/3: m2 = .8667 -> 221, m1 = .4667 -> 119, green .5967 -> 152
    {"lighten 43", [](COLORREF p) { return lightenPixel(p, 43); }, RGB(200, 100, 50), RGB(221, 152, 119)},
    {"lighten past 240", [](COLORREF p) { return lightenPixel(p, 255); }, RGB(200, 100, 50), RGB(255, 255, 255)},
    // S 240 (also from 200 past it): m2 = .975 -> 248.6, m1 = 0, green .3169 -> 80.8
    {"saturate past 240", [](COLORREF p) { return saturatePixel(p, 200); }, RGB(200, 100, 50), RGB(249, 81, 0)},
    // S 60: m2 = .4875*1.25 = .6094 -> 155.4, m1 = .3656 -> 93.2, green .4448 -> 113.4
    {"desaturate 84", [](COLORREF p) { return desaturatePixel(p, 84); }, RGB(200, 100, 50), RGB(155, 113, 93)},
    {"desaturate past 0", [](COLORREF p) { return desaturatePixel(p, 200); }, RGB(200, 100, 50),
        RGB(124, 124, 124)},  // grey of L 117: 124.3
};

TEST(PixelModes, EachModeOnOnePixel)
{
    for (const ModeCase& c : modeCases)
        EXPECT_EQ(c.mode(c.pixel), c.expected) << c.name << std::hex << ": got " << c.mode(c.pixel);
}

TEST(PixelModes, BlackAndTheKeyColourNeverChange)
{
    for (const ModeCase& c : modeCases)
        for (COLORREF fixed : {RGB(0, 0, 0), keyColour})
            EXPECT_EQ(c.mode(fixed), fixed) << c.name << std::hex << " on " << fixed;
}

}  // namespace
