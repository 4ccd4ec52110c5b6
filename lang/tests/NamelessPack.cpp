// A broken language pack for the tests: it has a name but no GetString.
#include "ceexports.h"
#include "windows.h"

extern "C" CEEXPORT const char16_t* GetLangName()
{
    return u"Kaputt";
}
