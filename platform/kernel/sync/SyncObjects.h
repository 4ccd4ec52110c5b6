// Events, mutexes and semaphores by name and by handle. Names are one name space across the
// device, so a second create of a name opens the object the first one made.
#pragma once

#include <functional>
#include <memory>

#include "kernel/Waitable.h"
#include "winbase.h"
#include "winerror.h"

namespace ce {

// The live object called `name`, or the one `make` makes and names; `existed` tells which.
std::shared_ptr<Waitable> namedObject(const std::u16string& name, const std::function<std::shared_ptr<Waitable>()>& make,
                                      bool& existed);

// A handle to a new object, or to the live one of the same name and kind (ERROR_ALREADY_EXISTS
// set). A name taken by another kind of object fails with ERROR_INVALID_HANDLE.
template <typename T>
HANDLE createSyncObject(LPCWSTR name, const std::function<std::shared_ptr<T>()>& make)
{
    if (!name)
        return insertHandle(make());
    bool existed = false;
    auto object = std::dynamic_pointer_cast<T>(namedObject(name, make, existed));
    if (!object) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    SetLastError(existed ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
    return insertHandle(std::move(object));
}

// The object of kind T a handle names, or null with ERROR_INVALID_HANDLE set.
template <typename T>
std::shared_ptr<T> objectOfHandle(HANDLE handle)
{
    auto object = lookupHandleAs<T>(handle);
    if (!object)
        SetLastError(ERROR_INVALID_HANDLE);
    return object;
}

}  // namespace ce
