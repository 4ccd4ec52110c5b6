// The device's handle table: every HANDLE a call returns names a kernel object kept here.
// Closing a handle drops the table's reference; the object lives while a call still uses it.
// Each handle belongs to the process that opened it and is closed when that process ends.
#pragma once

#include <memory>

#include "windef.h"

namespace ce {

struct KernelObject {
    virtual ~KernelObject() = default;
};

// The new handle belongs to the calling thread's current process (none on host threads).
HANDLE insertHandle(std::shared_ptr<KernelObject> object);
std::shared_ptr<KernelObject> lookupHandle(HANDLE handle);
// Removes the handle; the removed object, or null when the handle was not open.
std::shared_ptr<KernelObject> removeHandle(HANDLE handle);
void closeAllHandles();
// Closes every handle that process `processId` opened (when the process ends).
void closeProcessHandles(DWORD processId);

template <typename T>
std::shared_ptr<T> lookupHandleAs(HANDLE handle)
{
    return std::dynamic_pointer_cast<T>(lookupHandle(handle));
}

}  // namespace ce
