// The running set of services and the device part that fills it at boot.
#include "RunningServices.h"

#include <mutex>

#include "ServiceProfile.h"
#include "kernel/Device.h"
#include "kernel/DeviceParts.h"
#include "service.h"
#include "text/CaseTable.h"
#include "winerror.h"

namespace ce {
namespace {

struct Running {
    ServiceKey key;
    HANDLE handle;
};

struct ServiceSet {
    std::mutex lock;
    std::vector<Running> running;
    // Handles stay clear of the handle table's values, process and thread ids, and are never
    // given twice in a run.
    uintptr_t lastHandle = 0x5E000000;
};

ServiceSet& services()
{
    static ServiceSet instance;
    return instance;
}

bool sameName(std::u16string_view a, std::u16string_view b)
{
    return a.size() == b.size()
        && std::equal(a.begin(), a.end(), b.begin(), [](char16_t x, char16_t y) { return toUpperDevice(x) == toUpperDevice(y); });
}

bool sameInstance(const ServiceKey& running, std::u16string_view prefix, DWORD index)
{
    return !running.prefix.empty() && running.index == index && sameName(running.prefix, prefix);
}

// services.exe's start: the profile's sections must be sound, then every service that loads.
bool startServices(Device& device, std::string& error)
{
    std::vector<ServiceDescription> described;
    if (!readServiceSections(device.profile(), described, error))
        return false;
    for (const ServiceKey& key : readServiceKeys(device)) {
        HANDLE handle = nullptr;
        if (!(key.flags & DEVFLAGS_NOLOAD) && serviceDllExists(device, key.dll))
            startService(key, handle);
    }
    return true;
}

void stopServices()
{
    std::lock_guard guard(services().lock);
    services().running.clear();
}

// After the boot programs (services.exe runs under device.exe), so a soft reset starts them anew.
const DevicePartRegistration registration{{"services", 120, startServices, stopServices}};

}  // namespace

DWORD startService(const ServiceKey& key, HANDLE& handle)
{
    ServiceSet& set = services();
    std::lock_guard guard(set.lock);
    for (const auto& running : set.running)
        if (sameName(running.key.name, key.name) || sameInstance(running.key, key.prefix, key.index))
            return ERROR_SERVICE_ALREADY_RUNNING;
    set.lastHandle += 4;
    handle = reinterpret_cast<HANDLE>(set.lastHandle);
    set.running.push_back({key, handle});
    return ERROR_SUCCESS;
}

bool findService(std::u16string_view prefix, DWORD index, ServiceKey& key, HANDLE& handle)
{
    ServiceSet& set = services();
    std::lock_guard guard(set.lock);
    for (const auto& running : set.running) {
        if (sameInstance(running.key, prefix, index)) {
            key = running.key;
            handle = running.handle;
            return true;
        }
    }
    return false;
}

bool stopService(HANDLE handle)
{
    ServiceSet& set = services();
    std::lock_guard guard(set.lock);
    return std::erase_if(set.running, [&](const Running& running) { return running.handle == handle; }) > 0;
}

}  // namespace ce
