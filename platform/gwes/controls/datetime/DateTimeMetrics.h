// The date and time picker's measures at 96 dpi (Pocket PC). Headless, taps find fields by a
// fixed character width; drawing will use the same boxes.
#pragma once

namespace ce::gwes::datetime_metrics {

constexpr int checkBoxWidth = 16; // DTS_SHOWNONE's box at the left, with its gap
constexpr int textMargin = 2; // before the first character
constexpr int charWidth = 6; // every character of the shown text
constexpr int buttonWidth = 13; // the drop-down button or up-down arrows at the right

} // namespace ce::gwes::datetime_metrics
