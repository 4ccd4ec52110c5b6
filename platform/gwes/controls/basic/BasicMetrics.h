// The sizes the basic controls lay out with, in one place for hit-testing now and drawing
// later: a Pocket PC screen at 96 dpi with the 8-point system font.
#pragma once

namespace ce::gwes::basic {

constexpr int listRowHeight = 16; // a list box row and a row of a combo box's dropped list
constexpr int comboFieldHeight = 20; // a closed combo box (its window height after creation)
constexpr int comboButtonWidth = 16; // the drop arrow at the right of a combo box's field
constexpr int editLineHeight = 16; // a line of an edit control
constexpr int averageCharWidth = 5; // an edit character: caret placement, fitting text in a width
constexpr int editMargin = 2; // between an edit's border and its text, on each side

} // namespace ce::gwes::basic
