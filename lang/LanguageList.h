// The languages the user can choose: built-in English first, then the packs found next to the
// program, sorted by their display names.
#pragma once

#include <string>
#include <vector>

struct LanguageEntry {
    std::u16string displayName; // what GetLangName returned
    std::u16string fileName;    // the pack's file name as found, no folder; empty for English
};

using LanguageList = std::vector<LanguageEntry>;

// Rebuilds the list from the KV_*.dll files in the program's folder: packs that cannot be loaded
// or lack GetLangName are left out. Entries after English are in code-unit order of their names.
const LanguageList& enumerateLanguages();

// The list as the last enumerateLanguages built it.
const LanguageList& languageList();
