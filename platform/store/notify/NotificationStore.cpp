// Opening and closing notify.db with the device. A file that cannot be opened (damaged, not a
// database, another program's) is left exactly as it is: the device boots without
// notifications and the reason is kept for the device tool, so no record is ever lost to a
// repair the user did not ask for.
#include "NotificationStore.h"

#include <mutex>

#include "emulator/Notifications.h"
#include "kernel/Device.h"
#include "kernel/DeviceParts.h"

namespace ce {
namespace {

struct Store {
    std::mutex lock;
    std::shared_ptr<NotificationQueue> queue;
    std::string problem;
};

Store& store()
{
    static Store instance;
    return instance;
}

bool startStore(Device& device, std::string&)
{
    std::string problem;
    std::shared_ptr<NotificationQueue> queue = NotificationQueue::open(device.imagePath() / "notify.db", problem);
    std::lock_guard guard(store().lock);
    store().queue = std::move(queue);
    store().problem = std::move(problem);
    return true;
}

void stopStore()
{
    std::lock_guard guard(store().lock);
    store().queue.reset();
    store().problem.clear();
}

// Opens before the boot programs, which may already read notifications.
const DevicePartRegistration registration{{"notification store", 40, startStore, stopStore}};

}  // namespace

std::shared_ptr<NotificationQueue> notificationQueue()
{
    std::lock_guard guard(store().lock);
    return store().queue;
}

}  // namespace ce

namespace emulator {

std::string notificationStoreProblem()
{
    std::lock_guard guard(ce::store().lock);
    return ce::store().problem;
}

}  // namespace emulator
