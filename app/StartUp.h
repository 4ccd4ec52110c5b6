// The program's start-up: the command line read, the process prepared, and the run mode's work.
#pragma once

#include "windows.h"

// Everything the program does for one start; the process then ends with exit code 0.
void runKelvara(HINSTANCE instance, const char16_t* commandLine);
