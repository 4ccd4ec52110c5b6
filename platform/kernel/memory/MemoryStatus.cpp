// GlobalMemoryStatus: program memory less the kernel's share and what the running processes
// hold; each process sees its own 32 MB slot as its virtual memory. There is no page file.
#include <algorithm>

#include "MemoryDivision.h"
#include "ProcessMemory.h"
#include "kernel/Device.h"
#include "kfuncs.h"

void GlobalMemoryStatus(LPMEMORYSTATUS lpBuffer)
{
    ce::Device* device = ce::deviceOrFail();
    if (!device || !lpBuffer)
        return;
    const ULONGLONG total = ce::programMemoryBytes(device->profile());
    ULONGLONG used = ce::kernelShareBytes;
    ULONGLONG own = 0;
    ce::Process* process = ce::currentProcess();
    {
        std::lock_guard guard(ce::kernelLock());
        used += ce::runningProcessesMemoryBytes();
        if (process) {
            ce::placeProcess(*process);
            own = ce::processMemoryBytes(*process);
        }
    }
    used = std::min(used, total);
    *lpBuffer = MEMORYSTATUS{};
    lpBuffer->dwLength = sizeof(MEMORYSTATUS);
    lpBuffer->dwMemoryLoad = total ? static_cast<DWORD>(used * 100 / total) : 100;
    lpBuffer->dwTotalPhys = static_cast<SIZE_T>(total);
    lpBuffer->dwAvailPhys = static_cast<SIZE_T>(total - used);
    lpBuffer->dwTotalVirtual = ce::slotBytes;
    lpBuffer->dwAvailVirtual = ce::slotBytes - static_cast<SIZE_T>(std::min<ULONGLONG>(own, ce::slotBytes));
}
