// LocalAlloc and LocalFree: fixed blocks from the host heap.
#include <cstdlib>
#include <cstring>

#include "winbase.h"
#include "winerror.h"

HLOCAL LocalAlloc(UINT uFlags, SIZE_T uBytes)
{
    void* block = (uFlags & LMEM_ZEROINIT) ? std::calloc(1, uBytes ? uBytes : 1) : std::malloc(uBytes ? uBytes : 1);
    if (!block)
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return block;
}

HLOCAL LocalFree(HLOCAL hMem)
{
    std::free(hMem);
    return nullptr;
}
