// The special folders and SHGetSpecialFolderPath.
#include "ShellFolders.h"

#include <string>

#include "shellapi.h"
#include "winbase.h"
#include "winerror.h"

namespace ce {
namespace {

struct SpecialFolder {
    int csidl;
    std::u16string_view path;
};

// The desktop is a real folder on the device, so CSIDL_DESKTOP has a path like its directory.
constexpr SpecialFolder specialFolders[] = {
    {CSIDL_DESKTOP, u"\\Windows\\Desktop"},
    {CSIDL_PROGRAMS, u"\\Windows\\Start Menu\\Programs"},
    {CSIDL_PERSONAL, u"\\My Documents"},
    {CSIDL_FAVORITES, u"\\Windows\\Favorites"},
    {CSIDL_STARTUP, u"\\Windows\\StartUp"},
    {CSIDL_RECENT, u"\\Windows\\Recent"},
    {CSIDL_STARTMENU, u"\\Windows\\Start Menu"},
    {CSIDL_MYMUSIC, u"\\My Documents\\My Music"},
    {CSIDL_MYVIDEO, u"\\My Documents\\My Videos"},
    {CSIDL_DESKTOPDIRECTORY, u"\\Windows\\Desktop"},
    {CSIDL_FONTS, u"\\Windows\\Fonts"},
    {CSIDL_TEMPLATES, u"\\Windows\\Templates"},
    {CSIDL_APPDATA, u"\\Application Data"},
    {CSIDL_WINDOWS, u"\\Windows"},
    {CSIDL_PROGRAM_FILES, u"\\Program Files"},
    {CSIDL_MYPICTURES, u"\\My Documents\\My Pictures"},
};

bool isFolder(const std::u16string& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Makes `path` and any missing parent folder.
DWORD createFolders(const std::u16string& path)
{
    for (size_t slash = path.find(u'\\', 1);; slash = path.find(u'\\', slash + 1)) {
        const std::u16string part = path.substr(0, slash);
        if (!isFolder(part) && !CreateDirectoryW(part.c_str(), nullptr))
            return GetLastError();
        if (slash == std::u16string::npos)
            return ERROR_SUCCESS;
    }
}

}  // namespace

std::u16string_view specialFolderPath(int csidl)
{
    for (const auto& folder : specialFolders)
        if (folder.csidl == csidl)
            return folder.path;
    return {};
}

}  // namespace ce

BOOL SHGetSpecialFolderPath(HWND, LPWSTR lpszPath, int nFolder, BOOL fCreate)
{
    if (!lpszPath) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *lpszPath = u'\0';
    const std::u16string path(ce::specialFolderPath(nFolder));
    DWORD error = path.empty() ? ERROR_INVALID_PARAMETER : ERROR_SUCCESS;
    if (!error && !ce::isFolder(path))
        error = fCreate ? ce::createFolders(path) : ERROR_PATH_NOT_FOUND;
    if (error) {
        // A folder that is missing and not made gives an empty path.
        SetLastError(error);
        return FALSE;
    }
    path.copy(lpszPath, path.size());
    lpszPath[path.size()] = u'\0';
    return TRUE;
}
