// A tool help snapshot: a frozen copy of the device's processes, threads, modules and heaps as
// the entries the walking calls hand out, with one cursor per list.
#pragma once

#include <mutex>
#include <vector>

#include "kernel/Handles.h"
#include "tlhelp32.h"

namespace ce {

struct HeapWalk {
    DWORD processId = 0;
    DWORD heapId = 0;
    std::vector<HEAPENTRY32> blocks;
};

struct Snapshot : KernelObject {
    std::vector<PROCESSENTRY32W> processes;  // in creation order
    std::vector<THREADENTRY32> threads;      // by process, each in creation order
    std::vector<MODULEENTRY32W> modules;
    std::vector<HEAPLIST32> heapLists;
    std::vector<HeapWalk> heaps;  // every heap whose blocks the snapshot holds

    std::mutex lock;  // guards the cursors
    size_t nextProcess = 0;
    size_t nextThread = 0;
    size_t nextModule = 0;
    size_t nextHeapList = 0;
    const HeapWalk* walk = nullptr;
    size_t nextBlock = 0;
};

// Takes a snapshot of what `flags` (TH32CS_*) ask for. `processId` names the process whose
// modules and heap list are taken (0: the calling process). Null with ERROR_INVALID_PARAMETER
// when it names no running process.
std::shared_ptr<Snapshot> takeSnapshot(DWORD flags, DWORD processId);

}  // namespace ce
