// The frame controls' shapes, drawn from small pixel patterns or by measuring each pixel's
// centre against the shape.
#include "Glyphs.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace ce::gwes::look {
namespace {

int width(const RECT& r)
{
    return r.right - r.left;
}
int height(const RECT& r)
{
    return r.bottom - r.top;
}

// A pixel pattern ('#' drawn) scaled by `unit` with its top-left corner at (x, y).
template <size_t Rows>
void drawPattern(
    gdi::DrawTarget& target, const std::array<std::string_view, Rows>& rows, int x, int y, int unit, COLORREF color)
{
    for (size_t row = 0; row < Rows; ++row) {
        for (size_t column = 0; column < rows[row].size(); ++column) {
            if (rows[row][column] != '#')
                continue;
            const int left = x + static_cast<int>(column) * unit;
            const int top = y + static_cast<int>(row) * unit;
            target.fillRect({left, top, left + unit, top + unit}, color);
        }
    }
}

// The whole-pixel scale at which a shape designed for `designed` pixels fits `available`.
int unitFor(int available, int designed)
{
    return std::max(1, available / designed);
}

constexpr std::array<std::string_view, 7> checkMark {
    "......#",
    ".....##",
    "#...###",
    "##.###.",
    "#####..",
    ".###...",
    "..#....",
};

constexpr std::array<std::string_view, 7> okLetters {
    ".....#...",
    ".....#...",
    ".##..#..#",
    "#..#.#.#.",
    "#..#.##..",
    "#..#.#.#.",
    ".##..#..#",
};

} // namespace

void drawCheckMark(gdi::DrawTarget& target, const RECT& box, COLORREF color)
{
    const int unit = unitFor(std::min(width(box), height(box)), 13);
    const int size = 7 * unit;
    drawPattern(target, checkMark, box.left + (width(box) - size) / 2, box.top + (height(box) - size) / 2, unit, color);
}

void drawDisc(gdi::DrawTarget& target, const RECT& box, int diameter, COLORREF color)
{
    // Doubled coordinates keep the centre of an even-sized box whole.
    const int centreX = box.left + box.right;
    const int centreY = box.top + box.bottom;
    const int reach = diameter * diameter;
    for (int y = box.top; y < box.bottom; ++y) {
        for (int x = box.left; x < box.right; ++x) {
            const int dx = 2 * x + 1 - centreX;
            const int dy = 2 * y + 1 - centreY;
            if (dx * dx + dy * dy <= reach)
                target.plot(x, y, color);
        }
    }
}

void drawArrow(gdi::DrawTarget& target, const RECT& box, ArrowDirection direction, COLORREF color)
{
    // The base is odd so that the tip is one pixel; the depth is half the base, rounded up.
    const int base = std::max(3, (std::min(width(box), height(box)) / 2) | 1);
    const int depth = (base + 1) / 2;
    const bool vertical = direction == ArrowDirection::up || direction == ArrowDirection::down;
    const int across = vertical ? box.left + (width(box) - base) / 2 : box.top + (height(box) - base) / 2;
    const int along = vertical ? box.top + (height(box) - depth) / 2 : box.left + (width(box) - depth) / 2;
    for (int step = 0; step < depth; ++step) {
        // Row `step` from the base: the base loses a pixel at each end per row.
        const bool tipFirst = direction == ArrowDirection::up || direction == ArrowDirection::left;
        const int line = along + (tipFirst ? depth - 1 - step : step);
        const int from = across + step;
        const int to = across + base - step;
        if (vertical)
            target.fillSpan(line, from, to, color);
        else
            target.fillRect({line, from, line + 1, to}, color);
    }
}

void drawCross(gdi::DrawTarget& target, const RECT& box, COLORREF color)
{
    const int side = std::max(4, std::min(width(box), height(box)) / 2);
    const int unit = std::max(1, side / 8);
    const int left = box.left + (width(box) - side) / 2;
    const int top = box.top + (height(box) - side) / 2;
    for (int i = 0; i < side; ++i) {
        const int thick = 2 * unit;
        target.fillSpan(top + i, left + i, std::min(left + i + thick, left + side), color);
        target.fillSpan(top + i, std::max(left + side - i - thick, left), left + side - i, color);
    }
}

void drawOk(gdi::DrawTarget& target, const RECT& box, COLORREF color)
{
    const int unit = unitFor(height(box), 14);
    drawPattern(
        target, okLetters, box.left + (width(box) - 9 * unit) / 2, box.top + (height(box) - 7 * unit) / 2, unit, color);
}

} // namespace ce::gwes::look
