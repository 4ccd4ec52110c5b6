// Placeholder: being written in this change.
#include "DeviceFiles.h"

#include "winbase.h"
#include "winerror.h"

namespace ce {

bool isDeviceFileName(LPCWSTR)
{
    return false;
}

HANDLE openDeviceFile(LPCWSTR, DWORD, DWORD, DWORD)
{
    SetLastError(ERROR_NOT_SUPPORTED);
    return INVALID_HANDLE_VALUE;
}

}  // namespace ce
