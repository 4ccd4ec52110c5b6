// The user-interface calls of the device. For now: keyboard events (the power key) and the
// system parameters that describe the device.
#pragma once

#include "winbase.h"

// ---- Keyboard ---------------------------------------------------------------------------------

#define KEYEVENTF_KEYUP 0x0002
#define VK_OFF 0xDF  // the power key

WINBASEAPI void keybd_event(BYTE bVk, BYTE bScan, DWORD dwFlags, DWORD dwExtraInfo);

// ---- System parameters ----------------------------------------------------------------------

#define SPI_GETPLATFORMTYPE 257
#define SPI_GETOEMINFO 258

WINBASEAPI BOOL SystemParametersInfoW(UINT uiAction, UINT uiParam, PVOID pvParam, UINT fWinIni);
#define SystemParametersInfo SystemParametersInfoW
