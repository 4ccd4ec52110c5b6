// The simulated memory of device processes: where a process sits in the address space, its
// heaps as blocks, and how much program memory it holds. Every function here is called with
// kernelLock() held.
//
// A process holds its heap blocks (in use, and free but not yet returned), its modules' sizes
// and one stack per running thread. The kernel keeps a fixed share of program memory besides.
#pragma once

#include "kernel/Process.h"

namespace ce {

constexpr DWORD slotBytes = 0x02000000;         // each process has a 32 MB slot, as on the device
constexpr DWORD threadStackBytes = 64u << 10;
constexpr DWORD kernelShareBytes = 2u << 20;
constexpr DWORD builtinModuleBytes = 32u << 10;  // a built-in DLL mapped into a simulated program

// Gives `process` its slot (the lowest free one) and, when it has no heap yet, the default heap
// our own programs start with. Processes CreateProcessW starts get them at their first memory
// call; calling it again changes nothing.
void placeProcess(Process& process);
DWORD memoryBase(const Process& process);

// A heap of `index` (0 is the first) with `usedBytes` in blocks of at most 16 KB and
// `freeBytes` in one free block. Heap ids are the heaps' addresses inside the process.
Heap makeHeap(size_t index, bool isDefault, DWORD usedBytes, DWORD freeBytes);
Heap* findHeap(Process& process, DWORD heapId);

ULONGLONG processMemoryBytes(const Process& process);
ULONGLONG runningProcessesMemoryBytes();

struct Compaction {
    DWORD releasedBytes = 0;
    DWORD largestFreeBlock = 0;  // the largest free block the heap had
};
// Returns the heap's free blocks to the system.
Compaction compactHeap(Heap& heap);

// Frees up to `bytes` of blocks in use, the newest first, and returns them to the system;
// the bytes released.
DWORD releaseUsedBytes(Process& process, DWORD bytes);

}  // namespace ce
