// Scaling of the layout tables to the real screen, done once per process before the first
// layout dialog, and the doubling and halving that carry table units to a high-resolution
// screen's pixels and back.
#pragma once

#include <span>

#include "LayoutTable.h"

// A scale factor, always reduced; a scaled value is truncated toward zero.
struct Fraction {
    LONG numerator = 1;
    LONG denominator = 1;
    bool operator==(const Fraction&) const = default;
};

// The factors for one screen. W is its shorter side and H its longer one, in low-resolution
// units; C is the height left to a dialog (H − 52, or H − 70 when W is above 240) and D that
// height on the design screen (268, or 188 on square screens). Every factor is 1 on a design
// screen.
struct ScreenScale {
    Fraction shortSide;      // W ÷ 240
    Fraction longSide;       // H ÷ 320
    Fraction squareLongSide; // H ÷ 240
    Fraction clientHeight;   // C ÷ D
};

ScreenScale screenScaleOf(int screenWidth, int screenHeight, bool highResolution);

// Scales every rectangle of the table in place: x, y, width and height each by the factor of its
// orientation. The title-bar buttons keep their height; the product bitmap keeps its size and
// stays centred where its scaled rectangle is.
void scaleLayoutTable(std::span<LayoutEntry> table, const ScreenScale& scale);

// The height of a dialog's title rule: 20 in landscape, else 22, scaled like the controls.
LONG titleRuleHeight(Orientation orientation, const ScreenScale& scale);

RECT doubled(const RECT& rect);
RECT halved(const RECT& rect);
void doubleLayoutTable(std::span<LayoutEntry> table);
void halveLayoutTable(std::span<LayoutEntry> table);
