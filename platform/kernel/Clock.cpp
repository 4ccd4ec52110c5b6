// The device clock: real time with an offset, or virtual time that only moves on request.
#include "Clock.h"

#include <chrono>

#include "FileTimeTicks.h"

namespace ce {
namespace {

constexpr ULONGLONG ticksPerMinute = 60 * ticksPerSecond;
// 2026-01-01 12:00:00 UTC: where a virtual clock starts unless told otherwise.
const ULONGLONG defaultVirtualStart = ticksFromHost({1'767'268'800, 0});

}  // namespace

Clock::Clock(bool virtualTime, ULONGLONG virtualStartUtc, LONG biasMinutes)
    : m_virtual(virtualTime)
    , m_bias(biasMinutes)
    , m_virtualUtc(virtualStartUtc ? virtualStartUtc : defaultVirtualStart)
    , m_bootMonotonicMs(hostMonotonicMs())
{
}

ULONGLONG Clock::hostUtcNow() const
{
    struct timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return ticksFromHost(now);
}

ULONGLONG Clock::hostMonotonicMs() const
{
    using namespace std::chrono;
    return static_cast<ULONGLONG>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

ULONGLONG Clock::utcNow() const
{
    std::lock_guard guard(m_lock);
    if (m_virtual)
        return m_virtualUtc;
    return static_cast<ULONGLONG>(static_cast<LONGLONG>(hostUtcNow()) + m_offset);
}

ULONGLONG Clock::localNow() const
{
    return localFromUtc(utcNow());
}

void Clock::setUtc(ULONGLONG utc)
{
    std::lock_guard guard(m_lock);
    if (m_virtual)
        m_virtualUtc = utc;
    else
        m_offset = static_cast<LONGLONG>(utc) - static_cast<LONGLONG>(hostUtcNow());
}

DWORD Clock::tickCount() const
{
    return static_cast<DWORD>(elapsedMs());
}

ULONGLONG Clock::elapsedMs() const
{
    std::lock_guard guard(m_lock);
    return m_virtual ? m_virtualElapsedMs : hostMonotonicMs() - m_bootMonotonicMs;
}

void Clock::advance(ULONGLONG milliseconds)
{
    if (!m_virtual)
        return;
    std::lock_guard guard(m_lock);
    m_virtualUtc += milliseconds * ticksPerMs;
    m_virtualElapsedMs += milliseconds;
}

ULONGLONG Clock::localFromUtc(ULONGLONG utc) const
{
    return static_cast<ULONGLONG>(static_cast<LONGLONG>(utc) - static_cast<LONGLONG>(m_bias) * static_cast<LONGLONG>(ticksPerMinute));
}

ULONGLONG Clock::utcFromLocal(ULONGLONG local) const
{
    return static_cast<ULONGLONG>(static_cast<LONGLONG>(local) + static_cast<LONGLONG>(m_bias) * static_cast<LONGLONG>(ticksPerMinute));
}

}  // namespace ce
