// The device clock. Real time follows the host clock plus the offset that SetLocalTime and
// the host's advances made, kept in the image (clock.txt) from one boot to the next; virtual
// time starts at a fixed moment and moves only when Sleep, time-outs or the host move it, so
// tests never wait. Times are FILETIME ticks (100 ns since 1601, UTC).
#pragma once

#include <mutex>

#include "windef.h"

namespace ce {

class Clock {
public:
    Clock(bool virtualTime, ULONGLONG virtualStartUtc, LONG biasMinutes);

    bool isVirtual() const { return m_virtual; }
    LONG biasMinutes() const { return m_bias; }

    ULONGLONG utcNow() const;
    ULONGLONG localNow() const;
    void setUtc(ULONGLONG utc);
    // Milliseconds since boot, wrapping at 2^32 as on the device.
    DWORD tickCount() const;
    // Milliseconds since boot without wrapping: what wait time-outs are measured against.
    ULONGLONG elapsedMs() const;
    // Moves the clock forward (waits move a virtual one through advanceClock). Real time moves
    // only the time of day: the offset grows, tick counts and time-outs keep the host's pace.
    void advance(ULONGLONG milliseconds);
    // Real time: the device's UTC minus the host's, in ticks.
    LONGLONG offsetTicks() const;
    void setOffsetTicks(LONGLONG offset);

    ULONGLONG localFromUtc(ULONGLONG utc) const;
    ULONGLONG utcFromLocal(ULONGLONG local) const;

private:
    ULONGLONG hostUtcNow() const;
    ULONGLONG hostMonotonicMs() const;

    const bool m_virtual;
    const LONG m_bias;
    mutable std::mutex m_lock;
    LONGLONG m_offset = 0;          // real time: device UTC minus host UTC
    ULONGLONG m_virtualUtc = 0;     // virtual time: the current UTC
    ULONGLONG m_bootMonotonicMs = 0;  // real time: host monotonic ms at boot
    ULONGLONG m_virtualElapsedMs = 0;  // virtual time: ms since boot
};

}  // namespace ce
