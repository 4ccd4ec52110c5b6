// The date and time picker's measures at 96 dpi (Pocket PC), turned into screen pixels with
// scaledForScreen. Taps and drawing use the same boxes; the text is measured in its font.
#pragma once

namespace ce::gwes::datetime_metrics {

constexpr int checkBoxWidth = 16; // DTS_SHOWNONE's box at the left, with its gap
constexpr int checkBoxSize = 13; // the box itself, centred in that width
constexpr int textMargin = 2; // before the first character
constexpr int buttonWidth = 13; // the drop-down button or up-down arrows at the right

} // namespace ce::gwes::datetime_metrics
