// The device clock: real time with an offset, or virtual time that only moves on request; and
// the device part that keeps a real-time clock's offset in <image>/clock.txt (one decimal
// number of ticks), read at boot, written when the time is set or advanced and at shutdown.
// Virtual-time boots neither read nor write it.
#include "Clock.h"

#include <chrono>
#include <filesystem>
#include <fstream>

#include "Device.h"
#include "DeviceParts.h"
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
    std::lock_guard guard(m_lock);
    if (!m_virtual) {
        m_offset += static_cast<LONGLONG>(milliseconds * ticksPerMs);
        return;
    }
    m_virtualUtc += milliseconds * ticksPerMs;
    m_virtualElapsedMs += milliseconds;
}

LONGLONG Clock::offsetTicks() const
{
    std::lock_guard guard(m_lock);
    return m_offset;
}

void Clock::setOffsetTicks(LONGLONG offset)
{
    std::lock_guard guard(m_lock);
    m_offset = offset;
}

ULONGLONG Clock::localFromUtc(ULONGLONG utc) const
{
    return static_cast<ULONGLONG>(static_cast<LONGLONG>(utc) - static_cast<LONGLONG>(m_bias) * static_cast<LONGLONG>(ticksPerMinute));
}

ULONGLONG Clock::utcFromLocal(ULONGLONG local) const
{
    return static_cast<ULONGLONG>(static_cast<LONGLONG>(local) + static_cast<LONGLONG>(m_bias) * static_cast<LONGLONG>(ticksPerMinute));
}

namespace {

struct ClockFile {
    std::mutex lock;
    Clock* clock = nullptr;  // set while a real-time device runs
    std::filesystem::path file;
};

ClockFile& clockFile()
{
    static ClockFile instance;
    return instance;
}

// A missing, unreadable or out-of-range offset leaves the clock on the host's time: losing the
// offset costs less than not booting. In range, the device's time stays between 1601 and 2^62
// ticks, far from overflowing.
LONGLONG readOffset(const std::filesystem::path& file, ULONGLONG hostUtc)
{
    constexpr LONGLONG limit = 1ll << 62;
    std::ifstream in(file);
    LONGLONG offset = 0;
    if (!(in >> offset) || offset > limit - static_cast<LONGLONG>(hostUtc) || offset < -static_cast<LONGLONG>(hostUtc))
        return 0;
    return offset;
}

// Written beside and renamed over, so a crash leaves the old offset or the new one.
void writeOffset()
{
    ClockFile& state = clockFile();
    if (!state.clock)
        return;
    std::filesystem::path written = state.file;
    written += ".new";
    {
        std::ofstream out(written, std::ios::trunc);
        out << state.clock->offsetTicks() << '\n';
        if (!out.flush())
            return;
    }
    std::error_code ignored;
    std::filesystem::rename(written, state.file, ignored);
}

bool startClockFile(Device& device, std::string&)
{
    if (device.clock().isVirtual())
        return true;
    ClockFile& state = clockFile();
    std::lock_guard guard(state.lock);
    state.file = device.imagePath() / "clock.txt";
    state.clock = &device.clock();
    // The offset is still 0: the clock reads the host's time.
    state.clock->setOffsetTicks(readOffset(state.file, state.clock->utcNow()));
    return true;
}

void stopClockFile()
{
    ClockFile& state = clockFile();
    std::lock_guard guard(state.lock);
    writeOffset();
    state.clock = nullptr;
}

void clockFileMoved(bool)
{
    std::lock_guard guard(clockFile().lock);
    writeOffset();
}

// First of all parts: every later one sees the device's time.
const DevicePartRegistration registration{{"clock file", 0, startClockFile, stopClockFile, clockFileMoved}};

}  // namespace
}  // namespace ce
