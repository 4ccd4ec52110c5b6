// Building the language list: a search of the program's folder for packs, each loaded only for
// as long as it takes to copy its display name.
#include "LanguageList.h"

#include <utility>

#include "ProgramFolder.h"
#include "windows.h"

namespace {

using NameFunction = const char16_t* (*)();

LanguageList& storedList()
{
    static LanguageList list;
    return list;
}

// The pack's display name, or nothing when it cannot be loaded or names no language.
bool readDisplayName(const std::u16string& fileName, std::u16string& displayName)
{
    HMODULE pack = LoadLibraryW(fileName.c_str());
    if (!pack)
        return false;
    // Through void*: the export's real type is the pack's, not FARPROC's.
    auto name = reinterpret_cast<NameFunction>(reinterpret_cast<void*>(GetProcAddressW(pack, u"GetLangName")));
    const char16_t* text = name ? name() : nullptr;
    if (text)
        displayName = text;
    FreeLibrary(pack);
    return text != nullptr;
}

// Adjacent swaps until a pass swaps nothing, English (entry 0) staying first; a stable order, so
// two packs with one name keep the order in which they were found.
void sortAfterEnglish(LanguageList& list)
{
    if (list.size() < 3)
        return;
    for (bool swapped = true; swapped;) {
        swapped = false;
        for (size_t at = 1; at + 1 < list.size(); ++at) {
            if (list[at + 1].displayName < list[at].displayName) {
                std::swap(list[at], list[at + 1]);
                swapped = true;
            }
        }
    }
}

} // namespace

const LanguageList& enumerateLanguages()
{
    LanguageList& list = storedList();
    list.clear();
    list.reserve(10);
    list.push_back({u"English", u""});
    const std::u16string folder = programFolder();
    if (!folder.empty()) {
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW((folder + u"KV_*.dll").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                LanguageEntry entry {u"", found.cFileName};
                if (readDisplayName(entry.fileName, entry.displayName))
                    list.push_back(std::move(entry));
            } while (FindNextFileW(search, &found));
            FindClose(search);
        }
    }
    sortAfterEnglish(list);
    return list;
}

const LanguageList& languageList()
{
    return storedList();
}
