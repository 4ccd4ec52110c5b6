// The table of open registry key handles (HKEY). Thread-safe. The predefined root handles are
// not in it: Registry answers them itself.
#pragma once

#include <memory>
#include <mutex>
#include <unordered_map>

#include "windef.h"

namespace ce {

struct RegistryKey;

class RegistryHandles {
public:
    HKEY insert(std::shared_ptr<RegistryKey> key);
    // The key of an open handle, or null.
    std::shared_ptr<RegistryKey> find(HKEY handle) const;
    // False when the handle was not open.
    bool remove(HKEY handle);

private:
    mutable std::mutex m_lock;
    std::unordered_map<uintptr_t, std::shared_ptr<RegistryKey>> m_open;
};

}  // namespace ce
