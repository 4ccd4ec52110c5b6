// The interactive program's main window: the six tab views, "Jump To" and "Tools".
#pragma once

#include "windows.h"

// Runs the main window modally until the user leaves it.
void runMainWindow();

// Builds the look (skin bitmaps, colours, fonts) from the settings; the skin comes with the
// look's own work, until then the framework's plain look stands.
void buildLook(HMODULE resourceModule);
