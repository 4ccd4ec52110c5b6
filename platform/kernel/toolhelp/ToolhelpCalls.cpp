// The tool help calls over snapshots. An entry whose dwSize is smaller than its structure fails
// with ERROR_INVALID_PARAMETER; a walk past its last entry fails with ERROR_NO_MORE_FILES.
#include "Snapshot.h"
#include "kernel/Device.h"
#include "winerror.h"

namespace {

std::shared_ptr<ce::Snapshot> snapshotOf(HANDLE handle)
{
    auto snapshot = ce::lookupHandleAs<ce::Snapshot>(handle);
    if (!snapshot)
        SetLastError(ERROR_INVALID_HANDLE);
    return snapshot;
}

// Hands out the entry at `cursor` (the first when `first`) and moves past it.
template <typename Entry>
BOOL walk(HANDLE handle, Entry* entry, std::vector<Entry> ce::Snapshot::*list, size_t ce::Snapshot::*cursor,
          bool first)
{
    auto snapshot = snapshotOf(handle);
    if (!snapshot)
        return FALSE;
    if (!entry || entry->dwSize < sizeof(Entry)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    std::lock_guard guard(snapshot->lock);
    size_t& next = (*snapshot).*cursor;
    const auto& entries = (*snapshot).*list;
    if (first)
        next = 0;
    if (next >= entries.size()) {
        SetLastError(ERROR_NO_MORE_FILES);
        return FALSE;
    }
    *entry = entries[next++];
    return TRUE;
}

}  // namespace

HANDLE CreateToolhelp32Snapshot(DWORD dwFlags, DWORD th32ProcessID)
{
    if (!ce::deviceOrFail())
        return INVALID_HANDLE_VALUE;
    auto snapshot = ce::takeSnapshot(dwFlags, th32ProcessID);
    return snapshot ? ce::insertHandle(std::move(snapshot)) : INVALID_HANDLE_VALUE;
}

BOOL CloseToolhelp32Snapshot(HANDLE hSnapshot)
{
    if (!snapshotOf(hSnapshot))
        return FALSE;
    ce::removeHandle(hSnapshot);
    return TRUE;
}

BOOL Process32FirstW(HANDLE hSnapshot, LPPROCESSENTRY32 lppe)
{
    return walk(hSnapshot, lppe, &ce::Snapshot::processes, &ce::Snapshot::nextProcess, true);
}

BOOL Process32NextW(HANDLE hSnapshot, LPPROCESSENTRY32 lppe)
{
    return walk(hSnapshot, lppe, &ce::Snapshot::processes, &ce::Snapshot::nextProcess, false);
}

BOOL Thread32First(HANDLE hSnapshot, LPTHREADENTRY32 lpte)
{
    return walk(hSnapshot, lpte, &ce::Snapshot::threads, &ce::Snapshot::nextThread, true);
}

BOOL Thread32Next(HANDLE hSnapshot, LPTHREADENTRY32 lpte)
{
    return walk(hSnapshot, lpte, &ce::Snapshot::threads, &ce::Snapshot::nextThread, false);
}

BOOL Module32FirstW(HANDLE hSnapshot, LPMODULEENTRY32 lpme)
{
    return walk(hSnapshot, lpme, &ce::Snapshot::modules, &ce::Snapshot::nextModule, true);
}

BOOL Module32NextW(HANDLE hSnapshot, LPMODULEENTRY32 lpme)
{
    return walk(hSnapshot, lpme, &ce::Snapshot::modules, &ce::Snapshot::nextModule, false);
}

BOOL Heap32ListFirst(HANDLE hSnapshot, LPHEAPLIST32 lphl)
{
    return walk(hSnapshot, lphl, &ce::Snapshot::heapLists, &ce::Snapshot::nextHeapList, true);
}

BOOL Heap32ListNext(HANDLE hSnapshot, LPHEAPLIST32 lphl)
{
    return walk(hSnapshot, lphl, &ce::Snapshot::heapLists, &ce::Snapshot::nextHeapList, false);
}

// Heap walks: Heap32First picks the heap (of the snapshot's copy), Heap32Next goes on in it.
BOOL Heap32First(HANDLE hSnapshot, LPHEAPENTRY32 lphe, DWORD th32ProcessID, DWORD th32HeapID)
{
    auto snapshot = snapshotOf(hSnapshot);
    if (!snapshot)
        return FALSE;
    bool found = false;
    {
        std::lock_guard guard(snapshot->lock);
        snapshot->walk = nullptr;
        for (const auto& heap : snapshot->heaps)
            if (heap.processId == th32ProcessID && heap.heapId == th32HeapID)
                snapshot->walk = &heap;
        snapshot->nextBlock = 0;
        found = snapshot->walk != nullptr;
    }
    if (!found) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return Heap32Next(hSnapshot, lphe);
}

BOOL Heap32Next(HANDLE hSnapshot, LPHEAPENTRY32 lphe)
{
    auto snapshot = snapshotOf(hSnapshot);
    if (!snapshot)
        return FALSE;
    if (!lphe || lphe->dwSize < sizeof(HEAPENTRY32)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    std::lock_guard guard(snapshot->lock);
    if (!snapshot->walk || snapshot->nextBlock >= snapshot->walk->blocks.size()) {
        SetLastError(ERROR_NO_MORE_FILES);
        return FALSE;
    }
    *lphe = snapshot->walk->blocks[snapshot->nextBlock++];
    return TRUE;
}
