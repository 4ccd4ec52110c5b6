// Which process a call acts for: the device thread's own, one a PerformCallBack4 switched to,
// or the host context of host threads outside any process.
#include "ProcessContext.h"

#include "Modules.h"

namespace ce {
namespace {

// Set while a ProcessSwitch is active on this thread; a null process means the host context.
thread_local bool switched = false;
thread_local std::shared_ptr<Process> switchedProcess;

Process& hostContext()
{
    static Process host;
    return host;
}

} // namespace

Process* currentProcess()
{
    if (switched)
        return switchedProcess.get();
    DeviceThread* thread = currentDeviceThread();
    return thread ? thread->process : nullptr;
}

Process& contextProcess()
{
    Process* process = currentProcess();
    return process ? *process : hostContext();
}

std::shared_ptr<Process> processFromHandle(HANDLE handle)
{
    if (handle != currentProcessPseudoHandle) {
        if (auto process = lookupHandleAs<Process>(handle))
            return process;
        // On the device a process id is also a handle of the process (programs pass toolhelp's
        // ids to TerminateProcess).
        auto id = reinterpret_cast<uintptr_t>(handle);
        return id <= 0xFFFFFFFF ? findProcess(static_cast<DWORD>(id)) : nullptr;
    }
    Process* current = currentProcess();
    return current ? findProcess(current->id) : nullptr;
}

ProcessSwitch::ProcessSwitch(std::shared_ptr<Process> process)
    : m_previous(std::move(switchedProcess))
    , m_wasSwitched(switched)
{
    switchedProcess = std::move(process);
    switched = true;
}

ProcessSwitch::~ProcessSwitch()
{
    switchedProcess = std::move(m_previous);
    switched = m_wasSwitched;
}

void unloadHostContext()
{
    unloadModules(hostContext());
}

} // namespace ce
