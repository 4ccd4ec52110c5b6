// The device's handle table and CloseHandle.
#include "Handles.h"

#include <mutex>
#include <unordered_map>
#include <vector>

#include "Process.h"
#include "winbase.h"
#include "winerror.h"

namespace ce {
namespace {

struct OpenHandle {
    std::shared_ptr<KernelObject> object;
    DWORD ownerProcessId = 0;  // 0: opened on a host thread outside any process
};

struct HandleTable {
    std::mutex lock;
    std::unordered_map<uintptr_t, OpenHandle> objects;
    uintptr_t next = 0x100;
};

HandleTable& table()
{
    static HandleTable instance;
    return instance;
}

}  // namespace

HANDLE insertHandle(std::shared_ptr<KernelObject> object)
{
    Process* owner = currentProcess();
    auto& t = table();
    std::lock_guard guard(t.lock);
    // Handle values are multiples of 4, as on the device, and never reused within a run.
    uintptr_t value = t.next;
    t.next += 4;
    t.objects.emplace(value, OpenHandle{std::move(object), owner ? owner->id : 0});
    return reinterpret_cast<HANDLE>(value);
}

std::shared_ptr<KernelObject> lookupHandle(HANDLE handle)
{
    auto& t = table();
    std::lock_guard guard(t.lock);
    auto it = t.objects.find(reinterpret_cast<uintptr_t>(handle));
    return it == t.objects.end() ? nullptr : it->second.object;
}

std::shared_ptr<KernelObject> removeHandle(HANDLE handle)
{
    auto& t = table();
    std::lock_guard guard(t.lock);
    auto it = t.objects.find(reinterpret_cast<uintptr_t>(handle));
    if (it == t.objects.end())
        return nullptr;
    auto object = std::move(it->second.object);
    t.objects.erase(it);
    return object;
}

void closeAllHandles()
{
    std::unordered_map<uintptr_t, OpenHandle> closing;
    {
        auto& t = table();
        std::lock_guard guard(t.lock);
        closing.swap(t.objects);
    }
    // Objects are destroyed here, outside the table's lock.
}

void closeProcessHandles(DWORD processId)
{
    std::vector<std::shared_ptr<KernelObject>> closing;
    {
        auto& t = table();
        std::lock_guard guard(t.lock);
        for (auto it = t.objects.begin(); it != t.objects.end();) {
            if (it->second.ownerProcessId == processId) {
                closing.push_back(std::move(it->second.object));
                it = t.objects.erase(it);
            } else {
                ++it;
            }
        }
    }
    // Destroyed outside the table's lock, as in closeAllHandles().
}

}  // namespace ce

BOOL CloseHandle(HANDLE hObject)
{
    if (!ce::removeHandle(hObject)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return TRUE;
}
