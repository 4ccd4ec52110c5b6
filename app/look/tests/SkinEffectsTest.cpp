// Effect codes on a small skin: which mode each code runs, where its amount comes from, the grey
// colour that colourises by saturating, and codes outside the table.
#include <gtest/gtest.h>

#include <vector>

#include "PixelModes.h"
#include "SkinEffects.h"

namespace {

// Black and the key colour, which stay, and an orange pixel: H 13, L 117, S 144 (19.5 deg puts
// green at m1 + .325 (m2 - m1)).
const std::vector<COLORREF> skin {RGB(0, 0, 0), keyColour, RGB(200, 100, 50)};

TEST(SkinEffects, EachCodeChangesTheSkinByItsMode)
{
    const std::tuple<int, COLORREF, COLORREF> cases[] = {
        {skin_effect::convert, RGB(10, 100, 200), RGB(200, 100, 50)},
        // blend by red 200, the top byte no part of the colour: (200*255 + 55*c) / 256 -> 201, 220, 242
        {skin_effect::colourise, 0x7F000000 | RGB(10, 100, 200), RGB(201, 220, 242)},
        // a grey colour raises saturation by 20: S 164: m2 = .8206 -> 209, m1 = .1544 -> 39, green .3709 -> 95
        {skin_effect::colourise, RGB(90, 90, 90), RGB(209, 95, 39)},
        // H 13 + 0 - 140 -> 0; S 144; L 117 + 120 - 100 = 137: m2 = .8283 -> 211, m1 = .3133 -> 80
        {skin_effect::tint, RGB(255, 0, 0), RGB(211, 80, 80)},
        {skin_effect::grey, 0, RGB(116, 116, 116)},
        // amounts from the top byte, the low bytes ignored. L 80: m2 = .5333 -> 136, m1 = .1333 -> 34,
        // green .2633 -> 67
        {skin_effect::darken, 0x25000000 | RGB(1, 2, 3), RGB(136, 67, 34)},
        // L 160: m2 = .8667 -> 221, m1 = .4667 -> 119, green .5967 -> 152
        {skin_effect::lighten, 0x2B000000, RGB(221, 152, 119)},
        // S 224: m2 = .9425 -> 240, m1 = .0325 -> 8, green .3283 -> 84
        {skin_effect::saturate, 0x50000000, RGB(240, 84, 8)},
        // S 60: m2 = .6094 -> 155, m1 = .3656 -> 93, green .4448 -> 113
        {skin_effect::desaturate, 0x54000000, RGB(155, 113, 93)},
        // blended (201,220,242) is H 141, L 208, S 147; L 228: m2 = .9806 -> 250, m1 = .9194 -> 234,
        // green at 211.5 deg: m1 + .475 (m2 - m1) -> 242
        {skin_effect::colouriseLighten, 0x14000000 | RGB(10, 100, 200), RGB(234, 242, 250)},
        // L 171: m2 = .8886 -> 227, m1 = .5364 -> 137, green .7037 -> 179
        {skin_effect::colouriseDarken, 0x25000000 | RGB(10, 100, 200), RGB(137, 179, 227)},
    };
    for (const auto& [effect, colour, orange] : cases) {
        std::vector<COLORREF> pixels = skin;
        EXPECT_TRUE(applySkinEffect(effect, colour, pixels)) << effect;
        EXPECT_EQ(pixels, (std::vector<COLORREF> {RGB(0, 0, 0), keyColour, orange}))
            << "effect " << effect << std::hex << " colour " << colour << " gave " << pixels[2];
    }
}

TEST(SkinEffects, CodesOutsideTheTableLeaveTheSkinAlone)
{
    for (int effect : {0, 9, 12, -1}) {
        std::vector<COLORREF> pixels = skin;
        EXPECT_FALSE(applySkinEffect(effect, 0x20FF0000, pixels)) << effect;
        EXPECT_EQ(pixels, skin) << effect;
    }
}

}  // namespace
