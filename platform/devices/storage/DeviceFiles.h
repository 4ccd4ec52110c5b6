// Device files: a name that ends in ":" opens a device instead of a file, as the device's
// CreateFileW does: a storage card's volume ("\Storage Card\VOL:") or a disk ("DSK1:").
#pragma once

#include "windef.h"

namespace ce {

bool isDeviceFileName(LPCWSTR name);
// CreateFileW for a device name: the handle, or INVALID_HANDLE_VALUE with the last error set.
HANDLE openDeviceFile(LPCWSTR name, DWORD access, DWORD share, DWORD disposition);

}  // namespace ce
