// COM start-up for a thread. The device's COM library is only started and stopped here: no
// component classes are registered on the emulated device.
#pragma once

#include "ceapi.h"
#include "windef.h"
#include "winerror.h"

#define COINIT_MULTITHREADED 0x0

// S_OK the first time on a thread, S_FALSE when the thread has already started COM.
WINBASEAPI HRESULT CoInitializeEx(LPVOID pvReserved, DWORD dwCoInit);
WINBASEAPI void CoUninitialize();
