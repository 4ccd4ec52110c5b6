// Tool help: snapshots of the device's processes, threads, modules and heaps.
#pragma once

#include "kfuncs.h"

#define TH32CS_SNAPHEAPLIST 0x00000001
#define TH32CS_SNAPPROCESS 0x00000002
#define TH32CS_SNAPTHREAD 0x00000004
#define TH32CS_SNAPMODULE 0x00000008
#define TH32CS_SNAPALL (TH32CS_SNAPHEAPLIST | TH32CS_SNAPPROCESS | TH32CS_SNAPTHREAD | TH32CS_SNAPMODULE)
#define TH32CS_GETALLMODS 0x80000000u
#define TH32CS_SNAPNOHEAPS 0x40000000u
#define MAX_MODULE_NAME32 255

#define HF32_DEFAULT 1
#define HF32_SHARED 2
#define LF32_FIXED 0x00000001
#define LF32_FREE 0x00000002
#define LF32_MOVEABLE 0x00000004
#define LF32_DECOMMIT 0x00000008
#define LF32_BIGBLOCK 0x00000010

struct PROCESSENTRY32W {
    DWORD dwSize;
    DWORD cntUsage;
    DWORD th32ProcessID;
    DWORD th32DefaultHeapID;
    DWORD th32ModuleID;
    DWORD cntThreads;
    DWORD th32ParentProcessID;
    LONG pcPriClassBase;
    DWORD dwFlags;
    WCHAR szExeFile[MAX_PATH];
    DWORD th32MemoryBase;
    DWORD th32AccessKey;
};
using PROCESSENTRY32 = PROCESSENTRY32W;
using LPPROCESSENTRY32 = PROCESSENTRY32W*;

struct THREADENTRY32 {
    DWORD dwSize;
    DWORD cntUsage;
    DWORD th32ThreadID;
    DWORD th32OwnerProcessID;
    LONG tpBasePri;
    LONG tpDeltaPri;
    DWORD dwFlags;
    DWORD th32AccessKey;
    DWORD th32CurrentProcessID;
};
using LPTHREADENTRY32 = THREADENTRY32*;

struct MODULEENTRY32W {
    DWORD dwSize;
    DWORD th32ModuleID;
    DWORD th32ProcessID;
    DWORD GlblcntUsage;
    DWORD ProccntUsage;
    BYTE* modBaseAddr;
    DWORD modBaseSize;
    HMODULE hModule;
    WCHAR szModule[MAX_MODULE_NAME32 + 1];
    WCHAR szExePath[MAX_PATH];
    DWORD dwFlags;
};
using MODULEENTRY32 = MODULEENTRY32W;
using LPMODULEENTRY32 = MODULEENTRY32W*;

struct HEAPLIST32 {
    DWORD dwSize;
    DWORD th32ProcessID;
    DWORD th32HeapID;
    DWORD dwFlags;
};
using LPHEAPLIST32 = HEAPLIST32*;

struct HEAPENTRY32 {
    DWORD dwSize;
    HANDLE hHandle;
    DWORD dwAddress;
    DWORD dwBlockSize;
    DWORD dwFlags;
    DWORD dwLockCount;
    DWORD dwResvd;
    DWORD th32ProcessID;
    DWORD th32HeapID;
};
using LPHEAPENTRY32 = HEAPENTRY32*;

WINBASEAPI HANDLE CreateToolhelp32Snapshot(DWORD dwFlags, DWORD th32ProcessID);
WINBASEAPI BOOL CloseToolhelp32Snapshot(HANDLE hSnapshot);
WINBASEAPI BOOL Process32FirstW(HANDLE hSnapshot, LPPROCESSENTRY32 lppe);
WINBASEAPI BOOL Process32NextW(HANDLE hSnapshot, LPPROCESSENTRY32 lppe);
WINBASEAPI BOOL Thread32First(HANDLE hSnapshot, LPTHREADENTRY32 lpte);
WINBASEAPI BOOL Thread32Next(HANDLE hSnapshot, LPTHREADENTRY32 lpte);
WINBASEAPI BOOL Module32FirstW(HANDLE hSnapshot, LPMODULEENTRY32 lpme);
WINBASEAPI BOOL Module32NextW(HANDLE hSnapshot, LPMODULEENTRY32 lpme);
WINBASEAPI BOOL Heap32ListFirst(HANDLE hSnapshot, LPHEAPLIST32 lphl);
WINBASEAPI BOOL Heap32ListNext(HANDLE hSnapshot, LPHEAPLIST32 lphl);
WINBASEAPI BOOL Heap32First(HANDLE hSnapshot, LPHEAPENTRY32 lphe, DWORD th32ProcessID, DWORD th32HeapID);
WINBASEAPI BOOL Heap32Next(HANDLE hSnapshot, LPHEAPENTRY32 lphe);
#define Process32First Process32FirstW
#define Process32Next Process32NextW
#define Module32First Module32FirstW
#define Module32Next Module32NextW
