// Dialog texts from the string table: templates keep no text of their own.
#pragma once

#include "windows.h"

// Sets the title and control texts of a dialog made from `templateId`; a template without texts
// is left as it is.
void applyDialogTexts(int templateId, HWND window);
