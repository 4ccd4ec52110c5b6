// The tree view's geometry at 96 dpi (Pocket PC), in one place for layout, hit-testing and
// drawing. Text is not measured yet: a label is as wide as its characters at an average width.
#pragma once

#include "windows.h"

namespace ce::gwes::tree_metrics {

constexpr int itemHeight = 16; // a row: a 16-pixel image or one line of the system font
constexpr int indent = 19; // one level, and the column that holds an item's +/- button
constexpr int minimumIndent = 8;
constexpr int buttonSize = 9; // the +/- box, centred in the button column
constexpr int stateIconWidth = 16;
constexpr int imageWidth = 16; // when a normal image list is set
constexpr int averageCharWidth = 6;
constexpr int labelPadding = 2; // each side of the label's text

constexpr UINT scrollTime = 300; // ms, TVM_SETSCROLLTIME's default
constexpr DWORD searchTimeout = 1000; // ms between keys of one incremental search

// The system colours the control uses until GDI provides GetSysColor.
constexpr COLORREF windowColor = 0x00FFFFFF;
constexpr COLORREF windowTextColor = 0x00000000;
constexpr COLORREF highlightColor = 0x00800000; // dark blue (COLORREF is 0x00BBGGRR)
constexpr COLORREF highlightTextColor = 0x00FFFFFF;

} // namespace ce::gwes::tree_metrics
