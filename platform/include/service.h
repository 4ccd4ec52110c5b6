// Services that services.exe runs: found by their instance name ("HTP0:"), started from their
// key under HKEY_LOCAL_MACHINE\Services, stopped by handle.
#pragma once

#include "winbase.h"

// Flags value of a service key: the device does not start the service by itself.
#define DEVFLAGS_NOLOAD 0x00000004

// INVALID_HANDLE_VALUE when no running service has the instance name.
WINBASEAPI HANDLE GetServiceHandle(LPWSTR szPrefix, LPWSTR szDllName, LPDWORD pdwDllBuf);
// Null on failure.
WINBASEAPI HANDLE ActivateService(LPCWSTR lpszDevKey, DWORD dwClientInfo);
WINBASEAPI BOOL DeregisterService(HANDLE hDevice);
