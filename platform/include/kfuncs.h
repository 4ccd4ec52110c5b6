// Kernel calls of the device: processes, threads, synchronisation, modules, memory status
// and the kernel calls programs look up by name in coredll.dll.
#pragma once

#include "winbase.h"

// ---- Waits and synchronisation ------------------------------------------------------------

#define WAIT_OBJECT_0 0x00000000u
#define WAIT_ABANDONED 0x00000080u
#define WAIT_TIMEOUT 0x00000102u
#define WAIT_FAILED 0xFFFFFFFFu
#define STILL_ACTIVE 0x00000103u

#define EVENT_PULSE 1
#define EVENT_RESET 2
#define EVENT_SET 3

WINBASEAPI DWORD WaitForSingleObject(HANDLE hHandle, DWORD dwMilliseconds);
WINBASEAPI DWORD WaitForMultipleObjects(DWORD nCount, const HANDLE* lpHandles, BOOL fWaitAll, DWORD dwMilliseconds);

WINBASEAPI HANDLE CreateEventW(LPSECURITY_ATTRIBUTES lpEventAttributes, BOOL bManualReset, BOOL bInitialState,
                               LPCWSTR lpName);
WINBASEAPI BOOL EventModify(HANDLE hEvent, DWORD func);
WINBASEAPI BOOL SetEvent(HANDLE hEvent);
WINBASEAPI BOOL ResetEvent(HANDLE hEvent);
WINBASEAPI BOOL PulseEvent(HANDLE hEvent);
WINBASEAPI HANDLE CreateMutexW(LPSECURITY_ATTRIBUTES lpMutexAttributes, BOOL bInitialOwner, LPCWSTR lpName);
WINBASEAPI BOOL ReleaseMutex(HANDLE hMutex);
WINBASEAPI HANDLE CreateSemaphoreW(LPSECURITY_ATTRIBUTES lpSemaphoreAttributes, LONG lInitialCount,
                                   LONG lMaximumCount, LPCWSTR lpName);
WINBASEAPI BOOL ReleaseSemaphore(HANDLE hSemaphore, LONG lReleaseCount, LPLONG lpPreviousCount);

// ---- Threads --------------------------------------------------------------------------------

using LPTHREAD_START_ROUTINE = DWORD (*)(LPVOID lpThreadParameter);
#define CREATE_SUSPENDED 0x00000004

#define THREAD_PRIORITY_TIME_CRITICAL 0
#define THREAD_PRIORITY_HIGHEST 1
#define THREAD_PRIORITY_ABOVE_NORMAL 2
#define THREAD_PRIORITY_NORMAL 3
#define THREAD_PRIORITY_BELOW_NORMAL 4
#define THREAD_PRIORITY_LOWEST 5
#define THREAD_PRIORITY_ABOVE_IDLE 6
#define THREAD_PRIORITY_IDLE 7

WINBASEAPI HANDLE CreateThread(LPSECURITY_ATTRIBUTES lpThreadAttributes, DWORD dwStackSize,
                               LPTHREAD_START_ROUTINE lpStartAddress, LPVOID lpParameter, DWORD dwCreationFlags,
                               LPDWORD lpThreadId);
WINBASEAPI void ExitThread(DWORD dwExitCode);
WINBASEAPI BOOL TerminateThread(HANDLE hThread, DWORD dwExitCode);
WINBASEAPI BOOL GetExitCodeThread(HANDLE hThread, LPDWORD lpExitCode);
WINBASEAPI DWORD ResumeThread(HANDLE hThread);
WINBASEAPI DWORD SuspendThread(HANDLE hThread);
WINBASEAPI BOOL SetThreadPriority(HANDLE hThread, int nPriority);
WINBASEAPI int GetThreadPriority(HANDLE hThread);
WINBASEAPI BOOL GetThreadTimes(HANDLE hThread, LPFILETIME lpCreationTime, LPFILETIME lpExitTime,
                               LPFILETIME lpKernelTime, LPFILETIME lpUserTime);
WINBASEAPI DWORD GetCurrentThreadId();
WINBASEAPI HANDLE GetCurrentThread();

// ---- Processes ------------------------------------------------------------------------------

struct STARTUPINFOW;
using LPSTARTUPINFOW = STARTUPINFOW*;

struct PROCESS_INFORMATION {
    HANDLE hProcess;
    HANDLE hThread;
    DWORD dwProcessId;
    DWORD dwThreadId;
};
using LPPROCESS_INFORMATION = PROCESS_INFORMATION*;

#define PROCESS_ALL_ACCESS 0x001F0FFF
#define PROCESS_TERMINATE 0x0001
#define PROCESS_QUERY_INFORMATION 0x0400
#define SYNCHRONIZE 0x00100000

WINBASEAPI BOOL CreateProcessW(LPCWSTR lpApplicationName, LPWSTR lpCommandLine,
                               LPSECURITY_ATTRIBUTES lpProcessAttributes, LPSECURITY_ATTRIBUTES lpThreadAttributes,
                               BOOL bInheritHandles, DWORD dwCreationFlags, LPVOID lpEnvironment,
                               LPCWSTR lpCurrentDirectory, LPSTARTUPINFOW lpStartupInfo,
                               LPPROCESS_INFORMATION lpProcessInformation);
WINBASEAPI void ExitProcess(UINT uExitCode);
WINBASEAPI BOOL TerminateProcess(HANDLE hProcess, UINT uExitCode);
WINBASEAPI HANDLE OpenProcess(DWORD dwDesiredAccess, BOOL bInheritHandle, DWORD dwProcessId);
WINBASEAPI BOOL GetExitCodeProcess(HANDLE hProcess, LPDWORD lpExitCode);
WINBASEAPI DWORD GetCurrentProcessId();
WINBASEAPI HANDLE GetCurrentProcess();

// ---- Modules ----------------------------------------------------------------------------------

using FARPROC = intptr_t (*)();
#define MAKEINTRESOURCEW(i) (reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(static_cast<WORD>(i))))
#define IS_INTRESOURCE(p) ((reinterpret_cast<ULONG_PTR>(p) >> 16) == 0)

WINBASEAPI HMODULE LoadLibraryW(LPCWSTR lpLibFileName);
WINBASEAPI BOOL FreeLibrary(HMODULE hLibModule);
// The device's GetProcAddress takes a wide name, or an ordinal through MAKEINTRESOURCEW.
WINBASEAPI FARPROC GetProcAddressW(HMODULE hModule, LPCWSTR lpProcName);
#define GetProcAddress GetProcAddressW
WINBASEAPI HMODULE GetModuleHandleW(LPCWSTR lpModuleName);
WINBASEAPI DWORD GetModuleFileNameW(HMODULE hModule, LPWSTR lpFilename, DWORD nSize);

// ---- Memory -----------------------------------------------------------------------------------

struct MEMORYSTATUS {
    DWORD dwLength;
    DWORD dwMemoryLoad;
    SIZE_T dwTotalPhys;
    SIZE_T dwAvailPhys;
    SIZE_T dwTotalPageFile;
    SIZE_T dwAvailPageFile;
    SIZE_T dwTotalVirtual;
    SIZE_T dwAvailVirtual;
};
using LPMEMORYSTATUS = MEMORYSTATUS*;

WINBASEAPI void GlobalMemoryStatus(LPMEMORYSTATUS lpBuffer);
WINBASEAPI HANDLE GetProcessHeap();

// ---- Kernel calls found by name in coredll.dll --------------------------------------------

// Programs look these up at run time (LoadLibraryW(u"coredll.dll") + GetProcAddressW); a
// profile can leave any of them out. They are declared here for the platform and its tests.
struct CALLBACKINFO {
    HANDLE hProc;
    FARPROC pfn;
    PVOID pvArg0;
};
using PCALLBACKINFO = CALLBACKINFO*;

#define SYSMEM_CHANGED 0
#define SYSMEM_MUSTREBOOT 1
#define SYSMEM_REBOOTPENDING 2
#define SYSMEM_FAILED 3

WINBASEAPI BOOL SetKMode(BOOL fMode);
WINBASEAPI DWORD SetProcPermissions(DWORD newperms);
WINBASEAPI DWORD GetCurrentPermissions();
WINBASEAPI DWORD PerformCallBack4(PCALLBACKINFO pcbi, LPVOID p2, LPVOID p3, LPVOID p4);
WINBASEAPI UINT HeapCompact(HANDLE hHeap, DWORD dwFlags);
WINBASEAPI void CompactAllHeaps();
WINBASEAPI BOOL GetSystemMemoryDivision(LPDWORD lpdwStorePages, LPDWORD lpdwRamPages, LPDWORD lpdwPageSize);
WINBASEAPI DWORD SetSystemMemoryDivision(DWORD dwStorePages);
WINBASEAPI LPVOID MapPtrToProcess(LPVOID lpv, HANDLE hProc);
