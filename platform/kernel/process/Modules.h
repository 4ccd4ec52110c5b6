// The modules of processes: program images, our libraries (a private copy per process,
// counted per process) and the device's built-in modules; lookups by handle and by name.
#pragma once

#include <filesystem>
#include <memory>
#include <string_view>

#include "kernel/Process.h"

namespace ce {

// Loads the program image of a new process as its first module. ERROR_SUCCESS, or
// ERROR_BAD_EXE_FORMAT when the file is no image or exports no WinMain.
DWORD loadProgramModule(const std::shared_ptr<Process>& process, const std::filesystem::path& hostFile);
// Gives a process of one of the platform's own programs its program module: a built-in one.
void addPlatformProgramModule(Process& process);

// LoadLibraryW's work: a name alone is looked for in the program's folder, then in \Windows.
// The module with its count raised, or null with ERROR_MOD_NOT_FOUND / ERROR_BAD_EXE_FORMAT.
std::shared_ptr<Module> loadLibraryInto(Process& process, std::u16string_view name, DWORD& error);
// FreeLibrary's work; false when `handle` names no module of the process.
bool freeLibraryOf(Process& process, HMODULE handle);
// Unloads every module of an ending process, newest first.
void unloadModules(Process& process);

// The module `handle` names in any process (handles are unique on the device), or null.
std::shared_ptr<Module> findModule(HMODULE handle);
// A process's module by name ("x.dll", "x") or device path; its program for a null name.
std::shared_ptr<Module> findModuleByName(Process& process, LPCWSTR name);

// The symbol `name` of a module of ours (not of a built-in module), or null.
void* moduleSymbol(const Module& module, const char* name);

} // namespace ce
