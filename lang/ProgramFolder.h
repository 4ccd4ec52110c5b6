// Where the running program lives: language packs and the VGA resources sit next to it.
#pragma once

#include <string>

// The program's own folder with its final "\" (for "\Program Files\Kelvara\Kelvara.exe":
// "\Program Files\Kelvara\"); empty when the program's path cannot be found.
std::u16string programFolder();
