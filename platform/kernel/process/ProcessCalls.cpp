// Process calls: starting program images (or the platform's own and the profile's simulated
// programs), ending processes, and what a process handle tells.
#include "kfuncs.h"

#include "Modules.h"
#include "PlatformPrograms.h"
#include "ProcessContext.h"
#include "ProgramImage.h"
#include "kernel/Device.h"
#include "kernel/simulated/SimulatedPrograms.h"
#include "store/files/FileSystem.h"
#include "winerror.h"

namespace ce {
namespace {

using WinMainEntry = int (*)(HINSTANCE, HINSTANCE, LPWSTR, int);
constexpr int showNormally = 5; // SW_SHOW

// A name alone is a program in \Windows; a name without an extension means an .exe.
std::u16string programPath(std::u16string_view name)
{
    std::u16string path(name);
    size_t slash = path.rfind(u'\\');
    if (path.find(u'.', slash == std::u16string::npos ? 0 : slash) == std::u16string::npos)
        path += u".exe";
    if (slash == std::u16string::npos)
        return u"\\Windows\\" + path;
    return path.front() == u'\\' ? path : u"\\" + path;
}

// The main thread: WinMain (the program image's, or `entry` for the platform's own programs),
// whose return ends the process as ExitProcess would.
void startMainThread(Process& process, bool suspended, WinMainEntry entry = nullptr)
{
    std::shared_ptr<Module> program;
    {
        std::lock_guard guard(kernelLock());
        program = process.modules.front();
    }
    auto winMain = entry ? entry : reinterpret_cast<WinMainEntry>(moduleSymbol(*program, "WinMain"));
    HINSTANCE instance = program->handle;
    Process* owner = &process;
    launchDeviceThread(
        &process,
        [owner, winMain, instance]() -> DWORD {
            std::u16string commandLine = owner->commandLine; // WinMain may write into it
            auto exitCode = static_cast<DWORD>(winMain(instance, nullptr, commandLine.data(), showNormally));
            endProcess(*owner, exitCode);
            return exitCode;
        },
        suspended);
}

// A new process of the device for `path`, the calling process its parent.
std::shared_ptr<Process> newProcess(const std::u16string& path, const std::u16string& commandLine)
{
    auto process = std::make_shared<Process>();
    process->exePath = path;
    process->commandLine = commandLine;
    Process* parent = currentProcess();
    process->parentId = parent ? parent->id : 0;
    addProcess(process);
    return process;
}

// Starts one of the platform's own programs as a new process.
std::shared_ptr<Process> startPlatformProgram(
    const std::u16string& path, const PlatformProgram& program, const std::u16string& commandLine, bool suspended)
{
    auto process = newProcess(path, commandLine);
    addPlatformProgramModule(*process);
    startMainThread(*process, suspended, program.winMain);
    return process;
}

// Starts program image `hostFile` as a new process; ERROR_BAD_EXE_FORMAT when it is none.
DWORD startProgramImage(const std::u16string& path, const std::filesystem::path& hostFile,
    const std::u16string& commandLine, bool suspended, std::shared_ptr<Process>& process)
{
    process = newProcess(path, commandLine);
    if (DWORD error = loadProgramModule(process, hostFile)) {
        abandonProcess(*process, error);
        return error;
    }
    startMainThread(*process, suspended);
    return ERROR_SUCCESS;
}

void reportStart(const std::shared_ptr<Process>& process, LPPROCESS_INFORMATION information)
{
    if (!information)
        return;
    std::shared_ptr<DeviceThread> mainThread;
    {
        std::lock_guard guard(kernelLock());
        if (!process->threads.empty())
            mainThread = process->threads.front();
    }
    information->hProcess = insertHandle(process);
    information->dwProcessId = process->id;
    information->hThread = mainThread ? insertHandle(mainThread) : nullptr;
    information->dwThreadId = mainThread ? mainThread->id : 0;
}

// Ends the calling thread's own process when it is `process`; returns otherwise.
void endIfOwn(Process& process, DWORD exitCode)
{
    DeviceThread* thread = currentDeviceThread();
    if (!thread || thread->process != &process)
        return;
    endProcess(process, exitCode);
    throw ThreadTermination {exitCode};
}

} // namespace
} // namespace ce

BOOL CreateProcessW(LPCWSTR lpApplicationName, LPWSTR lpCommandLine, LPSECURITY_ATTRIBUTES, LPSECURITY_ATTRIBUTES, BOOL,
    DWORD dwCreationFlags, LPVOID, LPCWSTR, LPSTARTUPINFOW, LPPROCESS_INFORMATION lpProcessInformation)
{
    if (!lpApplicationName || !*lpApplicationName) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    ce::FileSystem* fileSystem = ce::mountedFileSystem();
    if (!fileSystem)
        return FALSE;
    std::u16string path = ce::programPath(lpApplicationName);
    std::u16string commandLine = lpCommandLine ? lpCommandLine : u"";
    std::filesystem::path hostFile;
    DWORD error = fileSystem->hostPathOf(path.c_str(), hostFile);
    std::shared_ptr<ce::Process> process;
    const ce::PlatformProgram* platformProgram = ce::findPlatformProgram(path);
    if (error == ERROR_SUCCESS && ce::hasImageSignature(hostFile))
        error = ce::startProgramImage(path, hostFile, commandLine, dwCreationFlags & CREATE_SUSPENDED, process);
    else if (error == ERROR_SUCCESS && platformProgram)
        process = ce::startPlatformProgram(path, *platformProgram, commandLine, dwCreationFlags & CREATE_SUSPENDED);
    else if ((process = ce::startSimulatedProgram(path, commandLine)) != nullptr)
        error = ERROR_SUCCESS;
    else if (error == ERROR_SUCCESS)
        error = ERROR_BAD_EXE_FORMAT;
    if (error) {
        SetLastError(error);
        return FALSE;
    }
    ce::reportStart(process, lpProcessInformation);
    return TRUE;
}

void ExitProcess(UINT uExitCode)
{
    // A host thread belongs to no process: there is nothing to end.
    if (ce::DeviceThread* thread = ce::currentDeviceThread())
        ce::endIfOwn(*thread->process, uExitCode);
}

BOOL TerminateProcess(HANDLE hProcess, UINT uExitCode)
{
    auto process = ce::processFromHandle(hProcess);
    if (!process) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    {
        std::lock_guard guard(ce::kernelLock());
        if (process->ended) {
            SetLastError(ERROR_ACCESS_DENIED);
            return FALSE;
        }
    }
    ce::endIfOwn(*process, uExitCode);
    ce::endProcess(*process, uExitCode);
    return TRUE;
}

HANDLE OpenProcess(DWORD, BOOL, DWORD dwProcessId)
{
    auto process = ce::findProcess(dwProcessId);
    if (!process) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return ce::insertHandle(process);
}

BOOL GetExitCodeProcess(HANDLE hProcess, LPDWORD lpExitCode)
{
    auto process = ce::processFromHandle(hProcess);
    if (!process || !lpExitCode) {
        SetLastError(process ? ERROR_INVALID_PARAMETER : ERROR_INVALID_HANDLE);
        return FALSE;
    }
    std::lock_guard guard(ce::kernelLock());
    // An ending process is still active until its last thread has left.
    *lpExitCode = process->ended ? process->exitCode : STILL_ACTIVE;
    return TRUE;
}

DWORD GetCurrentProcessId()
{
    ce::Process* process = ce::currentProcess();
    return process ? process->id : 0;
}

HANDLE GetCurrentProcess()
{
    return ce::currentProcessPseudoHandle;
}
