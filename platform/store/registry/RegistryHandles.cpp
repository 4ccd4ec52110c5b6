// Open registry key handles.
#include "RegistryHandles.h"

#include <atomic>

namespace ce {
namespace {

// Handle values come from one counter for the whole host process, so a handle kept across a
// reboot of the device never names a key of the new boot.
std::atomic<uintptr_t> nextHandleValue{0x10000};

}  // namespace

HKEY RegistryHandles::insert(std::shared_ptr<RegistryKey> key)
{
    uintptr_t value = nextHandleValue.fetch_add(4, std::memory_order_relaxed);
    std::lock_guard guard(m_lock);
    m_open.emplace(value, std::move(key));
    return reinterpret_cast<HKEY>(value);
}

std::shared_ptr<RegistryKey> RegistryHandles::find(HKEY handle) const
{
    std::lock_guard guard(m_lock);
    auto it = m_open.find(reinterpret_cast<uintptr_t>(handle));
    return it == m_open.end() ? nullptr : it->second;
}

bool RegistryHandles::remove(HKEY handle)
{
    std::shared_ptr<RegistryKey> closed;  // released after the lock
    std::lock_guard guard(m_lock);
    auto it = m_open.find(reinterpret_cast<uintptr_t>(handle));
    if (it == m_open.end())
        return false;
    closed = std::move(it->second);
    m_open.erase(it);
    return true;
}

}  // namespace ce
