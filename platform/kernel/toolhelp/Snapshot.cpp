// Filling a snapshot from the process table. Everything is copied under kernelLock(), so the
// snapshot never changes afterwards. A process snapshot without TH32CS_SNAPNOHEAPS also copies
// every process's heap blocks, as the device does (that is what makes it the slower kind).
#include "Snapshot.h"

#include <algorithm>

#include "kernel/Process.h"
#include "kernel/memory/ProcessMemory.h"
#include "winerror.h"

namespace ce {
namespace {

template <size_t N>
void copyName(WCHAR (&target)[N], std::u16string_view text)
{
    size_t length = std::min(text.size(), N - 1);
    std::copy_n(text.begin(), length, target);
    target[length] = 0;
}

DWORD accessKey(const Process& process)
{
    return process.memorySlot >= 1 && process.memorySlot <= 32 ? 1u << (process.memorySlot - 1) : 0;
}

DWORD runningThreads(const Process& process)
{
    return static_cast<DWORD>(
        std::count_if(process.threads.begin(), process.threads.end(), [](const auto& t) { return !t->ended; }));
}

PROCESSENTRY32W processEntry(const Process& process)
{
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    entry.cntUsage = 1;
    entry.th32ProcessID = process.id;
    for (const auto& heap : process.heaps)
        if (heap.isDefault)
            entry.th32DefaultHeapID = heap.id;
    entry.th32ModuleID = process.modules.empty() ? 0 : process.modules.front()->id;
    entry.cntThreads = runningThreads(process);
    entry.th32ParentProcessID = process.parentId;
    entry.pcPriClassBase = THREAD_PRIORITY_NORMAL;
    // CE reports the executable's name without its folder.
    copyName(entry.szExeFile, std::u16string_view(process.exePath).substr(process.exePath.find_last_of(u'\\') + 1));
    entry.th32MemoryBase = memoryBase(process);
    entry.th32AccessKey = accessKey(process);
    return entry;
}

void addThreads(Snapshot& snapshot, const Process& process)
{
    for (const auto& thread : process.threads) {
        if (thread->ended)
            continue;
        THREADENTRY32 entry{};
        entry.dwSize = sizeof entry;
        entry.cntUsage = 1;
        entry.th32ThreadID = thread->id;
        entry.th32OwnerProcessID = process.id;
        entry.tpBasePri = thread->priority;
        entry.th32AccessKey = accessKey(process);
        entry.th32CurrentProcessID = process.id;
        snapshot.threads.push_back(entry);
    }
}

void addModules(Snapshot& snapshot, const Process& process)
{
    for (const auto& module : process.modules) {
        MODULEENTRY32W entry{};
        entry.dwSize = sizeof entry;
        entry.th32ModuleID = module->id;
        entry.th32ProcessID = process.id;
        entry.GlblcntUsage = std::max<DWORD>(module->loadCount, 1);
        entry.ProccntUsage = entry.GlblcntUsage;
        entry.modBaseAddr = reinterpret_cast<BYTE*>(module->base);
        entry.modBaseSize = module->size;
        entry.hModule = module->handle;
        copyName(entry.szModule, module->name);
        copyName(entry.szExePath, module->path);
        snapshot.modules.push_back(entry);
    }
}

void addHeapList(Snapshot& snapshot, const Process& process)
{
    for (const auto& heap : process.heaps)
        snapshot.heapLists.push_back(
            HEAPLIST32{static_cast<DWORD>(sizeof(HEAPLIST32)), process.id, heap.id, heap.isDefault ? DWORD{HF32_DEFAULT} : 0});
}

void addHeapBlocks(Snapshot& snapshot, const Process& process)
{
    for (const auto& heap : process.heaps) {
        HeapWalk walk{process.id, heap.id, {}};
        for (const auto& block : heap.blocks) {
            HEAPENTRY32 entry{};
            entry.dwSize = sizeof entry;
            entry.hHandle = reinterpret_cast<HANDLE>(static_cast<uintptr_t>(block.address));
            entry.dwAddress = block.address;
            entry.dwBlockSize = block.size;
            entry.dwFlags = block.free ? LF32_FREE : LF32_FIXED;
            entry.th32ProcessID = process.id;
            entry.th32HeapID = heap.id;
            walk.blocks.push_back(entry);
        }
        snapshot.heaps.push_back(std::move(walk));
    }
}

}  // namespace

std::shared_ptr<Snapshot> takeSnapshot(DWORD flags, DWORD processId)
{
    Process* caller = currentProcess();
    auto snapshot = std::make_shared<Snapshot>();
    std::lock_guard guard(kernelLock());
    const auto& processes = deviceProcesses();
    const Process* target = nullptr;
    if (processId == 0 && caller)
        processId = caller->id;
    if (processId != 0) {
        auto it = std::find_if(processes.begin(), processes.end(),
                               [processId](const auto& p) { return p->id == processId && !p->ended; });
        if (it == processes.end()) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return nullptr;
        }
        target = it->get();
    }
    const bool heapsOfAll = (flags & TH32CS_SNAPPROCESS) && !(flags & TH32CS_SNAPNOHEAPS);
    for (const auto& process : processes) {
        if (process->ended)
            continue;
        placeProcess(*process);
        const bool isTarget = process.get() == target;
        if (flags & TH32CS_SNAPPROCESS)
            snapshot->processes.push_back(processEntry(*process));
        if (flags & TH32CS_SNAPTHREAD)
            addThreads(*snapshot, *process);
        if ((flags & TH32CS_SNAPMODULE) && (isTarget || (flags & TH32CS_GETALLMODS)))
            addModules(*snapshot, *process);
        if ((flags & TH32CS_SNAPHEAPLIST) && isTarget)
            addHeapList(*snapshot, *process);
        if (heapsOfAll || ((flags & TH32CS_SNAPHEAPLIST) && isTarget))
            addHeapBlocks(*snapshot, *process);
    }
    return snapshot;
}

}  // namespace ce
