// The Pocket PC set-up of a dialog when it opens: its size on the screen, its menu bar and its
// texts from the string table.
#pragma once

#include "windows.h"

// Runs SHInitDialog with `shellFlags`, creates the menu bar from `menuId` (the language pack's
// copy first, then the program's; an empty bar when neither has it or `menuId` is 0) and sets
// the texts of `templateId`. Returns the menu bar.
HWND initDialogShell(HWND dialog, DWORD shellFlags, UINT menuId, int templateId);

// The module that holds menu `menuId`: the active language pack when it has a copy, else the
// program; null when neither has it.
HMODULE menuModuleFor(UINT menuId);
