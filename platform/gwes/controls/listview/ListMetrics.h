// The 96-dpi metrics of the list controls (SysListView32, SysHeader32), which hit-testing, item
// rectangles and drawing share; scaled() turns them into pixels of this screen.
#pragma once

#include "gwes/Screen.h"
#include "windows.h"

namespace ce::gwes::listmetrics {

constexpr int rowHeight = 16;        // at least; taller small or state images make rows taller
constexpr int headerHeight = 18;
constexpr int stateImageWidth = 16;  // the check box at the row's left (LVS_EX_CHECKBOXES)
constexpr int checkBoxSide = 13;     // the box drawn inside a check box state image
constexpr int indentWidth = 16;      // one LVIF_INDENT step without a small image list
constexpr int cellPadding = 12;      // left plus right margin of a cell's or header item's text
constexpr int labelMargin = 2;       // between an item's image and its label
constexpr int dividerZone = 4;       // pixels either side of a header divider that grab it
constexpr int separatorInset = 2;    // a header separator's gap above and below
constexpr int minimumThumb = 8;      // the shortest scroll bar thumb

inline int scaled(int pixelsAt96Dpi)
{
    return scaledForScreen(pixelsAt96Dpi);
}

} // namespace ce::gwes::listmetrics
