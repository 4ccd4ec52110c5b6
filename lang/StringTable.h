// The active string table: the English texts, overridden id by id by the active language pack.
#pragma once

#include <string>

#include "EnglishStrings.h"
#include "windows.h"

// The text of a string id: the active pack's translation when it has one, else the English text
// (null for id 523); null for ids outside the table, whatever the pack says.
const char16_t* getString(int id);

// Makes the pack `fileName` (a KV_*.dll found by the loader) the active one, unloading the
// previous pack; an empty name, a pack that cannot be loaded or one without GetString leaves
// English active. True when the pack is active.
bool activateLanguage(const std::u16string& fileName);

// The active pack's module, null while English is active.
HMODULE activeLanguagePack();
