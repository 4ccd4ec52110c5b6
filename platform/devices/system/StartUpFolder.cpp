// Running the StartUp folder's shortcuts and programs.
#include "StartUpFolder.h"

#include "kfuncs.h"
#include "shell/ShortcutFile.h"
#include "shell/ShortcutReading.h"
#include "text/CaseTable.h"
#include "winerror.h"

namespace ce {
namespace {

bool hasExtension(std::u16string_view name, std::u16string_view extension)
{
    if (name.size() <= extension.size())
        return false;
    name.remove_prefix(name.size() - extension.size());
    for (size_t i = 0; i < name.size(); ++i)
        if (toUpperDevice(name[i]) != toUpperDevice(extension[i]))
            return false;
    return true;
}

// What a shortcut starts; ERROR_BAD_FORMAT when it is none.
DWORD readShortcut(const std::u16string& path, emulator::StartUpLaunch& launch)
{
    std::u16string command;
    if (DWORD error = readShortcutFile(path, command))
        return error;
    ShortcutTarget target = splitShortcutCommand(command);
    launch.program = std::move(target.target);
    launch.arguments = std::move(target.arguments);
    return ERROR_SUCCESS;
}

DWORD start(emulator::StartUpLaunch& launch)
{
    std::u16string commandLine = launch.arguments;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(launch.program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        nullptr, &started))
        return GetLastError();
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    launch.processId = started.dwProcessId;
    return ERROR_SUCCESS;
}

}  // namespace

std::vector<emulator::StartUpLaunch> startStartUpEntries()
{
    const std::u16string folder = startUpFolder;
    std::vector<emulator::StartUpLaunch> launches;
    WIN32_FIND_DATAW found{};
    HANDLE find = FindFirstFileW((folder + u"\\*.*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE)
        return launches;
    // The whole listing first: what starts may add files to the folder.
    std::vector<std::u16string> names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.emplace_back(found.cFileName);
    } while (FindNextFileW(find, &found));
    FindClose(find);

    for (const auto& name : names) {
        const std::u16string path = folder + u"\\" + name;
        emulator::StartUpLaunch launch;
        launch.entry = name;
        if (hasExtension(name, u".lnk"))
            launch.error = readShortcut(path, launch);
        else if (hasExtension(name, u".exe"))
            launch.program = path;
        else
            continue;
        if (!launch.error)
            launch.error = start(launch);
        launches.push_back(std::move(launch));
    }
    return launches;
}

}  // namespace ce
