// The interactive program's main window: the six tab views, "Jump To" and "Tools".
#pragma once

#include "windows.h"

// Runs the main window modally until the user leaves it.
void runMainWindow();

