// Kernel calls programs find by name in coredll.dll: the thread's kernel mode and process
// permissions, pointer mapping, and calls into another process (PerformCallBack4).
#include "ProcessContext.h"
#include "kfuncs.h"
#include "winerror.h"

namespace ce {
namespace {

// Per thread, as on the device. The permissions start with the thread's own process slot.
thread_local BOOL kernelMode = FALSE;
thread_local DWORD permissions = 1;

using CallBack4 = DWORD (*)(LPVOID, LPVOID, LPVOID, LPVOID);

} // namespace
} // namespace ce

BOOL SetKMode(BOOL fMode)
{
    BOOL previous = ce::kernelMode;
    ce::kernelMode = fMode ? TRUE : FALSE;
    return previous;
}

DWORD SetProcPermissions(DWORD newperms)
{
    DWORD previous = ce::permissions;
    ce::permissions = newperms;
    return previous;
}

DWORD GetCurrentPermissions()
{
    return ce::permissions;
}

// Every process shares the one host address space: a pointer means the same everywhere.
LPVOID MapPtrToProcess(LPVOID lpv, HANDLE)
{
    return lpv;
}

DWORD PerformCallBack4(PCALLBACKINFO pcbi, LPVOID p2, LPVOID p3, LPVOID p4)
{
    if (!pcbi || !pcbi->pfn) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    // FARPROC is the SDK's generic function pointer; the callback takes four pointers.
    auto call = reinterpret_cast<ce::CallBack4>(reinterpret_cast<void*>(pcbi->pfn));
    // The own process, even on a host thread outside any: nothing to switch.
    if (pcbi->hProc == ce::currentProcessPseudoHandle)
        return call(pcbi->pvArg0, p2, p3, p4);
    auto target = ce::processFromHandle(pcbi->hProc);
    bool running = false;
    if (target) {
        std::lock_guard guard(ce::kernelLock());
        running = !target->ending;
    }
    if (!running) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    ce::ProcessSwitch inTarget(std::move(target));
    return call(pcbi->pvArg0, p2, p3, p4);
}
