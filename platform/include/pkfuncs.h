// Kernel control codes that programs send to the device's hardware layer with KernelIoControl:
// the soft reset and the processor's description.
#pragma once

#include "winbase.h"

#define FILE_DEVICE_HAL 0x00000101
#define METHOD_BUFFERED 0
#define FILE_ANY_ACCESS 0
#define CTL_CODE(DeviceType, Function, Method, Access) \
    (((DeviceType) << 16) | ((Access) << 14) | ((Function) << 2) | (Method))

// 0x0101003C: a warm boot. It does not return to a caller inside a device process.
#define IOCTL_HAL_REBOOT CTL_CODE(FILE_DEVICE_HAL, 15, METHOD_BUFFERED, FILE_ANY_ACCESS)
// 0x01010064: fills a PROCESSOR_INFO.
#define IOCTL_PROCESSOR_INFORMATION CTL_CODE(FILE_DEVICE_HAL, 25, METHOD_BUFFERED, FILE_ANY_ACCESS)

#define PROCESSOR_INFO_VERSION 1
#define PROCESSOR_FLOATINGPOINT 0x00000001
#define PROCESSOR_DSP 0x00000002
#define PROCESSOR_16BITINSTRUCTION 0x00000004

// The layout the device returns: 576 bytes with natural alignment.
struct PROCESSOR_INFO {
    WORD wVersion;
    WCHAR szProcessCore[40];
    WORD wCoreRevision;
    WCHAR szProcessorName[40];
    WORD wProcessorRevision;
    WCHAR szCatalogNumber[100];
    WCHAR szVendor[100];
    DWORD dwInstructionSet;
    DWORD dwClockSpeed;
};
using PPROCESSOR_INFO = PROCESSOR_INFO*;
static_assert(sizeof(PROCESSOR_INFO) == 576, "PROCESSOR_INFO must keep the device's layout");

WINBASEAPI BOOL KernelIoControl(DWORD dwIoControlCode, LPVOID lpInBuf, DWORD nInBufSize, LPVOID lpOutBuf,
                                DWORD nOutBufSize, LPDWORD lpBytesReturned);
