// FindFirstFileW, FindFirstFileExW, FindNextFileW and FindClose.
#include "FileErrors.h"
#include "FileSystem.h"
#include "FindSearch.h"
#include "winerror.h"

using ce::failWith;

HANDLE FindFirstFileExW(LPCWSTR lpFileName, FINDEX_INFO_LEVELS fInfoLevelId, LPVOID lpFindFileData,
    FINDEX_SEARCH_OPS fSearchOp, LPVOID lpSearchFilter, DWORD dwAdditionalFlags)
{
    bool knownSearch = fSearchOp == FindExSearchNameMatch || fSearchOp == FindExSearchLimitToDirectories;
    if (fInfoLevelId != FindExInfoStandard || !lpFindFileData || !knownSearch || lpSearchFilter || dwAdditionalFlags)
        return failWith(ERROR_INVALID_PARAMETER, INVALID_HANDLE_VALUE);
    ce::FileSystem* fs = ce::mountedFileSystem();
    if (!fs)
        return INVALID_HANDLE_VALUE;
    ce::DevicePath path;
    if (DWORD error = ce::parseDevicePath(lpFileName, ce::LeafRule::Pattern, path))
        return failWith(error, INVALID_HANDLE_VALUE);
    if (path.isRoot())  // "\" names no entry to look for
        return failWith(ERROR_INVALID_NAME, INVALID_HANDLE_VALUE);
    auto search = std::make_shared<ce::FindSearch>(*fs, path, fSearchOp == FindExSearchLimitToDirectories);
    auto& data = *static_cast<LPWIN32_FIND_DATAW>(lpFindFileData);
    DWORD error = ce::hasWildcards(path.names.back()) ? search->start(path, data) : search->findOne(path, data);
    if (error)
        return failWith(error, INVALID_HANDLE_VALUE);
    return ce::insertHandle(std::move(search));
}

HANDLE FindFirstFileW(LPCWSTR lpFileName, LPWIN32_FIND_DATAW lpFindFileData)
{
    return FindFirstFileExW(lpFileName, FindExInfoStandard, lpFindFileData, FindExSearchNameMatch, nullptr, 0);
}

BOOL FindNextFileW(HANDLE hFindFile, LPWIN32_FIND_DATAW lpFindFileData)
{
    auto search = ce::lookupHandleAs<ce::FindHandle>(hFindFile);
    if (!search)
        return failWith(ERROR_INVALID_HANDLE, FALSE);
    if (!lpFindFileData)
        return failWith(ERROR_INVALID_PARAMETER, FALSE);
    if (!search->next(*lpFindFileData))
        return failWith(ERROR_NO_MORE_FILES, FALSE);
    return TRUE;
}

BOOL FindClose(HANDLE hFindFile)
{
    if (!ce::lookupHandleAs<ce::FindHandle>(hFindFile) || !ce::removeHandle(hFindFile))
        return failWith(ERROR_INVALID_HANDLE, FALSE);
    return TRUE;
}
