// Device processes: an id, an executable, threads, loaded modules, heaps and an exit code.
// Our own programs are program images (shared objects) with a private copy per process;
// simulated programs are described by the profile; the platform runs their windows.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Threads.h"

namespace ce {

// A module loaded into a process: the program image itself, one of our libraries (a private
// copy per process), or a built-in module of the device such as coredll.dll.
struct Module {
    DWORD id = 0;
    HMODULE handle = nullptr;   // unique on the device
    std::u16string name;        // "coredll.dll"
    std::u16string path;        // device path
    void* hostHandle = nullptr; // dlopen handle of the private copy; null for built-in modules
    ULONG_PTR base = 0;
    DWORD size = 0;
    DWORD loadCount = 0;        // LoadLibraryW calls not yet matched by FreeLibrary
    bool builtin = false;
};

// One block of a process heap, as the heap walk reports it.
struct HeapBlock {
    DWORD address = 0;
    DWORD size = 0;
    bool free = false;  // free but still committed: compaction returns it to the system
};

struct Heap {
    DWORD id = 0;
    bool isDefault = false;
    std::vector<HeapBlock> blocks;
};

struct SimulatedDescription;

struct Process : Waitable {
    DWORD id = 0;
    DWORD parentId = 0;
    std::u16string exePath;     // device path
    std::u16string commandLine;
    bool simulated = false;
    std::shared_ptr<const SimulatedDescription> simulation;  // a simulated program's profile description
    DWORD memorySlot = 0;  // 1-63 once the memory code placed it; its addresses start at 0x02000000 × slot
    // Guarded by kernelLock():
    std::vector<std::shared_ptr<DeviceThread>> threads;  // in creation order
    std::vector<std::shared_ptr<Module>> modules;        // the program first, in load order
    std::vector<Heap> heaps;
    DWORD exitCode = 0x103;  // STILL_ACTIVE
    bool ending = false;     // terminated or exiting; its threads end at their next platform call
    bool ended = false;      // every thread has ended and its resources are freed

    bool isSignaled() const override { return ended; }
};

// Every running process of the device in creation order. Guarded by kernelLock().
std::vector<std::shared_ptr<Process>>& deviceProcesses();
std::shared_ptr<Process> findProcess(DWORD id);  // takes kernelLock()
// Gives a new process its id and adds it to the device (takes kernelLock()).
void addProcess(const std::shared_ptr<Process>& process);

// Starts ending a process with `exitCode` (ExitProcess, TerminateProcess, the end of WinMain):
// every thread of it is told to end. Takes kernelLock().
void endProcess(Process& process, DWORD exitCode);
// Called by a device thread's entry after the thread has ended (without kernelLock()); the
// process ends when its last thread has: its handles are closed, its modules unloaded, it leaves
// the process list and waits on it are satisfied.
void threadEnded(Process& process);

// The process the calling thread acts for: its device thread's process, or the process a
// PerformCallBack4 call switched to; null on host threads outside any process.
Process* currentProcess();

}  // namespace ce
