// The calling process's heaps: GetProcessHeap, HeapCompact and CompactAllHeaps.
//
// HeapCompact returns the free blocks to the system and reports the largest free block the heap
// had: after compaction no free block is left in this model, and callers read the figure as
// what the compaction found.
#include "ProcessMemory.h"
#include "kernel/Device.h"
#include "kfuncs.h"
#include "winerror.h"

namespace {

ce::Process* callingProcess()
{
    if (!ce::deviceOrFail())
        return nullptr;
    ce::Process* process = ce::currentProcess();
    if (!process)
        SetLastError(ERROR_INVALID_HANDLE);
    return process;
}

DWORD heapId(HANDLE heap)
{
    return static_cast<DWORD>(reinterpret_cast<uintptr_t>(heap));
}

}  // namespace

HANDLE GetProcessHeap()
{
    ce::Process* process = callingProcess();
    if (!process)
        return nullptr;
    std::lock_guard guard(ce::kernelLock());
    ce::placeProcess(*process);
    for (const auto& heap : process->heaps)
        if (heap.isDefault)
            return reinterpret_cast<HANDLE>(static_cast<uintptr_t>(heap.id));
    return nullptr;
}

UINT HeapCompact(HANDLE hHeap, DWORD dwFlags)
{
    (void)dwFlags;  // HEAP_NO_SERIALIZE: the kernel lock serialises every heap anyway
    ce::Process* process = callingProcess();
    if (!process)
        return 0;
    std::lock_guard guard(ce::kernelLock());
    ce::placeProcess(*process);
    ce::Heap* heap = reinterpret_cast<uintptr_t>(hHeap) <= 0xFFFFFFFFu ? ce::findHeap(*process, heapId(hHeap)) : nullptr;
    if (!heap) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    return ce::compactHeap(*heap).largestFreeBlock;
}

void CompactAllHeaps()
{
    ce::Process* process = callingProcess();
    if (!process)
        return;
    std::lock_guard guard(ce::kernelLock());
    ce::placeProcess(*process);
    for (auto& heap : process->heaps)
        ce::compactHeap(heap);
}
