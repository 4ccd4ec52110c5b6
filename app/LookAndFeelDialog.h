// The Look and Feel dialog: background and button skins and the four custom colours, each change
// applied to the program at once.
#pragma once

#include "windows.h"

void runLookAndFeelDialog(HWND owner);
