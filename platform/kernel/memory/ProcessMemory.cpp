// Slots, heaps and the memory a process holds.
#include "ProcessMemory.h"

#include <algorithm>

namespace ce {
namespace {

constexpr DWORD maxSlot = 63;
constexpr DWORD firstHeapAddress = 0x00060000;
constexpr DWORD heapSpacing = 0x00100000;
constexpr DWORD heapHeaderBytes = 0x10;
constexpr DWORD largestBlock = 16u << 10;

// What a program of ours has in its process heap before it allocates anything itself.
constexpr DWORD programHeapUsedBytes = 40u << 10;
constexpr DWORD programHeapFreeBytes = 8u << 10;

DWORD freeSlot()
{
    for (DWORD slot = 1; slot < maxSlot; ++slot) {
        bool taken = std::any_of(deviceProcesses().begin(), deviceProcesses().end(),
                                 [slot](const auto& process) { return process->memorySlot == slot; });
        if (!taken)
            return slot;
    }
    return maxSlot;
}

}  // namespace

void placeProcess(Process& process)
{
    if (process.memorySlot == 0)
        process.memorySlot = freeSlot();
    if (process.heaps.empty())
        process.heaps.push_back(makeHeap(0, true, programHeapUsedBytes, programHeapFreeBytes));
}

DWORD memoryBase(const Process& process)
{
    return slotBytes * process.memorySlot;
}

Heap makeHeap(size_t index, bool isDefault, DWORD usedBytes, DWORD freeBytes)
{
    Heap heap;
    heap.id = firstHeapAddress + static_cast<DWORD>(index) * heapSpacing;
    heap.isDefault = isDefault;
    DWORD address = heap.id + heapHeaderBytes;
    for (DWORD left = usedBytes; left > 0;) {
        DWORD size = std::min(left, largestBlock);
        heap.blocks.push_back({address, size, false});
        address += size;
        left -= size;
    }
    if (freeBytes > 0)
        heap.blocks.push_back({address, freeBytes, true});
    return heap;
}

Heap* findHeap(Process& process, DWORD heapId)
{
    auto it = std::find_if(process.heaps.begin(), process.heaps.end(), [heapId](const Heap& h) { return h.id == heapId; });
    return it == process.heaps.end() ? nullptr : &*it;
}

ULONGLONG processMemoryBytes(const Process& process)
{
    ULONGLONG total = 0;
    for (const auto& heap : process.heaps)
        for (const auto& block : heap.blocks)
            total += block.size;
    for (const auto& module : process.modules)
        total += module->size;
    for (const auto& thread : process.threads)
        if (!thread->ended)
            total += threadStackBytes;
    return total;
}

ULONGLONG runningProcessesMemoryBytes()
{
    ULONGLONG total = 0;
    for (const auto& process : deviceProcesses()) {
        placeProcess(*process);
        total += processMemoryBytes(*process);
    }
    return total;
}

Compaction compactHeap(Heap& heap)
{
    Compaction result;
    for (const auto& block : heap.blocks)
        if (block.free) {
            result.releasedBytes += block.size;
            result.largestFreeBlock = std::max(result.largestFreeBlock, block.size);
        }
    std::erase_if(heap.blocks, [](const HeapBlock& block) { return block.free; });
    return result;
}

DWORD releaseUsedBytes(Process& process, DWORD bytes)
{
    DWORD released = 0;
    for (auto heap = process.heaps.rbegin(); heap != process.heaps.rend() && released < bytes; ++heap) {
        auto& blocks = heap->blocks;
        for (size_t i = blocks.size(); i-- > 0 && released < bytes;) {
            if (blocks[i].free)
                continue;
            DWORD take = std::min(blocks[i].size, bytes - released);
            released += take;
            blocks[i].size -= take;
            if (blocks[i].size == 0)
                blocks.erase(blocks.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }
    return released;
}

}  // namespace ce
