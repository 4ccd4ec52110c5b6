// The About box: the product bitmap and the version line.
#pragma once

#include "windows.h"

void runAboutBox(HWND owner);
