// Kelvara.exe: the device program's entry.
#include "StartUp.h"
#include "ceexports.h"

extern "C" CEEXPORT int WinMain(HINSTANCE instance, HINSTANCE, LPWSTR commandLine, int)
{
    runKelvara(instance, commandLine);
    return 0;
}
