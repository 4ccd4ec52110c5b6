// Reading a shortcut file of the device file system (see ShortcutReading.h).
#include "ShortcutReading.h"

#include "ShortcutFile.h"
#include "winbase.h"
#include "winerror.h"

namespace ce {

DWORD readShortcutFile(const std::u16string& path, std::u16string& command)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return GetLastError();
    std::string bytes(largestShortcutFile, '\0');
    DWORD read = 0;
    const BOOL ok = ReadFile(file, bytes.data(), largestShortcutFile, &read, nullptr);
    const DWORD error = ok ? ERROR_SUCCESS : GetLastError();
    CloseHandle(file);
    if (error)
        return error;
    bytes.resize(read);
    return readShortcutCommand(bytes, command);
}

}  // namespace ce
