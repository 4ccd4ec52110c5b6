// The 96-dpi metrics of the list controls (SysListView32, SysHeader32): what hit-testing and
// item rectangles use now and what drawing will use. Text is measured with one average
// character width until fonts exist.
#pragma once

#include <string_view>

#include "windows.h"

namespace ce::gwes::listmetrics {

constexpr int rowHeight = 16;        // at least; taller small or state images make rows taller
constexpr int headerHeight = 18;
constexpr int stateImageWidth = 16;  // the check box at the row's left (LVS_EX_CHECKBOXES)
constexpr int indentWidth = 16;      // one LVIF_INDENT step without a small image list
constexpr int averageCharWidth = 6;  // Tahoma 8 pt at 96 dpi, on average
constexpr int cellPadding = 12;      // left plus right margin of a cell's text (autosizing)
constexpr int dividerZone = 4;       // pixels either side of a header divider that grab it

// System colours the lists start with (COLORREF 0x00BBGGRR).
constexpr COLORREF windowColor = 0x00FFFFFF;
constexpr COLORREF windowTextColor = 0x00000000;
constexpr COLORREF highlightColor = 0x00800000;
constexpr COLORREF highlightTextColor = 0x00FFFFFF;

inline int textWidth(std::u16string_view text)
{
    return static_cast<int>(text.size()) * averageCharWidth;
}

} // namespace ce::gwes::listmetrics
