// Device files: a name that ends in ":" opens a device instead of a file, as the device's
// CreateFileW does: a storage card's volume ("\Storage Card\VOL:") or a disk ("DSK1:", the
// inserted cards numbered in profile order). DeviceIoControl sends control codes to them.
#pragma once

#include "kernel/Handles.h"
#include "windef.h"

namespace ce {

// The kernel object behind a device handle.
struct DeviceObject : KernelObject {
    // One control code: ERROR_SUCCESS, or the error DeviceIoControl reports.
    virtual DWORD control(DWORD code, const BYTE* in, DWORD inSize, BYTE* out, DWORD outSize, DWORD& returned) = 0;
};

bool isDeviceFileName(LPCWSTR name);
// CreateFileW for a device name: the handle, or INVALID_HANDLE_VALUE with the last error set.
// Names of no device give ERROR_DEV_NOT_EXIST.
HANDLE openDeviceFile(LPCWSTR name, DWORD access, DWORD share, DWORD disposition);

} // namespace ce
