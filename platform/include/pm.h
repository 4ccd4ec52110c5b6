// The power manager's system power states and SetSystemPowerState.
#pragma once

#include "winbase.h"

#define POWER_STATE(f) ((f) & 0xFFFF0000u)
#define POWER_STATE_ON 0x00010000u
#define POWER_STATE_OFF 0x00020000u
#define POWER_STATE_CRITICAL 0x00040000u
#define POWER_STATE_BOOT 0x00080000u
#define POWER_STATE_IDLE 0x00100000u
#define POWER_STATE_SUSPEND 0x00200000u
#define POWER_STATE_UNATTENDED 0x00400000u
#define POWER_STATE_RESET 0x00800000u
#define POWER_STATE_USERIDLE 0x01000000u
#define POWER_STATE_BACKLIGHTON 0x02000000u
#define POWER_STATE_PASSWORD 0x10000000u

#define POWER_FORCE 0x00001000u

// Returns ERROR_SUCCESS or a system error code (the code is also the last error).
WINBASEAPI DWORD SetSystemPowerState(LPCWSTR psState, DWORD StateFlags, DWORD Options);
