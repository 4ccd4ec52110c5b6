// The device's table of named synchronisation objects. It holds no object alive: a name
// goes when the last handle to its object closes.
#include "SyncObjects.h"

#include <map>
#include <mutex>

namespace ce {

std::shared_ptr<Waitable> namedObject(const std::u16string& name, const std::function<std::shared_ptr<Waitable>()>& make,
                                      bool& existed)
{
    static std::mutex lock;
    static std::map<std::u16string, std::weak_ptr<Waitable>> names;
    std::lock_guard guard(lock);
    std::erase_if(names, [](const auto& entry) { return entry.second.expired(); });
    auto& slot = names[name];
    if (auto object = slot.lock()) {
        existed = true;
        return object;
    }
    existed = false;
    auto object = make();
    slot = object;
    return object;
}

}  // namespace ce
