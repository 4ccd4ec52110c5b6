// Finding the volume or open database of a database call.
#include "CallSupport.h"

#include "kernel/Clock.h"
#include "kernel/Device.h"

namespace ce {

std::shared_ptr<Volume> volumeOrFail(const CEGUID* guid)
{
    if (!deviceOrFail())
        return nullptr;
    std::shared_ptr<Volume> volume = guid ? findVolume(*guid) : nullptr;
    if (!volume)
        SetLastError(ERROR_INVALID_PARAMETER);
    return volume;
}

std::shared_ptr<OpenDatabase> databaseOrFail(HANDLE handle)
{
    if (!deviceOrFail())
        return nullptr;
    auto database = lookupHandleAs<OpenDatabase>(handle);
    if (!database)
        SetLastError(ERROR_INVALID_HANDLE);
    return database;
}

ULONGLONG deviceTimeNow()
{
    Device* device = Device::current();
    return device ? device->clock().utcNow() : 0;
}

} // namespace ce
