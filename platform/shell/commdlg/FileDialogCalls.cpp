// GetOpenFileNameW and GetSaveFileNameW: checking the caller's OPENFILENAMEW, choosing where
// the dialog starts, running it, and writing the chosen path back.
#include <algorithm>

#include "CommonDialogError.h"
#include "DevicePaths.h"
#include "FileDialog.h"
#include "cewchar.h"
#include "shell/ShellFolders.h"
#include "shellapi.h"

namespace ce::shell {
namespace {

// lpstrInitialDir, else the folder of the path in lpstrFile, else My Documents, else "\".
std::u16string startFolder(const OPENFILENAMEW& request, const std::u16string& startPath)
{
    const std::u16string candidates[] = {
        request.lpstrInitialDir ? fullPathOf(request.lpstrInitialDir) : std::u16string {},
        fullPathOf(std::u16string_view(startPath).substr(0, nameOffset(startPath))),
        std::u16string(specialFolderPath(CSIDL_PERSONAL)),
    };
    for (const std::u16string& folder : candidates) {
        if (!folder.empty() && folderExists(folder))
            return folder;
    }
    return u"\\";
}

BOOL fail(DWORD error)
{
    setCommonDialogError(error);
    return FALSE;
}

// The chosen path into lpstrFile (with its name and extension offsets), the type chosen, and
// the name alone into lpstrFileTitle. A short lpstrFile gets the size it needs in its first WORD.
BOOL writeChosenPath(OPENFILENAMEW& request, const FileDialogSession& session)
{
    const std::u16string& path = session.chosenPath;
    if (path.size() + 1 > request.nMaxFile) {
        request.lpstrFile[0] = static_cast<WCHAR>(std::min<size_t>(path.size() + 1, 0xFFFF));
        return fail(FNERR_BUFFERTOOSMALL);
    }
    wcscpy(request.lpstrFile, path.c_str());
    request.nFileOffset = static_cast<WORD>(nameOffset(path));
    request.nFileExtension = static_cast<WORD>(extensionOffset(path));
    if (!session.types.empty())
        request.nFilterIndex = static_cast<DWORD>(session.typeIndex + 1);
    if (request.lpstrFileTitle && request.nMaxFileTitle)
        StringCchCopyW(request.lpstrFileTitle, request.nMaxFileTitle, path.c_str() + request.nFileOffset);
    return TRUE;
}

BOOL runFileDialog(LPOPENFILENAMEW request, bool saving)
{
    setCommonDialogError(0);
    if (!request)
        return fail(CDERR_INITIALIZATION);
    if (request->lStructSize != sizeof(OPENFILENAMEW))
        return fail(CDERR_STRUCTSIZE);
    if (!request->lpstrFile || !request->nMaxFile)
        return fail(CDERR_INITIALIZATION);
    if (request->hwndOwner && !IsWindow(request->hwndOwner))
        return fail(CDERR_DIALOGFAILURE);

    FileDialogSession session(*request, saving);
    const std::u16string startPath(request->lpstrFile, wcsnlen(request->lpstrFile, request->nMaxFile));
    session.startName = startPath.substr(nameOffset(startPath));
    if (hasBadNameCharacter(session.startName))
        return fail(FNERR_INVALIDFILENAME);
    if (hasWildcard(session.startName))
        session.typedPatterns = patternsOf(session.startName);
    session.types = fileTypesOf(request->lpstrFilter);
    if (!session.types.empty())
        session.typeIndex = std::min<size_t>(request->nFilterIndex ? request->nFilterIndex - 1 : 0, session.types.size() - 1);
    session.folder = storedSpelling(startFolder(*request, startPath));
    session.title = request->lpstrTitle ? request->lpstrTitle : saving ? u"Save As" : u"Open";

    const CeDialogTemplate dialogTemplate = fileDialogTemplate(session.title.c_str());
    const INT_PTR answer = DialogBoxIndirectParamW(
        nullptr, &dialogTemplate, request->hwndOwner, fileDialogProc, reinterpret_cast<LPARAM>(&session));
    if (answer == -1)
        return fail(CDERR_DIALOGFAILURE);
    return answer == IDOK ? writeChosenPath(*request, session) : FALSE;
}

} // namespace
} // namespace ce::shell

BOOL GetOpenFileNameW(LPOPENFILENAMEW lpofn)
{
    return ce::shell::runFileDialog(lpofn, false);
}

BOOL GetSaveFileNameW(LPOPENFILENAMEW lpofn)
{
    return ce::shell::runFileDialog(lpofn, true);
}
