// SHCreateShortcut and SHGetShortcutTarget: shortcut files as the shell writes and reads them.
#include "shellapi.h"

#include <string>

#include "ShortcutFile.h"
#include "ShortcutReading.h"
#include "winbase.h"
#include "winerror.h"

namespace {

// The shell takes commands of up to 256 characters.
constexpr size_t longestCommand = 256;

BOOL fail(DWORD error)
{
    SetLastError(error);
    return FALSE;
}

}  // namespace

BOOL SHCreateShortcut(LPTSTR szShortcut, LPTSTR szTarget)
{
    if (!szShortcut || !*szShortcut || !szTarget || !*szTarget)
        return fail(ERROR_INVALID_PARAMETER);
    const std::u16string_view command(szTarget);
    if (command.size() > longestCommand)
        return fail(ERROR_INVALID_PARAMETER);
    // CREATE_NEW: an existing shortcut is never replaced.
    HANDLE file = CreateFileW(szShortcut, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return FALSE;
    const std::string bytes = ce::shortcutFileBytes(command);
    DWORD written = 0;
    const BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    const DWORD error = ok ? ERROR_SUCCESS : GetLastError();
    CloseHandle(file);
    if (error) {
        DeleteFileW(szShortcut);  // no half-written shortcut stays behind
        return fail(error);
    }
    return TRUE;
}

BOOL SHGetShortcutTarget(LPTSTR szShortcut, LPTSTR szTarget, int cbMax)
{
    if (!szShortcut || !szTarget || cbMax <= 0)
        return fail(ERROR_INVALID_PARAMETER);
    std::u16string command;
    if (DWORD error = ce::readShortcutFile(szShortcut, command))
        return fail(error);
    if (command.size() + 1 > static_cast<size_t>(cbMax))
        return fail(ERROR_INSUFFICIENT_BUFFER);
    command.copy(szTarget, command.size());
    szTarget[command.size()] = u'\0';
    return TRUE;
}
