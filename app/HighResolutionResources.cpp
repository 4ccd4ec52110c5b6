// Resolving the resource module: the program's own folder + "KelvaraVGARes.dll".
#include "HighResolutionResources.h"

#include "AppState.h"
#include "ProgramFolder.h"
#include "StringTable.h"

bool resolveResourceModule(bool installing)
{
    const std::u16string path = programFolder() + u"KelvaraVGARes.dll";
    if (!isHighResolution()) {
        // Not needed on this screen: the storage goes back to the user. Failures do not matter.
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(path.c_str());
        return true;
    }
    HMODULE module = LoadLibraryW(path.c_str());
    if (!module) {
        if (!installing)
            MessageBoxW(nullptr, getString(139), getString(61), MB_OK | MB_ICONERROR);
        return false;
    }
    appState().resourceModule = module;
    return true;
}
