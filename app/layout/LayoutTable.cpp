// Orientation of a screen and the extent of a layout table.
#include "LayoutTable.h"

#include <algorithm>

Orientation orientationOf(int width, int height)
{
    if (width < height) {
        return portrait;
    }
    return width > height ? landscape : square;
}

std::span<LayoutEntry> tableEntries(std::span<LayoutEntry> table)
{
    const auto end = std::ranges::find(table, 0, &LayoutEntry::id);
    return table.first(static_cast<size_t>(end - table.begin()));
}
