// The question dialog: a text, a "Show this message again." box and one or two buttons.
#pragma once

#include <string>

#include "windows.h"

// Shows `text` modally. With one button it is a message (title "Kelvara", "Done" menu); with two
// it asks (menu "Yes"/"No"). `showAgain` is the box's state, in and out. 1 for OK or Yes, 0 for No.
int askQuestion(HWND owner, const std::u16string& text, bool twoButtons, bool& showAgain);
