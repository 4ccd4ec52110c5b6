// The interactive program's main window. For now an empty full-screen window with the main menu;
// the tab views and the look come with the main window's own work.
#pragma once

#include "windows.h"

// Runs the main window modally until the user leaves it.
void runMainWindow();

// Builds the look (skin bitmaps, colours, fonts) from the settings; for now nothing to build.
void buildLook(HMODULE resourceModule);
