// The combo box of languages that the Settings and the install-time language dialogs share.
#pragma once

#include "LanguageList.h"
#include "windows.h"

// Adds every language's display name in list order and selects the one whose file name is the
// setting Language (compared case-sensitively), else English.
void fillLanguageCombo(HWND combo, const LanguageList& languages);
