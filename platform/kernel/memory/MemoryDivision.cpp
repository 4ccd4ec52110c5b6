// GetSystemMemoryDivision and SetSystemMemoryDivision over the division kept for the booted device.
#include "MemoryDivision.h"

#include <mutex>

#include "ProcessMemory.h"
#include "kernel/Device.h"
#include "kfuncs.h"
#include "winerror.h"

namespace ce {
namespace {

struct Division {
    std::mutex lock;
    std::optional<ULONGLONG> storeBytes;  // set by SetSystemMemoryDivision
};

Division& division()
{
    static Division instance;
    return instance;
}

// Whether RAM left for programs still holds the kernel's share and every running process.
bool programsFit(ULONGLONG programBytes)
{
    std::lock_guard guard(kernelLock());
    return programBytes >= kernelShareBytes + runningProcessesMemoryBytes();
}

}  // namespace

ULONGLONG objectStoreBytes(const emulator::Profile& profile)
{
    std::lock_guard guard(division().lock);
    return division().storeBytes.value_or(profile.storeBytes);
}

ULONGLONG programMemoryBytes(const emulator::Profile& profile)
{
    return profile.ramBytes - std::min(profile.ramBytes, objectStoreBytes(profile));
}

void resetMemoryDivision()
{
    std::lock_guard guard(division().lock);
    division().storeBytes.reset();
}

KeptMemoryDivision::KeptMemoryDivision()
{
    std::lock_guard guard(division().lock);
    m_storeBytes = division().storeBytes;
}

KeptMemoryDivision::~KeptMemoryDivision()
{
    std::lock_guard guard(division().lock);
    division().storeBytes = m_storeBytes;
}

}  // namespace ce

BOOL GetSystemMemoryDivision(LPDWORD lpdwStorePages, LPDWORD lpdwRamPages, LPDWORD lpdwPageSize)
{
    ce::Device* device = ce::deviceOrFail();
    if (!device)
        return FALSE;
    if (!lpdwStorePages || !lpdwRamPages || !lpdwPageSize) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const emulator::Profile& profile = device->profile();
    *lpdwPageSize = profile.pageSize;
    *lpdwStorePages = static_cast<DWORD>(ce::objectStoreBytes(profile) / profile.pageSize);
    *lpdwRamPages = static_cast<DWORD>(ce::programMemoryBytes(profile) / profile.pageSize);
    return TRUE;
}

DWORD SetSystemMemoryDivision(DWORD dwStorePages)
{
    ce::Device* device = ce::deviceOrFail();
    if (!device)
        return SYSMEM_FAILED;
    const emulator::Profile& profile = device->profile();
    // From CE 5 on, the object store lives in persistent storage and the split is fixed.
    if (profile.osMajor >= 5) {
        SetLastError(ERROR_NOT_SUPPORTED);
        return SYSMEM_FAILED;
    }
    const ULONGLONG storeBytes = ULONGLONG{dwStorePages} * profile.pageSize;
    STORE_INFORMATION store{};
    bool fits = storeBytes > 0 && storeBytes < profile.ramBytes && storeBytes <= 0xFFFFFFFFull
        && GetStoreInformation(&store) && storeBytes >= store.dwStoreSize - store.dwFreeSize
        && ce::programsFit(profile.ramBytes - storeBytes);
    if (!fits) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return SYSMEM_FAILED;
    }
    std::lock_guard guard(ce::division().lock);
    ce::division().storeBytes = storeBytes;
    return SYSMEM_CHANGED;
}
