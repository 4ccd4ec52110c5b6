// SetSystemPowerState and the power key: each request is recorded for the host (emulator/Power.h).
// The emulated device has no screen or battery to switch, so a request changes nothing else,
// except a reset state, which soft-resets the device as IOCTL_HAL_REBOOT does.
#include "emulator/Power.h"

#include <mutex>

#include "devices/power/PowerKey.h"
#include "devices/system/SoftReset.h"
#include "kernel/Device.h"
#include "kernel/DeviceParts.h"
#include "pm.h"
#include "text/CaseTable.h"
#include "winerror.h"
#include "winuser.h"

namespace ce {
namespace {

struct PowerRecord {
    std::mutex lock;
    std::vector<emulator::PowerRequest> requests;
};

PowerRecord& record()
{
    static PowerRecord instance;
    return instance;
}

void remember(emulator::PowerRequest request)
{
    std::lock_guard guard(record().lock);
    record().requests.push_back(std::move(request));
}

bool startRecord(Device&, std::string&)
{
    emulator::clearPowerRequests();
    return true;
}

void stopRecord() {}

// A cold boot starts a fresh record; a soft reset keeps it (the part runs before the programs).
const DevicePartRegistration registration{{"power requests", 1, startRecord, stopRecord}};

bool namesReset(LPCWSTR state)
{
    std::u16string_view name = state;
    std::u16string_view reset = u"reset";
    if (name.size() != reset.size())
        return false;
    for (size_t i = 0; i < name.size(); ++i)
        if (toUpperDevice(name[i]) != toUpperDevice(reset[i]))
            return false;
    return true;
}

}  // namespace
}  // namespace ce

namespace emulator {

std::vector<PowerRequest> powerRequests()
{
    std::lock_guard guard(ce::record().lock);
    return ce::record().requests;
}

void clearPowerRequests()
{
    std::lock_guard guard(ce::record().lock);
    ce::record().requests.clear();
}

}  // namespace emulator

DWORD SetSystemPowerState(LPCWSTR psState, DWORD StateFlags, DWORD Options)
{
    if (!ce::deviceOrFail())
        return GetLastError();
    // A name, when given, stands for the state and the flags are not looked at.
    const bool named = psState != nullptr;
    if ((named && !*psState) || (!named && POWER_STATE(StateFlags) == 0)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return ERROR_INVALID_PARAMETER;
    }
    ce::remember({named ? psState : u"", StateFlags, Options, false});
    const bool reset = named ? ce::namesReset(psState) : (StateFlags & POWER_STATE_RESET) != 0;
    if (reset && !ce::requestSoftReset())
        return GetLastError();
    return ERROR_SUCCESS;
}

void ce::pressPowerKey()
{
    remember({u"", POWER_STATE_OFF, 0, true});
}
