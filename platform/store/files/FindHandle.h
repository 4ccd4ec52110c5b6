// What every find handle is: a kernel object that gives its next record on FindNextFileW and
// is closed by FindClose. Folder searches and the storage-card enumeration are find handles.
#pragma once

#include "kernel/Handles.h"
#include "winbase.h"

namespace ce {

struct FindHandle : KernelObject {
    // The next record; false at the end.
    virtual bool next(WIN32_FIND_DATAW& data) = 0;
};

} // namespace ce
