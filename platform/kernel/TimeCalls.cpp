// The time calls: calendar conversions between SYSTEMTIME and FILETIME, which need no device,
// and the calls that read or set the device clock, which fail with ERROR_NOT_READY before boot.
// The device keeps one fixed bias (UTC = local + bias minutes) and no daylight saving.
#include <algorithm>
#include <cstring>
#include <iterator>

#include "Clock.h"
#include "Device.h"
#include "DeviceParts.h"
#include "FileTimeTicks.h"
#include "Waitable.h"
#include "winbase.h"
#include "winerror.h"

namespace {

using ce::ticksPerMs;
using ce::ticksPerSecond;
constexpr ULONGLONG ticksPerDay = 86'400 * ticksPerSecond;
// FILETIME values at or above this are negative to the device and convert to nothing.
constexpr ULONGLONG firstInvalidFileTime = 0x8000'0000'0000'0000ull;
// Days from 1601-01-01 to 1970-01-01.
constexpr LONGLONG daysFrom1601To1970 = 134'774;

bool isLeapYear(unsigned year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

unsigned daysInMonth(unsigned year, unsigned month)
{
    static constexpr unsigned days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : days[month - 1];
}

// Days since 1970-01-01 of a proleptic Gregorian date (month 1-12).
LONGLONG daysFromCivil(LONGLONG year, unsigned month, unsigned day)
{
    year -= month <= 2;
    const LONGLONG era = (year >= 0 ? year : year - 399) / 400;
    const unsigned yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146'097 + static_cast<LONGLONG>(dayOfEra) - 719'468;
}

struct CivilDate {
    LONGLONG year;
    unsigned month;
    unsigned day;
};

CivilDate civilFromDays(LONGLONG days)
{
    days += 719'468;
    const LONGLONG era = (days >= 0 ? days : days - 146'096) / 146'097;
    const unsigned dayOfEra = static_cast<unsigned>(days - era * 146'097);
    const unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36'524 - dayOfEra / 146'096) / 365;
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const unsigned shiftedMonth = (5 * dayOfYear + 2) / 153;
    const unsigned day = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;
    const unsigned month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
    return {static_cast<LONGLONG>(yearOfEra) + era * 400 + (month <= 2), month, day};
}

// Years 1601-30828: the span of FILETIME values below 2^63.
bool validFields(const SYSTEMTIME& st)
{
    return st.wYear >= 1601 && st.wYear <= 30828 && st.wMonth >= 1 && st.wMonth <= 12 && st.wDay >= 1
        && st.wDay <= daysInMonth(st.wYear, st.wMonth) && st.wHour < 24 && st.wMinute < 60 && st.wSecond < 60
        && st.wMilliseconds < 1000;
}

// The FILETIME of a SYSTEMTIME (wDayOfWeek ignored); false when a field is out of range or
// the moment lies past the last FILETIME the device represents.
bool ticksFromSystemTime(const SYSTEMTIME& st, ULONGLONG& ticks)
{
    if (!validFields(st))
        return false;
    const auto days = static_cast<ULONGLONG>(daysFromCivil(st.wYear, st.wMonth, st.wDay) + daysFrom1601To1970);
    const ULONGLONG seconds = st.wHour * 3600ull + st.wMinute * 60ull + st.wSecond;
    ticks = days * ticksPerDay + seconds * ticksPerSecond + st.wMilliseconds * ticksPerMs;
    return ticks < firstInvalidFileTime;
}

SYSTEMTIME systemTimeFromTicks(ULONGLONG ticks)
{
    const auto days = static_cast<LONGLONG>(ticks / ticksPerDay);
    const ULONGLONG withinDay = ticks % ticksPerDay;
    const CivilDate date = civilFromDays(days - daysFrom1601To1970);
    SYSTEMTIME st;
    st.wYear = static_cast<WORD>(date.year);
    st.wMonth = static_cast<WORD>(date.month);
    st.wDay = static_cast<WORD>(date.day);
    // 1601-01-01 was a Monday.
    st.wDayOfWeek = static_cast<WORD>((days + 1) % 7);
    st.wHour = static_cast<WORD>(withinDay / (3600 * ticksPerSecond));
    st.wMinute = static_cast<WORD>(withinDay / (60 * ticksPerSecond) % 60);
    st.wSecond = static_cast<WORD>(withinDay / ticksPerSecond % 60);
    st.wMilliseconds = static_cast<WORD>(withinDay / ticksPerMs % 1000);
    return st;
}

BOOL failWith(DWORD error)
{
    SetLastError(error);
    return FALSE;
}

// Moves a FILETIME by the device's bias (UTC = local + bias); false when the result would
// leave the valid range.
bool shiftByBias(ULONGLONG ticks, LONG biasMinutes, bool toLocal, ULONGLONG& shifted)
{
    const LONGLONG biasTicks = static_cast<LONGLONG>(biasMinutes) * 60 * static_cast<LONGLONG>(ticksPerSecond);
    LONGLONG result = 0;
    if (ticks >= firstInvalidFileTime
        || __builtin_add_overflow(static_cast<LONGLONG>(ticks), toLocal ? -biasTicks : biasTicks, &result)
        || result < 0)
        return false;
    shifted = static_cast<ULONGLONG>(result);
    return true;
}

BOOL convertByBias(const FILETIME* in, LPFILETIME out, bool toLocal)
{
    if (!in || !out)
        return failWith(ERROR_INVALID_PARAMETER);
    ce::Device* device = ce::deviceOrFail();
    if (!device)
        return FALSE;
    ULONGLONG shifted = 0;
    if (!shiftByBias(ce::ticksFromFileTime(*in), device->clock().biasMinutes(), toLocal, shifted))
        return failWith(ERROR_INVALID_PARAMETER);
    *out = ce::fileTimeFromTicks(shifted);
    return TRUE;
}

void fillFromClock(LPSYSTEMTIME lpSystemTime, bool local)
{
    if (!lpSystemTime)
        return;
    ce::Device* device = ce::deviceOrFail();
    if (!device) {
        *lpSystemTime = {};
        return;
    }
    const ce::Clock& clock = device->clock();
    *lpSystemTime = systemTimeFromTicks(local ? clock.localNow() : clock.utcNow());
}

BOOL setClock(const SYSTEMTIME* lpSystemTime, bool local)
{
    ULONGLONG ticks = 0;
    if (!lpSystemTime || !ticksFromSystemTime(*lpSystemTime, ticks))
        return failWith(ERROR_INVALID_PARAMETER);
    ce::Device* device = ce::deviceOrFail();
    if (!device)
        return FALSE;
    ce::Clock& clock = device->clock();
    if (local && !shiftByBias(ticks, clock.biasMinutes(), false, ticks))
        return failWith(ERROR_INVALID_PARAMETER);
    clock.setUtc(ticks);
    // The device raises its time-change event (notifications registered for it fire).
    ce::announceClockMoved(true);
    return TRUE;
}

}  // namespace

void GetLocalTime(LPSYSTEMTIME lpSystemTime)
{
    fillFromClock(lpSystemTime, true);
}

void GetSystemTime(LPSYSTEMTIME lpSystemTime)
{
    fillFromClock(lpSystemTime, false);
}

BOOL SetLocalTime(const SYSTEMTIME* lpSystemTime)
{
    return setClock(lpSystemTime, true);
}

BOOL SetSystemTime(const SYSTEMTIME* lpSystemTime)
{
    return setClock(lpSystemTime, false);
}

BOOL SystemTimeToFileTime(const SYSTEMTIME* lpSystemTime, LPFILETIME lpFileTime)
{
    ULONGLONG ticks = 0;
    if (!lpSystemTime || !lpFileTime || !ticksFromSystemTime(*lpSystemTime, ticks))
        return failWith(ERROR_INVALID_PARAMETER);
    *lpFileTime = ce::fileTimeFromTicks(ticks);
    return TRUE;
}

BOOL FileTimeToSystemTime(const FILETIME* lpFileTime, LPSYSTEMTIME lpSystemTime)
{
    if (!lpFileTime || !lpSystemTime || ce::ticksFromFileTime(*lpFileTime) >= firstInvalidFileTime)
        return failWith(ERROR_INVALID_PARAMETER);
    *lpSystemTime = systemTimeFromTicks(ce::ticksFromFileTime(*lpFileTime));
    return TRUE;
}

BOOL FileTimeToLocalFileTime(const FILETIME* lpFileTime, LPFILETIME lpLocalFileTime)
{
    return convertByBias(lpFileTime, lpLocalFileTime, true);
}

BOOL LocalFileTimeToFileTime(const FILETIME* lpLocalFileTime, LPFILETIME lpFileTime)
{
    return convertByBias(lpLocalFileTime, lpFileTime, false);
}

LONG CompareFileTime(const FILETIME* lpFileTime1, const FILETIME* lpFileTime2)
{
    const ULONGLONG a = ce::ticksFromFileTime(*lpFileTime1);
    const ULONGLONG b = ce::ticksFromFileTime(*lpFileTime2);
    return a < b ? -1 : (a > b ? 1 : 0);
}

DWORD GetTickCount()
{
    ce::Device* device = ce::deviceOrFail();
    return device ? device->clock().tickCount() : 0;
}

void Sleep(DWORD dwMilliseconds)
{
    if (ce::deviceOrFail())
        ce::sleepFor(dwMilliseconds);
}

DWORD GetTimeZoneInformation(LPTIME_ZONE_INFORMATION lpTimeZoneInformation)
{
    if (!lpTimeZoneInformation) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return TIME_ZONE_ID_INVALID;
    }
    *lpTimeZoneInformation = {};
    ce::Device* device = ce::deviceOrFail();
    if (!device)
        return TIME_ZONE_ID_INVALID;
    const emulator::Profile& profile = device->profile();
    lpTimeZoneInformation->Bias = profile.timeZoneBias;
    const size_t nameLength = std::min(profile.timeZoneName.size(), std::size(lpTimeZoneInformation->StandardName) - 1);
    std::memcpy(lpTimeZoneInformation->StandardName, profile.timeZoneName.data(), nameLength * sizeof(WCHAR));
    // No daylight saving: both dates stay zero, which tells callers the zone never switches.
    return TIME_ZONE_ID_UNKNOWN;
}
