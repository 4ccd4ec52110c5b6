// The device's handle table and CloseHandle.
#include "Handles.h"

#include <mutex>
#include <unordered_map>

#include "winbase.h"
#include "winerror.h"

namespace ce {
namespace {

struct HandleTable {
    std::mutex lock;
    std::unordered_map<uintptr_t, std::shared_ptr<KernelObject>> objects;
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
    auto& t = table();
    std::lock_guard guard(t.lock);
    // Handle values are multiples of 4, as on the device, and never reused within a run.
    uintptr_t value = t.next;
    t.next += 4;
    t.objects.emplace(value, std::move(object));
    return reinterpret_cast<HANDLE>(value);
}

std::shared_ptr<KernelObject> lookupHandle(HANDLE handle)
{
    auto& t = table();
    std::lock_guard guard(t.lock);
    auto it = t.objects.find(reinterpret_cast<uintptr_t>(handle));
    return it == t.objects.end() ? nullptr : it->second;
}

std::shared_ptr<KernelObject> removeHandle(HANDLE handle)
{
    auto& t = table();
    std::lock_guard guard(t.lock);
    auto it = t.objects.find(reinterpret_cast<uintptr_t>(handle));
    if (it == t.objects.end())
        return nullptr;
    auto object = std::move(it->second);
    t.objects.erase(it);
    return object;
}

void closeAllHandles()
{
    std::unordered_map<uintptr_t, std::shared_ptr<KernelObject>> closing;
    {
        auto& t = table();
        std::lock_guard guard(t.lock);
        closing.swap(t.objects);
    }
    // Objects are destroyed here, outside the table's lock.
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
