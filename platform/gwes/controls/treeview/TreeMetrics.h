// The tree view's geometry at 96 dpi (Pocket PC), in one place for layout, hit-testing and
// drawing; scaledForScreen turns each into pixels of the device's screen. A label is as wide as
// its text in the control's font.
#pragma once

#include "windows.h"

namespace ce::gwes::tree_metrics {

constexpr int itemHeight = 16; // a row: a 16-pixel image or one line of the system font
constexpr int indent = 19; // one level, and the column that holds an item's +/- button
constexpr int minimumIndent = 8;
constexpr int buttonSize = 9; // the +/- box, centred in the button column
constexpr int stateIconWidth = 16; // without a state image list of a known size
constexpr int imageWidth = 16; // the same for the normal image list
constexpr int checkBoxSize = 13; // the check boxes of TVS_CHECKBOXES, centred in a state icon
constexpr int averageCharWidth = 6; // when text cannot be measured
constexpr int labelPadding = 2; // each side of the label's text

constexpr UINT scrollTime = 300; // ms, TVM_SETSCROLLTIME's default
constexpr DWORD searchTimeout = 1000; // ms between keys of one incremental search

} // namespace ce::gwes::tree_metrics
