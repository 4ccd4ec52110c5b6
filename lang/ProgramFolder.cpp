// The program's folder, from the path of the process's program module.
#include "ProgramFolder.h"

#include "windows.h"

std::u16string programFolder()
{
    WCHAR path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return {};
    std::u16string folder(path, length);
    const size_t slash = folder.rfind(u'\\');
    if (slash == std::u16string::npos)
        return {};
    folder.resize(slash + 1);
    return folder;
}
