// Firing notifications: the device part that starts a timed notification's program when the
// device's local time reaches its start time, and starts the programs registered for a system
// event when the event is raised. A named-event application ("\\.\Notifications\NamedEvents\X")
// sets event X instead of starting a program.
//
// Only CNT_TIME notifications fire by time; CNT_PERIOD and CNT_CLASSICTIME ones are user alerts
// that stay until cleared. A timed notification leaves the queue as it fires; one whose program
// does not start goes back (the product calls it expired) and is not tried again until the next
// boot or soft reset. Event registrations stay.
//
// The part's host thread waits on a kernel object that is signaled once the earliest start
// time has passed, or when the records changed: in virtual time it notices the clock moving
// under device threads' waits without ever holding or moving the clock itself; in real time
// it also wakes when that time comes (at least once a minute). A host that moves the clock
// (clockMoved) fires on its own thread, so it returns after the due programs started.
#include <algorithm>
#include <atomic>
#include <set>
#include <thread>

#include "NotificationFiring.h"
#include "NotificationStore.h"
#include "emulator/Notifications.h"
#include "kernel/Clock.h"
#include "kernel/Device.h"
#include "kernel/DeviceParts.h"
#include "kernel/FileTimeTicks.h"
#include "kernel/Waitable.h"
#include "kfuncs.h"
#include "notify.h"
#include "text/CaseTable.h"

namespace ce {
namespace {

constexpr ULONGLONG never = ~0ull;
constexpr DWORD longestWaitMs = 60'000;
constexpr std::u16string_view namedEventPrefix = u"\\\\.\\Notifications\\NamedEvents\\";

struct DueSignal : Waitable {
    explicit DueSignal(const Clock& clock) : clock(clock) {}
    bool isSignaled() const override { return stopping || changed || clock.localNow() >= due; }

    const Clock& clock;
    std::atomic<bool> stopping{false};
    // Guarded by kernelLock():
    ULONGLONG due = never;  // local ticks of the earliest notification that can fire
    bool changed = false;
};

struct Firing {
    std::mutex lock;  // guards signal and thread
    std::shared_ptr<DueSignal> signal;
    std::thread thread;
    // One firing at a time, so entries fire once and in order.
    std::mutex fireLock;
    std::set<DWORD> failed;  // guarded by fireLock: timed notifications whose program did not start
};

Firing& firing()
{
    static Firing instance;
    return instance;
}

std::shared_ptr<DueSignal> currentSignal()
{
    std::lock_guard guard(firing().lock);
    return firing().signal;
}

const char16_t* eventCommandLine(DWORD code)
{
    static constexpr const char16_t* lines[] = {
        APP_RUN_AT_TIME,           APP_RUN_AFTER_TIME_CHANGE,    APP_RUN_AFTER_SYNC,
        APP_RUN_AT_AC_POWER_ON,    APP_RUN_AT_AC_POWER_OFF,      APP_RUN_AT_NET_CONNECT,
        APP_RUN_AT_NET_DISCONNECT, APP_RUN_AT_DEVICE_CHANGE,     APP_RUN_AT_IR_DISCOVERY,
        APP_RUN_AT_RS232_DETECT,   APP_RUN_AFTER_RESTORE,        APP_RUN_AFTER_WAKEUP,
        APP_RUN_AFTER_TZ_CHANGE,   APP_RUN_AFTER_EXTENDED_EVENT, APP_RUN_AFTER_RNDIS_FN_DETECTED,
        APP_RUN_AFTER_INTERNET_PROXY_CHANGE,
    };
    return code < std::size(lines) ? lines[code] : APP_RUN_AFTER_EXTENDED_EVENT;
}

bool setNamedEvent(const std::u16string& name)
{
    HANDLE event = CreateEventW(nullptr, FALSE, FALSE, name.c_str());
    if (!event)
        return false;
    const bool set = SetEvent(event);
    CloseHandle(event);
    return set;
}

// Starts the notification's program, or sets its named event.
bool startApplication(const std::u16string& application, std::u16string commandLine)
{
    const std::u16string_view prefix = std::u16string_view(application).substr(0, namedEventPrefix.size());
    if (application.size() > namedEventPrefix.size() && sameNameDevice(prefix, namedEventPrefix))
        return setNamedEvent(application.substr(namedEventPrefix.size()));
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(application.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        nullptr, &started))
        return false;
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return true;
}

// The local start time of a notification that fires by time, or `never`.
ULONGLONG firesAt(const NotificationRecord& record)
{
    FILETIME start{};
    if (!record.trigger || record.trigger->type != CNT_TIME || !record.trigger->application ||
        !SystemTimeToFileTime(&record.trigger->startTime, &start))
        return never;
    return ticksFromFileTime(start);
}

struct DueEntry {
    ULONGLONG at;
    NotificationRecord record;
};

// With fireLock held: the entries that may fire, earliest first (ties in handle order).
std::vector<DueEntry> timedEntries(const NotificationQueue& queue)
{
    std::vector<DueEntry> entries;
    for (auto& record : queue.records()) {
        const ULONGLONG at = firesAt(record);
        if (at != never && !firing().failed.count(record.handle))
            entries.push_back({at, std::move(record)});
    }
    std::stable_sort(entries.begin(), entries.end(), [](const DueEntry& a, const DueEntry& b) { return a.at < b.at; });
    return entries;
}

void setDue(DueSignal& signal, ULONGLONG due)
{
    {
        std::lock_guard guard(kernelLock());
        signal.due = due;
    }
    wakeWaiters();
}

// Fires what is due now and tells the thread when the next one is.
size_t fireDue(const std::shared_ptr<DueSignal>& signal)
{
    auto queue = notificationQueue();
    if (!signal || !queue)
        return 0;
    std::lock_guard guard(firing().fireLock);
    const ULONGLONG now = signal->clock.localNow();
    size_t fired = 0;
    for (const DueEntry& entry : timedEntries(*queue)) {
        if (entry.at > now)
            break;
        // Out of the queue before its program runs, so the program never finds itself pending.
        if (queue->remove(entry.record.handle) != 0) {
            firing().failed.insert(entry.record.handle);
            continue;
        }
        const TriggerRecord& trigger = *entry.record.trigger;
        if (startApplication(*trigger.application, trigger.arguments.value_or(APP_RUN_AT_TIME))) {
            ++fired;
        } else {
            firing().failed.insert(entry.record.handle);
            queue->restore(entry.record);
        }
    }
    const auto next = timedEntries(*queue);
    setDue(*signal, next.empty() ? never : next.front().at);
    return fired;
}

size_t raiseEvent(DWORD code)
{
    auto queue = notificationQueue();
    if (!currentSignal() || !queue)
        return 0;
    std::lock_guard guard(firing().fireLock);
    size_t started = 0;
    for (const auto& record : queue->records()) {
        const auto& trigger = record.trigger;
        if (trigger && trigger->type == CNT_EVENT && trigger->event == code && trigger->application &&
            startApplication(*trigger->application, trigger->arguments.value_or(eventCommandLine(code))))
            ++started;
    }
    return started;
}

DWORD waitMilliseconds(const DueSignal& signal)
{
    if (signal.clock.isVirtual())
        return INFINITE;
    const ULONGLONG now = signal.clock.localNow();
    if (signal.due <= now)
        return 0;
    return static_cast<DWORD>(std::min<ULONGLONG>((signal.due - now) / ticksPerMs + 1, longestWaitMs));
}

void runFiring(std::shared_ptr<DueSignal> signal)
{
    for (;;) {
        {
            std::lock_guard guard(kernelLock());
            signal->changed = false;
        }
        fireDue(signal);
        DWORD timeout;
        {
            std::lock_guard guard(kernelLock());
            if (signal->stopping)
                return;
            timeout = waitMilliseconds(*signal);
        }
        if (waitFor(*signal, timeout) == WAIT_FAILED)
            return;
    }
}

bool startFiring(Device& device, std::string&)
{
    auto signal = std::make_shared<DueSignal>(device.clock());
    {
        std::lock_guard guard(firing().fireLock);
        firing().failed.clear();
    }
    std::lock_guard guard(firing().lock);
    firing().signal = signal;
    firing().thread = std::thread(runFiring, signal);
    return true;
}

void stopFiring()
{
    std::thread thread;
    std::shared_ptr<DueSignal> signal;
    {
        std::lock_guard guard(firing().lock);
        thread = std::move(firing().thread);
        signal = std::move(firing().signal);
    }
    if (!signal)
        return;
    {
        std::lock_guard guard(kernelLock());
        signal->stopping = true;
    }
    wakeWaiters();
    if (thread.joinable())
        thread.join();
}

// A program set the time: the device raises its time-change event, then fires what fell due.
void firingClockMoved(bool timeSet)
{
    if (timeSet)
        raiseEvent(NOTIFICATION_EVENT_TIME_CHANGE);
    fireDue(currentSignal());
}

// After the boot programs, which the notifications' programs may expect to run.
const DevicePartRegistration registration{{"notification firing", 110, startFiring, stopFiring, firingClockMoved}};

}  // namespace

void notificationsChanged()
{
    auto signal = currentSignal();
    if (!signal)
        return;
    {
        std::lock_guard guard(kernelLock());
        signal->changed = true;
    }
    wakeWaiters();
}

}  // namespace ce

namespace emulator {

size_t raiseNotificationEvent(DWORD code)
{
    return ce::raiseEvent(code);
}

size_t fireDueNotifications()
{
    return ce::fireDue(ce::currentSignal());
}

}  // namespace emulator
