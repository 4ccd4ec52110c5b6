// The time calls: calendar conversions, the bias between local time and UTC, and the virtual
// device clock as Sleep, the host and SetLocalTime move it.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "TestDevice.h"
#include "windows.h"

namespace {

constexpr ULONGLONG unixEpoch = 116'444'736'000'000'000ull;
constexpr ULONGLONG ticksPerSecond = 10'000'000ull;
constexpr ULONGLONG ticksPerMinute = 60 * ticksPerSecond;

ULONGLONG fromUnix(LONGLONG seconds, ULONGLONG ms = 0)
{
    return static_cast<ULONGLONG>(static_cast<LONGLONG>(unixEpoch) + seconds * static_cast<LONGLONG>(ticksPerSecond))
        + ms * 10'000;
}

SYSTEMTIME makeTime(WORD year, WORD month, WORD day, WORD hour = 0, WORD minute = 0, WORD second = 0, WORD ms = 0)
{
    SYSTEMTIME st{};
    st.wYear = year;
    st.wMonth = month;
    st.wDay = day;
    st.wHour = hour;
    st.wMinute = minute;
    st.wSecond = second;
    st.wMilliseconds = ms;
    return st;
}

FILETIME toFileTime(ULONGLONG ticks)
{
    return {static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
}

ULONGLONG toTicks(const FILETIME& ft)
{
    return (static_cast<ULONGLONG>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
}

std::string describe(const SYSTEMTIME& st)
{
    char text[64];
    snprintf(text, sizeof text, "%05u-%02u-%02u %02u:%02u:%02u.%03u dow %u", st.wYear, st.wMonth, st.wDay, st.wHour,
             st.wMinute, st.wSecond, st.wMilliseconds, st.wDayOfWeek);
    return text;
}

// Compares every field, wDayOfWeek included.
void expectSameTime(const SYSTEMTIME& expected, const SYSTEMTIME& actual)
{
    EXPECT_EQ(describe(expected), describe(actual));
}

SYSTEMTIME withDayOfWeek(SYSTEMTIME st, WORD dayOfWeek)
{
    st.wDayOfWeek = dayOfWeek;
    return st;
}

struct Conversion {
    SYSTEMTIME time;  // wDayOfWeek holds the expected day of the week
    ULONGLONG ticks;
};

const Conversion conversions[] = {
    {withDayOfWeek(makeTime(1601, 1, 1), 1), 0},
    {withDayOfWeek(makeTime(1601, 1, 1, 0, 0, 0, 1), 1), 10'000},
    {withDayOfWeek(makeTime(1900, 2, 28, 23, 59, 59), 3), fromUnix(-2'203'891'201)},
    {withDayOfWeek(makeTime(1900, 3, 1), 4), fromUnix(-2'203'891'200)},  // 1900 is not a leap year
    {withDayOfWeek(makeTime(1970, 1, 1), 4), unixEpoch},
    {withDayOfWeek(makeTime(2000, 2, 29, 12, 34, 56, 789), 2), fromUnix(951'827'696, 789)},
    {withDayOfWeek(makeTime(2000, 3, 1), 3), fromUnix(951'868'800)},
    {withDayOfWeek(makeTime(2038, 1, 19, 3, 14, 8), 2), fromUnix(2'147'483'648)},
    {withDayOfWeek(makeTime(2100, 12, 31, 23, 59, 59), 5), fromUnix(4'133'980'799)},
    {withDayOfWeek(makeTime(9999, 12, 31, 23, 59, 59, 999), 5), fromUnix(253'402'300'799, 999)},
};

TEST(TimeConversion, SystemTimeToFileTimeAndBack)
{
    for (const auto& c : conversions) {
        SCOPED_TRACE(describe(c.time));
        SYSTEMTIME in = c.time;
        in.wDayOfWeek = 0;  // ignored on the way in
        FILETIME ft{};
        ASSERT_TRUE(SystemTimeToFileTime(&in, &ft));
        EXPECT_EQ(c.ticks, toTicks(ft));
        SYSTEMTIME out{};
        ASSERT_TRUE(FileTimeToSystemTime(&ft, &out));
        expectSameTime(c.time, out);
    }
}

TEST(TimeConversion, FileTimeBelowOneMillisecondIsTruncated)
{
    const FILETIME ft = toFileTime(fromUnix(951'827'696, 789) + 9'999);
    SYSTEMTIME st{};
    ASSERT_TRUE(FileTimeToSystemTime(&ft, &st));
    expectSameTime(withDayOfWeek(makeTime(2000, 2, 29, 12, 34, 56, 789), 2), st);
}

TEST(TimeConversion, LargestFileTime)
{
    const FILETIME last = toFileTime(0x7FFF'FFFF'FFFF'FFFFull);
    SYSTEMTIME st{};
    ASSERT_TRUE(FileTimeToSystemTime(&last, &st));
    EXPECT_EQ(describe(withDayOfWeek(makeTime(30828, 9, 14, 2, 48, 5, 477), st.wDayOfWeek)), describe(st));
    FILETIME back{};
    ASSERT_TRUE(SystemTimeToFileTime(&st, &back));
    EXPECT_EQ(0x7FFF'FFFF'FFFF'FFFFull - 0x7FFF'FFFF'FFFF'FFFFull % 10'000, toTicks(back));
}

TEST(TimeConversion, FileTimesFromTwoToTheSixtyThreeFail)
{
    for (ULONGLONG ticks : {0x8000'0000'0000'0000ull, 0xFFFF'FFFF'FFFF'FFFFull}) {
        const FILETIME ft = toFileTime(ticks);
        SYSTEMTIME st{};
        SetLastError(0);
        EXPECT_FALSE(FileTimeToSystemTime(&ft, &st)) << std::hex << ticks;
        EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
    }
}

TEST(TimeConversion, InvalidSystemTimesFail)
{
    const SYSTEMTIME invalid[] = {
        makeTime(1600, 12, 31, 23, 59, 59, 999),
        makeTime(30828, 9, 14, 2, 48, 5, 478),  // one millisecond past the last FILETIME
        makeTime(30829, 1, 1),
        makeTime(2001, 0, 1),
        makeTime(2001, 13, 1),
        makeTime(2001, 1, 0),
        makeTime(2001, 1, 32),
        makeTime(2001, 2, 29),
        makeTime(1900, 2, 29),
        makeTime(2000, 2, 30),
        makeTime(2000, 4, 31),
        makeTime(2000, 1, 1, 24),
        makeTime(2000, 1, 1, 0, 60),
        makeTime(2000, 1, 1, 0, 0, 60),
        makeTime(2000, 1, 1, 0, 0, 0, 1000),
    };
    for (const auto& st : invalid) {
        SCOPED_TRACE(describe(st));
        FILETIME ft{0x1234, 0x5678};
        SetLastError(0);
        EXPECT_FALSE(SystemTimeToFileTime(&st, &ft));
        EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
    }
}

TEST(TimeConversion, DayOfWeekIsIgnoredOnInput)
{
    SYSTEMTIME st = makeTime(2024, 2, 29);
    st.wDayOfWeek = 6;  // 2024-02-29 was a Thursday; the wrong day does not matter
    FILETIME ft{};
    ASSERT_TRUE(SystemTimeToFileTime(&st, &ft));
    SYSTEMTIME out{};
    ASSERT_TRUE(FileTimeToSystemTime(&ft, &out));
    EXPECT_EQ(4, out.wDayOfWeek);
}

// Every day across two century boundaries: dates advance one day and one weekday at a time.
TEST(TimeConversion, ConsecutiveDaysRoundTrip)
{
    for (WORD startYear : {1699, 1899, 1999, 2099}) {
        SYSTEMTIME day = makeTime(startYear, 1, 1);
        FILETIME ft{};
        ASSERT_TRUE(SystemTimeToFileTime(&day, &ft));
        SYSTEMTIME previous{};
        ASSERT_TRUE(FileTimeToSystemTime(&ft, &previous));
        for (int i = 0; i < 3 * 366; ++i) {
            const FILETIME next = toFileTime(toTicks(ft) + 86'400 * ticksPerSecond);
            SYSTEMTIME st{};
            ASSERT_TRUE(FileTimeToSystemTime(&next, &st));
            ASSERT_EQ((previous.wDayOfWeek + 1) % 7, st.wDayOfWeek) << describe(st);
            const bool sameMonth = st.wMonth == previous.wMonth && st.wDay == previous.wDay + 1;
            const bool newMonth = st.wDay == 1 && (st.wMonth == previous.wMonth % 12 + 1);
            ASSERT_TRUE(sameMonth || newMonth) << describe(previous) << " -> " << describe(st);
            FILETIME back{};
            ASSERT_TRUE(SystemTimeToFileTime(&st, &back));
            ASSERT_EQ(toTicks(next), toTicks(back));
            ft = next;
            previous = st;
        }
    }
}

TEST(TimeConversion, CompareFileTime)
{
    struct Case {
        ULONGLONG a, b;
        LONG expected;
    };
    const Case cases[] = {
        {0, 0, 0},
        {1, 0, 1},
        {0, 1, -1},
        {0x1'0000'0000ull, 0xFFFF'FFFFull, 1},  // the high word decides
        {0xFFFF'FFFFull, 0x1'0000'0000ull, -1},
        {0xFFFF'FFFF'FFFF'FFFFull, 0x7FFF'FFFF'FFFF'FFFFull, 1},  // unsigned compare
    };
    for (const auto& c : cases) {
        const FILETIME a = toFileTime(c.a);
        const FILETIME b = toFileTime(c.b);
        EXPECT_EQ(c.expected, CompareFileTime(&a, &b)) << std::hex << c.a << " vs " << c.b;
    }
}

TEST(TimeWithoutDevice, ClockCallsFailNotReady)
{
    ASSERT_FALSE(emulator::deviceBooted());
    SYSTEMTIME st = makeTime(2000, 1, 1);
    SetLastError(0);
    GetLocalTime(&st);
    EXPECT_EQ(static_cast<DWORD>(ERROR_NOT_READY), GetLastError());
    EXPECT_EQ(0, st.wYear);

    SetLastError(0);
    EXPECT_EQ(0u, GetTickCount());
    EXPECT_EQ(static_cast<DWORD>(ERROR_NOT_READY), GetLastError());

    const SYSTEMTIME valid = makeTime(2020, 5, 5);
    SetLastError(0);
    EXPECT_FALSE(SetSystemTime(&valid));
    EXPECT_EQ(static_cast<DWORD>(ERROR_NOT_READY), GetLastError());

    const FILETIME utc = toFileTime(unixEpoch);
    FILETIME local{};
    SetLastError(0);
    EXPECT_FALSE(FileTimeToLocalFileTime(&utc, &local));
    EXPECT_EQ(static_cast<DWORD>(ERROR_NOT_READY), GetLastError());

    TIME_ZONE_INFORMATION tzi{};
    EXPECT_EQ(TIME_ZONE_ID_INVALID, GetTimeZoneInformation(&tzi));
    EXPECT_EQ(static_cast<DWORD>(ERROR_NOT_READY), GetLastError());
}

emulator::Profile profileWithBias(LONG bias, std::u16string name = u"Test Standard Time")
{
    emulator::Profile profile = testing_support::smallProfile();
    profile.timeZoneBias = bias;
    profile.timeZoneName = std::move(name);
    return profile;
}

SYSTEMTIME systemTimeNow()
{
    SYSTEMTIME st{};
    GetSystemTime(&st);
    return st;
}

SYSTEMTIME localTimeNow()
{
    SYSTEMTIME st{};
    GetLocalTime(&st);
    return st;
}

ULONGLONG ticksOf(const SYSTEMTIME& st)
{
    FILETIME ft{};
    EXPECT_TRUE(SystemTimeToFileTime(&st, &ft)) << describe(st);
    return toTicks(ft);
}

TEST(TimeOnDevice, LocalTimeFollowsTheBias)
{
    // The virtual clock starts at 2026-01-01 12:00:00 UTC, a Thursday.
    struct Case {
        LONG bias;
        SYSTEMTIME local;
    };
    const Case cases[] = {
        {0, withDayOfWeek(makeTime(2026, 1, 1, 12), 4)},
        {300, withDayOfWeek(makeTime(2026, 1, 1, 7), 4)},  // UTC-5
        {-60, withDayOfWeek(makeTime(2026, 1, 1, 13), 4)},  // UTC+1
        {-810, withDayOfWeek(makeTime(2026, 1, 2, 1, 30), 5)},  // UTC+13:30 crosses midnight
        {720, withDayOfWeek(makeTime(2026, 1, 1, 0), 4)},  // UTC-12
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bias);
        testing_support::TestDevice device(profileWithBias(c.bias));
        expectSameTime(withDayOfWeek(makeTime(2026, 1, 1, 12), 4), systemTimeNow());
        expectSameTime(c.local, localTimeNow());

        const FILETIME utc = toFileTime(ticksOf(systemTimeNow()));
        FILETIME local{};
        ASSERT_TRUE(FileTimeToLocalFileTime(&utc, &local));
        EXPECT_EQ(ticksOf(c.local), toTicks(local));
        FILETIME back{};
        ASSERT_TRUE(LocalFileTimeToFileTime(&local, &back));
        EXPECT_EQ(toTicks(utc), toTicks(back));
    }
}

TEST(TimeOnDevice, BiasAtTheEdgesOfTheRange)
{
    testing_support::TestDevice device(profileWithBias(300));
    FILETIME out{};
    const FILETIME first = toFileTime(0);
    SetLastError(0);
    EXPECT_FALSE(FileTimeToLocalFileTime(&first, &out));  // local time would precede 1601
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
    ASSERT_TRUE(LocalFileTimeToFileTime(&first, &out));
    EXPECT_EQ(300 * ticksPerMinute, toTicks(out));

    const FILETIME last = toFileTime(0x7FFF'FFFF'FFFF'FFFFull);
    EXPECT_FALSE(LocalFileTimeToFileTime(&last, &out));
    ASSERT_TRUE(FileTimeToLocalFileTime(&last, &out));
    EXPECT_EQ(0x7FFF'FFFF'FFFF'FFFFull - 300 * ticksPerMinute, toTicks(out));

    const FILETIME negative = toFileTime(0x8000'0000'0000'0000ull);
    EXPECT_FALSE(FileTimeToLocalFileTime(&negative, &out));
    EXPECT_FALSE(LocalFileTimeToFileTime(&negative, &out));
}

TEST(TimeOnDevice, SleepAndTheHostMoveTheVirtualClock)
{
    testing_support::TestDevice device;
    const ULONGLONG start = ticksOf(systemTimeNow());
    const DWORD startTicks = GetTickCount();

    Sleep(1500);
    EXPECT_EQ(startTicks + 1500, GetTickCount());
    EXPECT_EQ(start + 15 * ticksPerSecond / 10, ticksOf(systemTimeNow()));

    emulator::advanceDeviceClock(60'000);
    EXPECT_EQ(startTicks + 61'500, GetTickCount());
    EXPECT_EQ(start + 15 * ticksPerSecond / 10 + ticksPerMinute, ticksOf(systemTimeNow()));

    Sleep(0);
    EXPECT_EQ(startTicks + 61'500, GetTickCount());
}

TEST(TimeOnDevice, TickCountWrapsAfterFortyNineDays)
{
    testing_support::TestDevice device;
    const DWORD start = GetTickCount();
    emulator::advanceDeviceClock(0x1'0000'0000ull + 5);
    EXPECT_EQ(static_cast<DWORD>(start + 5), GetTickCount());
}

TEST(TimeOnDevice, SetLocalTimeThenRead)
{
    testing_support::TestDevice device(profileWithBias(-120));
    const DWORD ticksBefore = GetTickCount();
    const SYSTEMTIME local = makeTime(2030, 6, 15, 8, 30, 0, 250);
    ASSERT_TRUE(SetLocalTime(&local));
    expectSameTime(withDayOfWeek(local, 6), localTimeNow());
    expectSameTime(withDayOfWeek(makeTime(2030, 6, 15, 6, 30, 0, 250), 6), systemTimeNow());
    EXPECT_EQ(ticksBefore, GetTickCount());  // setting the date does not move the tick count

    Sleep(2000);
    expectSameTime(withDayOfWeek(makeTime(2030, 6, 15, 8, 30, 2, 250), 6), localTimeNow());

    const SYSTEMTIME utc = makeTime(1999, 12, 31, 23, 59, 59);
    ASSERT_TRUE(SetSystemTime(&utc));
    expectSameTime(withDayOfWeek(makeTime(2000, 1, 1, 1, 59, 59), 6), localTimeNow());
}

TEST(TimeOnDevice, InvalidTimesLeaveTheClockAlone)
{
    testing_support::TestDevice device;
    const SYSTEMTIME before = systemTimeNow();
    const SYSTEMTIME invalid[] = {makeTime(2023, 2, 29), makeTime(2023, 1, 1, 25), makeTime(1600, 1, 1)};
    for (const auto& st : invalid) {
        SetLastError(0);
        EXPECT_FALSE(SetLocalTime(&st)) << describe(st);
        EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
        EXPECT_FALSE(SetSystemTime(&st)) << describe(st);
    }
    expectSameTime(before, systemTimeNow());
}

TEST(TimeOnDevice, TimeZoneInformationComesFromTheProfile)
{
    testing_support::TestDevice device(profileWithBias(300, u"Eastern Standard Time"));
    TIME_ZONE_INFORMATION tzi;
    memset(&tzi, 0xAB, sizeof tzi);
    EXPECT_EQ(static_cast<DWORD>(TIME_ZONE_ID_UNKNOWN), GetTimeZoneInformation(&tzi));
    EXPECT_EQ(300, tzi.Bias);
    EXPECT_EQ(std::u16string(u"Eastern Standard Time"), std::u16string(tzi.StandardName));
    EXPECT_EQ(0, tzi.StandardBias);
    EXPECT_EQ(0, tzi.DaylightBias);
    EXPECT_EQ(0, tzi.StandardDate.wMonth);  // no daylight saving switch
    EXPECT_EQ(0, tzi.DaylightDate.wMonth);
}

}  // namespace
