// KelvaraLauncher.exe: the program the system starts; it has no window of its own.
#include "Launcher.h"
#include "ceexports.h"

extern "C" CEEXPORT int WinMain(HINSTANCE, HINSTANCE, LPWSTR commandLine, int)
{
    return runLauncher(commandLine);
}
