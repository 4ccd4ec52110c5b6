// The wait engine: one lock and one condition variable for every kernel object, and the
// virtual-time rule. In virtual time the clock moves to the earliest pending time-out only when
// every device thread waits and no waiter can go on; host threads the platform did not start
// never hold the clock, but their timed waits take part.
#include "Waits.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <optional>
#include <set>
#include <thread>

#include "kernel/Clock.h"
#include "kernel/Device.h"
#include "kfuncs.h"

namespace ce {
namespace {

struct WaitState {
    std::mutex lock;
    std::condition_variable changed;
    std::list<Waiter*> waiters;
    std::multiset<ULONGLONG> deadlines;  // virtual time: when timed waits end, in ms since boot
    int running = 0;                     // device threads between waits
};

WaitState& state()
{
    static WaitState instance;
    return instance;
}

bool wasPulsed(const Waiter& waiter, const Waitable* object)
{
    return std::find(waiter.pulsed.begin(), waiter.pulsed.end(), object) != waiter.pulsed.end();
}

bool signaledFor(const Waiter& waiter, const Waitable* object)
{
    return object->isSignaledFor(waiter.threadId) || wasPulsed(waiter, object);
}

bool satisfiable(const Waiter& waiter)
{
    if (waiter.objects.empty())
        return false;
    auto signaled = [&](const Waitable* object) { return signaledFor(waiter, object); };
    return waiter.all ? std::all_of(waiter.objects.begin(), waiter.objects.end(), signaled)
                      : std::any_of(waiter.objects.begin(), waiter.objects.end(), signaled);
}

// A pulse is used before the object's own signal, which stays for others.
bool take(Waiter& waiter, Waitable* object)
{
    const bool abandoned = object->isAbandoned();
    auto pulse = std::find(waiter.pulsed.begin(), waiter.pulsed.end(), object);
    if (pulse != waiter.pulsed.end())
        waiter.pulsed.erase(pulse);
    else
        object->acquire();
    return abandoned;
}

DWORD complete(Waiter& waiter)
{
    if (waiter.all) {
        std::optional<DWORD> firstAbandoned;
        for (DWORD i = 0; i < waiter.objects.size(); ++i) {
            if (take(waiter, waiter.objects[i]) && !firstAbandoned)
                firstAbandoned = i;
        }
        return firstAbandoned ? WAIT_ABANDONED + *firstAbandoned : WAIT_OBJECT_0;
    }
    for (DWORD i = 0; i < waiter.objects.size(); ++i) {
        if (signaledFor(waiter, waiter.objects[i]))
            return (take(waiter, waiter.objects[i]) ? WAIT_ABANDONED : WAIT_OBJECT_0) + i;
    }
    return WAIT_FAILED;  // not reached: called only when satisfiable
}

// Virtual time: moves the clock to the earliest time-out when nothing else can happen first.
bool moveClockIfIdle(WaitState& s, Clock& clock)
{
    if (s.running > 0 || s.deadlines.empty())
        return false;
    const ULONGLONG earliest = *s.deadlines.begin();
    const ULONGLONG now = clock.elapsedMs();
    if (earliest <= now)
        return false;
    if (std::any_of(s.waiters.begin(), s.waiters.end(), [](const Waiter* w) { return satisfiable(*w); }))
        return false;
    clock.advance(earliest - now);
    s.changed.notify_all();
    return true;
}

// Undoes a wait's bookkeeping however the wait ends: result, time-out or ThreadTermination.
struct WaitRegistration {
    WaitState& s;
    Waiter& waiter;
    std::multiset<ULONGLONG>::iterator deadline;
    bool holdsClock;

    ~WaitRegistration()
    {
        s.waiters.remove(&waiter);
        if (deadline != s.deadlines.end())
            s.deadlines.erase(deadline);
        if (holdsClock)
            ++s.running;
    }
};

}  // namespace

std::mutex& kernelLock()
{
    return state().lock;
}

void wakeWaiters()
{
    state().changed.notify_all();
}

std::list<Waiter*>& activeWaiters()
{
    return state().waiters;
}

void waitForWaitChange(unsigned milliseconds)
{
    std::unique_lock lock(state().lock);
    state().changed.wait_for(lock, std::chrono::milliseconds(milliseconds));
}

void deviceThreadRunning()
{
    ++state().running;
}

void deviceThreadStopped()
{
    --state().running;
    state().changed.notify_all();
}

DWORD waitForObjects(std::span<Waitable* const> objects, bool all, DWORD milliseconds)
{
    using namespace std::chrono;
    DeviceThread* self = currentDeviceThread();
    WaitState& s = state();
    std::unique_lock lock(s.lock);
    Device* device = Device::current();
    if (!device)
        return WAIT_FAILED;
    Clock& clock = device->clock();
    const bool timed = milliseconds != INFINITE;
    const bool virtualTime = clock.isVirtual();
    const ULONGLONG virtualDeadline = clock.elapsedMs() + milliseconds;
    const auto hostDeadline = steady_clock::now() + std::chrono::milliseconds(milliseconds);

    Waiter waiter{objects, all, currentThreadId(), {}};
    s.waiters.push_back(&waiter);
    WaitRegistration registration{s, waiter, s.deadlines.end(), self != nullptr};
    if (timed && virtualTime)
        registration.deadline = s.deadlines.insert(virtualDeadline);
    if (self)
        --s.running;

    for (;;) {
        DWORD exitCode = 0;
        if (self && mustEnd(*self, exitCode))
            throw ThreadTermination{exitCode};
        if (satisfiable(waiter))
            return complete(waiter);
        if (timed && (virtualTime ? clock.elapsedMs() >= virtualDeadline : steady_clock::now() >= hostDeadline))
            return WAIT_TIMEOUT;
        if (virtualTime && moveClockIfIdle(s, clock))
            continue;
        if (timed && !virtualTime)
            s.changed.wait_until(lock, hostDeadline);
        else
            s.changed.wait(lock);
        if (Device::current() != device)
            return WAIT_FAILED;
    }
}

DWORD waitFor(Waitable& object, DWORD milliseconds)
{
    Waitable* const objects[] = {&object};
    return waitForObjects(objects, false, milliseconds);
}

void sleepFor(DWORD milliseconds)
{
    if (milliseconds == 0) {
        checkTermination();
        std::this_thread::yield();
        return;
    }
    waitForObjects({}, false, milliseconds);
}

void advanceClock(ULONGLONG milliseconds)
{
    WaitState& s = state();
    std::lock_guard guard(s.lock);
    if (Device* device = Device::current()) {
        device->clock().advance(milliseconds);
        s.changed.notify_all();
    }
}

}  // namespace ce
