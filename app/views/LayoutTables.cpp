// The program's layout tables in design units: portrait 240 x 268 and square 240 x 188 client
// areas, landscape 320 x 188. They are scaled to the real screen once, before the first view.
#include <array>

#include "LayoutDialog.h"
#include "TabView.h"

namespace {

// Six tab buttons across the bottom of a client area `width` wide whose bottom is `bottom`.
constexpr RECT tabButton(int index, int width, int bottom)
{
    return {index * width / 6, bottom - 24, (index + 1) * width / 6, bottom};
}

constexpr LayoutEntry tabEntry(int id, int index)
{
    return {id, {tabButton(index, 240, 268), tabButton(index, 320, 188), tabButton(index, 240, 188)}};
}

LayoutEntry tabViewTable[] = {
    {pageTitleId, {{2, 2, 96, 20}, {2, 2, 176, 20}, {2, 2, 96, 20}}},
    {resizeButtonId, {{98, 1, 144, 21}, {178, 1, 224, 21}, {98, 1, 144, 21}}},
    {optionsButtonId, {{146, 1, 192, 21}, {226, 1, 272, 21}, {146, 1, 192, 21}}},
    {refreshButtonId, {{194, 1, 238, 21}, {274, 1, 318, 21}, {194, 1, 238, 21}}},
    tabEntry(1102, 0),
    tabEntry(1092, 1),
    tabEntry(1093, 2),
    tabEntry(1095, 3),
    tabEntry(1105, 4),
    tabEntry(1104, 5),
    {0, {}},
};

// The About box: its title, the product bitmap centred, the version line under it.
LayoutEntry aboutTable[] = {
    {pageTitleId, {{2, 2, 238, 20}, {2, 2, 318, 20}, {2, 2, 238, 20}}},
    {109, {{96, 60, 144, 108}, {136, 30, 184, 78}, {96, 40, 144, 88}}},
    {1242, {{4, 120, 236, 140}, {4, 90, 316, 110}, {4, 100, 236, 120}}},
    {0, {}},
};

const std::array<std::span<LayoutEntry>, 2> tables = {tabViewTable, aboutTable};

} // namespace

std::span<const std::span<LayoutEntry>> programLayoutTables()
{
    return tables;
}

std::span<LayoutEntry> tabViewLayout()
{
    return tabViewTable;
}

std::span<LayoutEntry> aboutLayout()
{
    return aboutTable;
}
