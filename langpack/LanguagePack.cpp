// A language pack: the language's display name, its translations by string id and translated
// copies of the program's menus. The language's data file, named at build time, supplies them.
#include "EnglishStrings.h"
#include "PackText.h"
#include "ceexports.h"
#include "windows.h"

#include KELVARA_LANGUAGE_DATA

namespace {

// Every id starts untranslated; the table is filled once when the pack is loaded.
const char16_t* translations[stringCount] = {};

const bool tableFilled = [] {
    for (const PackText& entry : packTexts) {
        if (entry.id >= 0 && entry.id < stringCount)
            translations[entry.id] = entry.text;
    }
    return true;
}();

} // namespace

extern "C" CEEXPORT const char16_t* GetLangName()
{
    return languageName;
}

extern "C" CEEXPORT const char16_t* GetString(DWORD id)
{
    return id < static_cast<DWORD>(stringCount) ? translations[id] : nullptr;
}

extern "C" CEEXPORT constinit const auto CeResources = joinResources(ProductMenus<packMenuLabels>::resources);
