// What the database calls share: failing with a last error, and finding the volume or open
// database a call names.
#pragma once

#include <memory>

#include "DatabaseHandles.h"
#include "MountedVolumes.h"
#include "winerror.h"

namespace ce {

template <typename T> T failWith(DWORD error, T result)
{
    SetLastError(error);
    return result;
}

// The mounted volume `guid` names; null with ERROR_INVALID_PARAMETER (or ERROR_NOT_READY
// without a device).
std::shared_ptr<Volume> volumeOrFail(const CEGUID* guid);
// The open database of a handle; null with ERROR_INVALID_HANDLE.
std::shared_ptr<OpenDatabase> databaseOrFail(HANDLE handle);
// The device's time now, in FILETIME ticks (UTC).
ULONGLONG deviceTimeNow();

} // namespace ce
