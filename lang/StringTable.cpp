// The active pack: its module and its GetString, guarded by one lock since any thread may ask for
// a text while the user interface changes the language.
#include <string>

#include "StringTable.h"

#include <mutex>

namespace {

using GetStringFunction = const char16_t* (*)(DWORD id);

struct ActivePack {
    std::mutex lock;
    HMODULE module = nullptr;
    GetStringFunction getString = nullptr;
};

ActivePack& activePack()
{
    static ActivePack pack;
    return pack;
}

} // namespace

const char16_t* getString(int id)
{
    if (id < 0 || id >= stringCount)
        return nullptr;
    {
        ActivePack& pack = activePack();
        std::lock_guard guard(pack.lock);
        if (pack.getString) {
            if (const char16_t* translated = pack.getString(static_cast<DWORD>(id)))
                return translated;
        }
    }
    return englishString(id);
}

bool activateLanguage(const std::u16string& fileName)
{
    ActivePack& pack = activePack();
    std::lock_guard guard(pack.lock);
    if (pack.module)
        FreeLibrary(pack.module);
    pack.module = nullptr;
    pack.getString = nullptr;
    if (fileName.empty())
        return false;
    HMODULE module = LoadLibraryW(fileName.c_str());
    if (!module)
        return false;
    // Through void*: the export's real type is the pack's, not FARPROC's.
    auto found = reinterpret_cast<GetStringFunction>(reinterpret_cast<void*>(GetProcAddressW(module, u"GetString")));
    if (!found) {
        FreeLibrary(module);
        return false;
    }
    pack.module = module;
    pack.getString = found;
    return true;
}

HMODULE activeLanguagePack()
{
    ActivePack& pack = activePack();
    std::lock_guard guard(pack.lock);
    return pack.module;
}
