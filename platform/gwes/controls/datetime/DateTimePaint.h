// How a date and time picker looks: where its check box, text and button lie (taps use the
// same places) and its painting.
#pragma once

#include <string>
#include <vector>

#include "windows.h"

namespace ce::gwes::datetime {

// What a picker shows, as its procedure works it out.
struct PickerView {
    std::u16string text; // the value through the format
    size_t fieldStart = 0; // the focused field's characters, highlighted while the control has
    size_t fieldEnd = 0; // the focus (equal: nothing highlighted)
    bool showNone = false; // DTS_SHOWNONE: a check box at the left
    bool checked = true;
    bool upDown = false; // DTS_UPDOWN: arrows instead of the drop-down button
    HFONT font = nullptr; // null: the system font
};

// The check box's column, the button's, both empty when not shown.
RECT checkBoxColumn(HWND hwnd, const PickerView& view);
RECT buttonColumn(HWND hwnd);
// The x of each character's left edge and of the text's end (text.size() + 1 values).
std::vector<int> characterEdges(HWND hwnd, const PickerView& view);
// The index of the character under x (text.size() past the end).
size_t characterAt(HWND hwnd, const PickerView& view, int x);

// WM_PAINT: a white field with a thin border, the check box, the text (the focused field in
// the highlight colours, grey when disabled or without a value) and the button.
void paintPicker(HWND hwnd, const PickerView& view);

} // namespace ce::gwes::datetime
