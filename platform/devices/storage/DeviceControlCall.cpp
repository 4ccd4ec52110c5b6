// DeviceIoControl: a control code sent to the device behind a handle.
#include "DeviceFiles.h"
#include "store/files/FileErrors.h"
#include "winbase.h"
#include "winerror.h"

BOOL DeviceIoControl(HANDLE hDevice, DWORD dwIoControlCode, LPVOID lpInBuf, DWORD nInBufSize, LPVOID lpOutBuf,
    DWORD nOutBufSize, LPDWORD lpBytesReturned, LPOVERLAPPED lpOverlapped)
{
    (void)lpOverlapped; // the device's calls complete before they return
    auto device = ce::lookupHandleAs<ce::DeviceObject>(hDevice);
    if (!device)
        return ce::failWith(ERROR_INVALID_HANDLE, FALSE);
    DWORD returned = 0;
    DWORD error = device->control(dwIoControlCode, static_cast<const BYTE*>(lpInBuf), lpInBuf ? nInBufSize : 0,
        static_cast<BYTE*>(lpOutBuf), lpOutBuf ? nOutBufSize : 0, returned);
    if (lpBytesReturned)
        *lpBytesReturned = returned;
    if (error)
        return ce::failWith(error, FALSE);
    return TRUE;
}
