// The language choice at installation: which packs to keep and which language to start in.
#pragma once

#include "windows.h"

// Shows the dialog modally over the languages enumerateLanguages found. On OK the unticked packs
// are deleted and the default language is saved.
void runInstallLanguageDialog(HWND owner);
