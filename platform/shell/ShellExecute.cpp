// ShellExecuteExW: programs start with their parameters, shortcuts open their targets, folders
// open in the file explorer, and other files open with the program their type names.
#include "shellapi.h"

#include <string>

#include "FileAssociations.h"
#include "ShortcutFile.h"
#include "ShortcutReading.h"
#include "kfuncs.h"
#include "text/CaseTable.h"
#include "winbase.h"
#include "winerror.h"

namespace ce {
namespace {

// A shortcut may name another shortcut; a loop of them ends here.
constexpr int deepestShortcut = 8;
// Any value above 32 tells success.
const auto startedApp = reinterpret_cast<HINSTANCE>(static_cast<ULONG_PTR>(42));
constexpr const char16_t* fileExplorer = u"\\Windows\\fexplore.exe";

struct Request {
    std::u16string file;
    std::u16string parameters;
    std::u16string directory;
    std::u16string verb;
    bool keepProcess = false;
};

bool hasExtension(std::u16string_view name, std::u16string_view extension)
{
    return name.size() > extension.size() && sameNameDevice(name.substr(name.size() - extension.size()), extension);
}

bool hasNoExtension(std::u16string_view name)
{
    const size_t slash = name.rfind(u'\\');
    return name.find(u'.', slash == std::u16string_view::npos ? 0 : slash) == std::u16string_view::npos;
}

DWORD attributesOf(const std::u16string& path)
{
    return GetFileAttributesW(path.c_str());
}

bool exists(const std::u16string& path)
{
    return attributesOf(path) != INVALID_FILE_ATTRIBUTES;
}

std::u16string unquoted(std::u16string_view text)
{
    if (text.size() >= 2 && text.front() == u'"' && text.back() == u'"')
        text = text.substr(1, text.size() - 2);
    return std::u16string(text);
}

// Where a name lives: a rooted name is itself; another is looked for in `directory` when given,
// then in \Windows. A name without an extension may be a program's.
std::u16string resolved(const std::u16string& name, const std::u16string& directory)
{
    const bool rooted = name.starts_with(u'\\');
    const std::u16string candidates[] = {rooted ? name : directory.empty() ? u"" : directory + u"\\" + name,
                                         rooted ? u"" : u"\\Windows\\" + name};
    for (const auto& candidate : candidates) {
        if (candidate.empty())
            continue;
        if (exists(candidate))
            return candidate;
        if (hasNoExtension(name) && exists(candidate + u".exe"))
            return candidate + u".exe";
    }
    // Not found: the loader's place for it, where a simulated program may start without a file.
    const std::u16string& place = rooted ? candidates[0] : candidates[1];
    return hasNoExtension(name) ? place + u".exe" : place;
}

DWORD startProgram(const std::u16string& program, std::u16string commandLine, const Request& request,
                   SHELLEXECUTEINFOW& info)
{
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, nullptr,
                        &started))
        return GetLastError();
    CloseHandle(started.hThread);
    if (request.keepProcess)
        info.hProcess = started.hProcess;
    else
        CloseHandle(started.hProcess);
    return ERROR_SUCCESS;
}

bool isOpenVerb(const std::u16string& verb)
{
    return verb.empty() || sameNameDevice(verb, u"open");
}

DWORD execute(Request request, SHELLEXECUTEINFOW& info, int depth);

DWORD openShortcut(const std::u16string& path, const Request& request, SHELLEXECUTEINFOW& info, int depth)
{
    if (depth >= deepestShortcut)
        return ERROR_BAD_FORMAT;
    std::u16string command;
    if (DWORD error = readShortcutFile(path, command))
        return error;
    ShortcutTarget target = splitShortcutCommand(command);
    Request followed = request;
    followed.file = std::move(target.target);
    followed.parameters = std::move(target.arguments);
    if (!request.parameters.empty())
        followed.parameters += (followed.parameters.empty() ? u"" : u" ") + request.parameters;
    return execute(std::move(followed), info, depth + 1);
}

DWORD openDocument(const std::u16string& path, const Request& request, SHELLEXECUTEINFOW& info)
{
    std::u16string command;
    if (DWORD error = associatedCommand(path, isOpenVerb(request.verb) ? u"Open" : request.verb, command))
        return error;
    ShortcutTarget program = splitShortcutCommand(commandForFile(command, path));
    return startProgram(resolved(program.target, u""), program.arguments, request, info);
}

DWORD execute(Request request, SHELLEXECUTEINFOW& info, int depth)
{
    const std::u16string path = resolved(request.file, request.directory);
    const DWORD attributes = attributesOf(path);
    const bool program = hasExtension(path, u".exe");
    if (program && isOpenVerb(request.verb))
        return startProgram(path, request.parameters, request, info);
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return GetLastError() == ERROR_PATH_NOT_FOUND ? ERROR_PATH_NOT_FOUND : ERROR_FILE_NOT_FOUND;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return isOpenVerb(request.verb) ? startProgram(fileExplorer, quotedWhenSpaced(path), request, info)
                                        : ERROR_NO_ASSOCIATION;
    if (hasExtension(path, u".lnk") && isOpenVerb(request.verb))
        return openShortcut(path, request, info, depth);
    return openDocument(path, request, info);
}

// hInstApp's code for a failure, as ShellExecute would return it.
int shellErrorCode(DWORD error)
{
    switch (error) {
    case ERROR_PATH_NOT_FOUND: return SE_ERR_PNF;
    case ERROR_ACCESS_DENIED: return SE_ERR_ACCESSDENIED;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY: return SE_ERR_OOM;
    case ERROR_SHARING_VIOLATION: return SE_ERR_SHARE;
    case ERROR_NO_ASSOCIATION: return SE_ERR_NOASSOC;
    case ERROR_BAD_EXE_FORMAT:
    case ERROR_BAD_FORMAT: return ERROR_BAD_FORMAT;
    default: return SE_ERR_FNF;
    }
}

}  // namespace
}  // namespace ce

BOOL ShellExecuteExW(LPSHELLEXECUTEINFOW lpExecInfo)
{
    if (!lpExecInfo || lpExecInfo->cbSize != sizeof(SHELLEXECUTEINFOW)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    SHELLEXECUTEINFOW& info = *lpExecInfo;
    info.hProcess = nullptr;
    ce::Request request;
    request.file = ce::unquoted(info.lpFile ? info.lpFile : u"");
    request.parameters = info.lpParameters ? info.lpParameters : u"";
    request.directory = ce::unquoted(info.lpDirectory ? info.lpDirectory : u"");
    while (request.directory.ends_with(u'\\'))
        request.directory.pop_back();
    request.verb = info.lpVerb ? info.lpVerb : u"";
    request.keepProcess = info.fMask & SEE_MASK_NOCLOSEPROCESS;
    const DWORD error = request.file.empty() ? ERROR_FILE_NOT_FOUND : ce::execute(std::move(request), info, 0);
    if (error) {
        info.hInstApp = reinterpret_cast<HINSTANCE>(static_cast<ULONG_PTR>(ce::shellErrorCode(error)));
        SetLastError(error);
        return FALSE;
    }
    info.hInstApp = ce::startedApp;
    return TRUE;
}
