// Internal to the kernel: which process a call acts for, and the device-wide process work the
// calls and the device's shutdown share.
#pragma once

#include <memory>

#include "kernel/Process.h"

namespace ce {

// The pseudo handle GetCurrentProcess returns; every call that takes a process handle accepts it.
inline const HANDLE currentProcessPseudoHandle = reinterpret_cast<HANDLE>(static_cast<intptr_t>(-1));

// The process whose modules and handles a call uses: currentProcess(), or on a host thread
// outside any process the one host context (tests and the device tool load libraries there).
Process& contextProcess();

// A process named by a handle, the pseudo handle or its id (ids are handles on the device),
// or null when it names none.
std::shared_ptr<Process> processFromHandle(HANDLE handle);

// Makes `process` the calling thread's current process until destroyed (PerformCallBack4, and
// while a new process's image runs its initialisers). Null stands for the host context.
class ProcessSwitch {
public:
    explicit ProcessSwitch(std::shared_ptr<Process> process);
    ~ProcessSwitch();
    ProcessSwitch(const ProcessSwitch&) = delete;
    ProcessSwitch& operator=(const ProcessSwitch&) = delete;

private:
    std::shared_ptr<Process> m_previous;
    bool m_wasSwitched;
};

// Takes a process whose start failed (no thread ever ran) off the device.
void abandonProcess(Process& process, DWORD error);

// Unloads the libraries loaded on host threads outside any process (device shutdown).
void unloadHostContext();

// Device shutdown: ends every process, waits until each has ended and unloads the host
// context's libraries. A process of the calling thread itself is ended but not waited for.
void endAllProcesses();

} // namespace ce
