// The sizes the basic controls lay out and draw with, in one place so that hit-testing and
// drawing agree: 96-dpi measures for the 8-point system font, scaled to the screen (doubled at
// 192 dpi).
#pragma once

#include "gwes/Screen.h"

namespace ce::gwes::basic {

// A list box row and a row of a combo box's dropped list.
inline int listRowHeight()
{
    return scaledForScreen(16);
}
// A closed combo box (its window height after creation).
inline int comboFieldHeight()
{
    return scaledForScreen(20);
}
// The drop arrow at the right of a combo box's field.
inline int comboButtonWidth()
{
    return scaledForScreen(16);
}
// A line of an edit control.
inline int editLineHeight()
{
    return scaledForScreen(16);
}
// Between an edit's border and its text, on each side.
inline int editMargin()
{
    return scaledForScreen(2);
}
// A check box's or radio button's square, and the gap between it and its text.
inline int checkBoxSize()
{
    return scaledForScreen(13);
}
inline int checkBoxGap()
{
    return scaledForScreen(4);
}
// Between a list row's or a static's edge and its text.
inline int textMargin()
{
    return scaledForScreen(2);
}
// A group box's caption, from the box's left edge.
inline int groupCaptionIndent()
{
    return scaledForScreen(8);
}

} // namespace ce::gwes::basic
