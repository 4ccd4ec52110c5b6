// A library image for the module tests: named exports, an ordinal table and a global counter.
#include "ceexports.h"
#include "windows.h"

namespace {
int counter = 0;
}

extern "C" CEEXPORT int Add(int a, int b)
{
    return a + b;
}

extern "C" CEEXPORT int Bump()
{
    return ++counter;
}

// For PerformCallBack4: the four-argument form returning a DWORD.
extern "C" CEEXPORT DWORD OwnerProcessId(LPVOID, LPVOID, LPVOID, LPVOID)
{
    return GetCurrentProcessId();
}

extern "C" CEEXPORT const CeExport CeExportOrdinals[] = {
    {1, "Add"},
    {2, "Bump"},
    {9, "NotExported"},
    {0, nullptr},
};
