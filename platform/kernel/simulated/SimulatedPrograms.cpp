// Starting simulated programs as device processes, and their answer to WM_HIBERNATE.
#include "SimulatedPrograms.h"
#include "emulator/SimulatedPrograms.h"

#include <atomic>

#include "ProgramCatalogue.h"
#include "SimulatedWindows.h"
#include "kernel/Clock.h"
#include "kernel/Device.h"
#include "kernel/memory/MemoryDivision.h"
#include "kernel/memory/ProcessMemory.h"
#include "kernel/process/ProcessContext.h"
#include "store/cedb/ProgramDatabases.h"

namespace ce {
namespace {

// Simulated threads never run host code, so their ids come from a range of their own, far from
// the ids of device threads and host threads.
std::atomic<DWORD> lastSimulatedThreadId{0x40000000};

std::u16string fileName(const std::u16string& path)
{
    return path.substr(path.find_last_of(u'\\') + 1);
}

// Their modules are records only (no file behind them), with ids and handles from a range of
// their own as well.
std::atomic<DWORD> lastSimulatedModule{0};
constexpr DWORD simulatedModuleIds = 0x00100000;
constexpr ULONG_PTR simulatedModuleBase = 0x60000000;

std::shared_ptr<Module> simulatedModule(const std::u16string& name, const std::u16string& path, DWORD size)
{
    const DWORD serial = lastSimulatedModule.fetch_add(1) + 1;
    auto module = std::make_shared<Module>();
    module->id = simulatedModuleIds + serial;
    module->base = simulatedModuleBase + (ULONG_PTR{serial} << 12);
    module->handle = reinterpret_cast<HMODULE>(module->base);
    module->name = name;
    module->path = path;
    module->size = size;
    module->loadCount = 1;
    module->builtin = true;
    return module;
}

std::shared_ptr<DeviceThread> simulatedThread(Process& process, DWORD loadPercent, ULONGLONG now)
{
    auto thread = std::make_shared<DeviceThread>();
    thread->id = lastSimulatedThreadId.fetch_add(4) + 4;
    thread->process = &process;
    thread->creationTime = now;
    thread->simulated = true;
    thread->loadPercent = loadPercent;
    return thread;
}

std::shared_ptr<Process> startProgram(const SimulatedDescription& program, const std::u16string& commandLine,
                                      ULONGLONG now)
{
    auto process = std::make_shared<Process>();
    process->exePath = program.exePath;
    process->commandLine = commandLine;
    process->simulated = true;
    process->simulation = std::make_shared<const SimulatedDescription>(program);
    // A program with windows runs its first thread on the host (startWindowThread).
    const size_t hostThreads = program.windows.empty() ? 0 : 1;
    for (size_t i = hostThreads; i < program.threadLoads.size(); ++i)
        process->threads.push_back(simulatedThread(*process, program.threadLoads[i], now));
    process->modules.push_back(simulatedModule(fileName(program.exePath), program.exePath, program.codeSize));
    for (const auto& name : program.modules)
        process->modules.push_back(simulatedModule(name, u"\\Windows\\" + name, builtinModuleBytes));
    for (size_t i = 0; i < program.heaps.size(); ++i) {
        const SimulatedHeap& heap = program.heaps[i];
        process->heaps.push_back(makeHeap(i, heap.name == "default", heap.usedBytes, heap.freeBytes));
    }
    addProcess(process);
    {
        std::lock_guard guard(kernelLock());
        placeProcess(*process);
    }
    // Handles of the process, so that they close when it ends.
    ProcessSwitch acting(process);
    for (const auto& database : program.openDatabases)
        holdDatabaseOpen(database.volume, database.name);
    return process;
}

}  // namespace

bool startBootPrograms(Device& device, std::string& error)
{
    resetMemoryDivision();
    std::vector<SimulatedDescription> programs;
    if (!readProgramCatalogue(device.profile(), programs, error))
        return false;
    const ULONGLONG now = device.clock().utcNow();
    for (const auto& program : programs)
        if (program.system)
            startProgram(program, u"", now);
    for (const auto& program : programs)
        if (!program.system && program.atBoot)
            startProgram(program, u"", now);
    return true;
}

std::shared_ptr<Process> startSimulatedProgram(const std::u16string& exePath, const std::u16string& commandLine)
{
    Device* device = Device::current();
    std::vector<SimulatedDescription> programs;
    std::string error;
    if (!device || !readProgramCatalogue(device->profile(), programs, error))
        return nullptr;
    const SimulatedDescription* program = findProgram(programs, exePath);
    if (!program)
        return nullptr;
    auto process = startProgram(*program, commandLine, device->clock().utcNow());
    if (!program->windows.empty())
        startWindowThread(process);
    return process;
}

DWORD hibernateProcess(Process& process)
{
    std::lock_guard guard(kernelLock());
    if (!process.simulation)
        return 0;
    // Heap memory above what the program keeps while hibernated goes back, so a second
    // WM_HIBERNATE releases nothing more.
    const SimulatedDescription& program = *process.simulation;
    const DWORD kept = program.usedHeapBytes() - program.hibernateBytes;
    DWORD used = 0;
    for (const auto& heap : process.heaps)
        for (const auto& block : heap.blocks)
            used += block.free ? 0 : block.size;
    return used > kept ? releaseUsedBytes(process, used - kept) : 0;
}

}  // namespace ce

namespace emulator {

DWORD hibernateSimulatedProgram(DWORD processId)
{
    auto process = ce::findProcess(processId);
    return process ? ce::hibernateProcess(*process) : 0;
}

}  // namespace emulator
