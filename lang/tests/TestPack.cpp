// A language pack for the tests: it translates ids 61, 196 and 523 and nothing else.
#include "ceexports.h"
#include "windows.h"

extern "C" CEEXPORT const char16_t* GetLangName()
{
    return u"Testisch";
}

extern "C" CEEXPORT const char16_t* GetString(DWORD id)
{
    switch (id) {
    case 61:
        return u"Kelvara T";
    case 196:
        return u"Ja";
    case 523:
        return u"(leer)";
    default:
        return nullptr;
    }
}
