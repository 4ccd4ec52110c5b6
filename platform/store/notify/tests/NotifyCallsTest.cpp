// The notification calls' contracts: what a record keeps (absent texts apart from empty ones),
// sizes and errors of the two-step reads, replacing, clearing, and the run-at-time and
// run-at-event registrations.
#include "NotifyTestSupport.h"

namespace {

using namespace notify_test;

struct RecordCase {
    const char* name;
    bool withTrigger;
    bool withUser;
    const WCHAR* application;
    const WCHAR* arguments;
    const WCHAR* title;
    const WCHAR* text;
    const WCHAR* sound;
};

const RecordCase recordCases[] = {
    {"full", true, true, u"\\Windows\\clock.exe", u"-alarm 1", u"Wake", u"Time to go", u"\\Windows\\alarm.wav"},
    {"absent texts", true, true, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"empty texts", true, true, u"", u"", u"", u"", u""},
    {"mixed texts", true, true, u"\\a.exe", nullptr, u"", nullptr, u"s"},
    {"trigger only", true, false, u"\\Windows\\repllog.exe", u"", nullptr, nullptr, nullptr},
    {"user only", false, true, nullptr, nullptr, u"{9B904401-A867-4042-976B-4063F62B2EE5}", u"t", nullptr},
};

class NotifyCallsTest : public ::testing::Test {
protected:
    testing_support::TestDevice device;
};

TEST_F(NotifyCallsTest, RecordsReadBackAsWritten)
{
    for (const RecordCase& c : recordCases) {
        SCOPED_TRACE(c.name);
        CE_NOTIFICATION_TRIGGER trigger =
            makeTrigger(CNT_PERIOD, NOTIFICATION_EVENT_NONE, c.application, c.arguments, {2026, 3, 0, 4, 10, 20, 30, 400},
                        {2026, 3, 0, 5, 11, 0, 0, 0});
        CE_USER_NOTIFICATION user{PUN_DIALOG | PUN_SOUND, const_cast<WCHAR*>(c.title), const_cast<WCHAR*>(c.text),
                                  const_cast<WCHAR*>(c.sound), 2048, 0};
        HANDLE handle = CeSetUserNotificationEx(nullptr, c.withTrigger ? &trigger : nullptr, c.withUser ? &user : nullptr);
        ASSERT_NE(nullptr, handle);

        ReadNotification read(handle);
        EXPECT_EQ(handle, read.header().hNotification);
        EXPECT_EQ(0u, read.header().dwStatus);
        ASSERT_EQ(c.withTrigger, read.trigger() != nullptr);
        ASSERT_EQ(c.withUser, read.user() != nullptr);
        EXPECT_TRUE(read.inside(read.trigger()) && read.inside(read.user()));
        if (c.withTrigger) {
            const CE_NOTIFICATION_TRIGGER& got = *read.trigger();
            EXPECT_EQ(sizeof(CE_NOTIFICATION_TRIGGER), got.dwSize);
            EXPECT_EQ(static_cast<DWORD>(CNT_PERIOD), got.dwType);
            EXPECT_EQ(textOf(c.application), textOf(got.lpszApplication));
            EXPECT_EQ(textOf(c.arguments), textOf(got.lpszArguments));
            EXPECT_TRUE(read.inside(got.lpszApplication) && read.inside(got.lpszArguments));
            EXPECT_EQ(0, memcmp(&trigger.stStartTime, &got.stStartTime, sizeof(SYSTEMTIME)));
            EXPECT_EQ(0, memcmp(&trigger.stEndTime, &got.stEndTime, sizeof(SYSTEMTIME)));
        }
        if (c.withUser) {
            const CE_USER_NOTIFICATION& got = *read.user();
            EXPECT_EQ(static_cast<DWORD>(PUN_DIALOG | PUN_SOUND), got.ActionFlags);
            EXPECT_EQ(2048u, got.nMaxSound);
            EXPECT_EQ(textOf(c.title), textOf(got.pwszDialogTitle));
            EXPECT_EQ(textOf(c.text), textOf(got.pwszDialogText));
            EXPECT_EQ(textOf(c.sound), textOf(got.pwszSound));
            EXPECT_TRUE(read.inside(got.pwszDialogTitle) && read.inside(got.pwszDialogText) &&
                        read.inside(got.pwszSound));
        }
    }
}

TEST_F(NotifyCallsTest, BadRecordsAreRefused)
{
    const SYSTEMTIME good{2026, 5, 0, 1, 8, 0, 0, 0};
    const SYSTEMTIME badMonth{2026, 13, 0, 1, 8, 0, 0, 0};
    struct Case {
        const char* name;
        DWORD size;
        DWORD type;
        SYSTEMTIME start;
        SYSTEMTIME end;
    };
    const Case cases[] = {
        {"size zero", 0, CNT_TIME, good, {}},
        {"size one short of the device's", 51, CNT_TIME, good, {}},
        {"size too large", sizeof(CE_NOTIFICATION_TRIGGER) + 4, CNT_TIME, good, {}},
        {"type zero", sizeof(CE_NOTIFICATION_TRIGGER), 0, good, {}},
        {"type five", sizeof(CE_NOTIFICATION_TRIGGER), 5, good, {}},
        {"timed without a valid start", sizeof(CE_NOTIFICATION_TRIGGER), CNT_TIME, badMonth, {}},
        {"classic time without a valid start", sizeof(CE_NOTIFICATION_TRIGGER), CNT_CLASSICTIME, {}, {}},
        {"period without a valid end", sizeof(CE_NOTIFICATION_TRIGGER), CNT_PERIOD, good, badMonth},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CE_NOTIFICATION_TRIGGER trigger = makeTrigger(c.type, 0, u"\\a.exe", nullptr, c.start, c.end);
        trigger.dwSize = c.size;
        SetLastError(0);
        EXPECT_EQ(nullptr, CeSetUserNotificationEx(nullptr, &trigger, nullptr));
        EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
    }
    SetLastError(0);
    EXPECT_EQ(nullptr, CeSetUserNotificationEx(nullptr, nullptr, nullptr));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
    EXPECT_TRUE(notificationHandles().empty());
}

TEST_F(NotifyCallsTest, DeviceSizedTriggersAndEventsWithoutTimesAreTaken)
{
    CE_NOTIFICATION_TRIGGER timed = makeTrigger(CNT_TIME, 0, u"\\a.exe", u"-Q", {2026, 5, 0, 1, 8, 0, 0, 0});
    timed.dwSize = CE_NOTIFICATION_TRIGGER_DEVICE_SIZE;
    EXPECT_NE(nullptr, CeSetUserNotificationEx(nullptr, &timed, nullptr));
    CE_NOTIFICATION_TRIGGER event = makeTrigger(CNT_EVENT, NOTIFICATION_EVENT_RS232_DETECTED, u"\\b.exe", nullptr);
    EXPECT_NE(nullptr, CeSetUserNotificationEx(nullptr, &event, nullptr));
    EXPECT_EQ(2u, notificationHandles().size());
}

TEST_F(NotifyCallsTest, ReplacingKeepsTheHandleAndItsPlace)
{
    HANDLE first = addTimed(u"\\a.exe", {2026, 5, 0, 1, 8, 0, 0, 0});
    HANDLE second = addTimed(u"\\b.exe", {2026, 5, 0, 1, 9, 0, 0, 0});
    CE_USER_NOTIFICATION user{PUN_LED, nullptr, const_cast<WCHAR*>(u"now"), nullptr, 0, 0};
    EXPECT_EQ(first, CeSetUserNotificationEx(first, nullptr, &user));
    EXPECT_EQ((std::vector<HANDLE>{first, second}), notificationHandles());
    ReadNotification read(first);
    EXPECT_EQ(nullptr, read.trigger());
    ASSERT_NE(nullptr, read.user());
    EXPECT_EQ(textOf(u"now"), textOf(read.user()->pwszDialogText));

    SetLastError(0);
    HANDLE unknown = reinterpret_cast<HANDLE>(reinterpret_cast<uintptr_t>(second) + 100);
    EXPECT_EQ(nullptr, CeSetUserNotificationEx(unknown, nullptr, &user));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
}

TEST_F(NotifyCallsTest, HandlesGrowInCreationOrderAndAreNeverReused)
{
    std::vector<HANDLE> made;
    for (int i = 0; i < 4; ++i)
        made.push_back(addTimed(u"\\a.exe", {2026, 5, 0, 1, 8, 0, 0, 0}));
    for (size_t i = 1; i < made.size(); ++i)
        EXPECT_LT(reinterpret_cast<uintptr_t>(made[i - 1]), reinterpret_cast<uintptr_t>(made[i]));
    ASSERT_TRUE(CeClearUserNotification(made.back()));
    HANDLE next = addTimed(u"\\a.exe", {2026, 5, 0, 1, 8, 0, 0, 0});
    EXPECT_GT(reinterpret_cast<uintptr_t>(next), reinterpret_cast<uintptr_t>(made.back()));
    EXPECT_EQ((std::vector<HANDLE>{made[0], made[1], made[2], next}), notificationHandles());
}

TEST_F(NotifyCallsTest, HandleListAsksForItsSizeFirst)
{
    DWORD needed = 99;
    SetLastError(0);
    EXPECT_FALSE(CeGetUserNotificationHandles(nullptr, 0, &needed));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER), GetLastError());
    EXPECT_EQ(0u, needed);

    HANDLE a = addTimed(u"\\a.exe", {2026, 5, 0, 1, 8, 0, 0, 0});
    HANDLE b = addTimed(u"\\b.exe", {2026, 5, 0, 1, 8, 0, 0, 0});
    HANDLE c = addTimed(u"\\c.exe", {2026, 5, 0, 1, 8, 0, 0, 0});
    HANDLE got[3] = {};
    struct Case {
        HANDLE* buffer;
        DWORD count;
    };
    for (const Case& small : {Case{nullptr, 0}, Case{nullptr, 5}, Case{got, 2}}) {
        needed = 0;
        SetLastError(0);
        EXPECT_FALSE(CeGetUserNotificationHandles(small.buffer, small.count, &needed));
        EXPECT_EQ(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER), GetLastError());
        EXPECT_EQ(3u, needed);
    }
    EXPECT_TRUE(CeGetUserNotificationHandles(got, 3, &needed));
    EXPECT_EQ((std::vector<HANDLE>{a, b, c}), std::vector<HANDLE>(got, got + 3));
    SetLastError(0);
    EXPECT_FALSE(CeGetUserNotificationHandles(got, 3, nullptr));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
}

TEST_F(NotifyCallsTest, RecordReadAsksForItsSizeFirst)
{
    HANDLE handle = addTimed(u"\\Windows\\a.exe", {2026, 5, 0, 1, 8, 0, 0, 0}, u"-x");
    DWORD needed = 0;
    EXPECT_FALSE(CeGetUserNotification(handle, 0, &needed, nullptr));
    const DWORD expected = sizeof(CE_NOTIFICATION_INFO_HEADER) + sizeof(CE_NOTIFICATION_TRIGGER) +
                           sizeof(u"\\Windows\\a.exe") + sizeof(u"-x");
    EXPECT_EQ(expected, needed);
    std::vector<ULONGLONG> buffer(needed / 8 + 1);
    auto* bytes = reinterpret_cast<BYTE*>(buffer.data());
    DWORD again = 0;
    SetLastError(0);
    EXPECT_FALSE(CeGetUserNotification(handle, needed - 1, &again, bytes));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER), GetLastError());
    EXPECT_EQ(needed, again);
    EXPECT_TRUE(CeGetUserNotification(handle, needed, nullptr, bytes));

    for (HANDLE unknown : {static_cast<HANDLE>(nullptr), reinterpret_cast<HANDLE>(uintptr_t{77})}) {
        SetLastError(0);
        EXPECT_FALSE(CeGetUserNotification(unknown, needed, &again, bytes));
        EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
    }
}

TEST_F(NotifyCallsTest, ClearingRemovesAndUnknownHandlesFail)
{
    HANDLE a = addTimed(u"\\a.exe", {2026, 5, 0, 1, 8, 0, 0, 0});
    HANDLE b = addTimed(u"\\b.exe", {2026, 5, 0, 1, 8, 0, 0, 0});
    EXPECT_TRUE(CeClearUserNotification(a));
    EXPECT_EQ(std::vector<HANDLE>{b}, notificationHandles());
    for (HANDLE gone : {a, static_cast<HANDLE>(nullptr)}) {
        SetLastError(0);
        EXPECT_FALSE(CeClearUserNotification(gone));
        EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
    }
}

// What is registered, in handle order: "TYPE EVENT APPLICATION" with the event as a letter
// (a is 0), and " args" when the entry has arguments.
std::vector<std::u16string> registrations()
{
    std::vector<std::u16string> lines;
    for (HANDLE handle : notificationHandles()) {
        ReadNotification read(handle);
        const CE_NOTIFICATION_TRIGGER* t = read.trigger();
        lines.push_back(std::u16string(1, u'0' + static_cast<char16_t>(t->dwType)) + u" " +
                        std::u16string(1, u'a' + static_cast<char16_t>(t->dwEvent)) + u" " +
                        textOf(t->lpszApplication).value_or(u"-") + (t->lpszArguments ? u" args" : u""));
    }
    return lines;
}

TEST_F(NotifyCallsTest, RunAppAtTimeKeepsOneRegistrationPerApplication)
{
    const SYSTEMTIME eight{2026, 5, 0, 1, 8, 0, 0, 0};
    const SYSTEMTIME nine{2026, 5, 0, 1, 9, 0, 0, 0};
    ASSERT_TRUE(CeRunAppAtTime(u"\\Windows\\KelvaraLauncher.exe", &eight));
    ASSERT_TRUE(CeRunAppAtTime(u"\\Windows\\Other.exe", &eight));
    ASSERT_TRUE(CeRunAppAtEvent(u"\\Windows\\KelvaraLauncher.exe", NOTIFICATION_EVENT_WAKEUP));
    ASSERT_TRUE(CeRunAppAtTime(u"\\WINDOWS\\kelvaralauncher.EXE", &nine));
    EXPECT_EQ((std::vector<std::u16string>{u"2 a \\Windows\\Other.exe", u"1 l \\Windows\\KelvaraLauncher.exe",
                                           u"2 a \\WINDOWS\\kelvaralauncher.EXE"}),
              registrations());
    ReadNotification latest(notificationHandles().back());
    EXPECT_EQ(9, latest.trigger()->stStartTime.wHour);
    EXPECT_EQ(nullptr, latest.user());

    // A timed entry made through CeSetUserNotificationEx counts as one too.
    addTimed(u"\\Windows\\KelvaraLauncher.exe", nine, u"-Q");
    ASSERT_TRUE(CeRunAppAtTime(u"\\Windows\\KelvaraLauncher.exe", nullptr));
    EXPECT_EQ((std::vector<std::u16string>{u"2 a \\Windows\\Other.exe", u"1 l \\Windows\\KelvaraLauncher.exe"}),
              registrations());
}

TEST_F(NotifyCallsTest, RunAppAtEventAddsAndEventNoneRemovesAll)
{
    const SYSTEMTIME eight{2026, 5, 0, 1, 8, 0, 0, 0};
    ASSERT_TRUE(CeRunAppAtEvent(u"repllog.exe", NOTIFICATION_EVENT_RS232_DETECTED));
    ASSERT_TRUE(CeRunAppAtEvent(u"repllog.exe", NOTIFICATION_EVENT_TIME_CHANGE));
    ASSERT_TRUE(CeRunAppAtEvent(u"other.exe", NOTIFICATION_EVENT_RS232_DETECTED));
    ASSERT_TRUE(CeRunAppAtTime(u"repllog.exe", &eight));
    EXPECT_EQ(4u, registrations().size());
    ASSERT_TRUE(CeRunAppAtEvent(u"REPLLOG.exe", NOTIFICATION_EVENT_NONE));
    EXPECT_EQ((std::vector<std::u16string>{u"1 j other.exe", u"2 a repllog.exe"}), registrations());
}

TEST_F(NotifyCallsTest, RegistrationsCheckTheirArguments)
{
    const SYSTEMTIME badDay{2026, 2, 0, 30, 8, 0, 0, 0};
    SetLastError(0);
    EXPECT_FALSE(CeRunAppAtTime(nullptr, &badDay));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
    SetLastError(0);
    EXPECT_FALSE(CeRunAppAtTime(u"\\a.exe", &badDay));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
    SetLastError(0);
    EXPECT_FALSE(CeRunAppAtEvent(u"", NOTIFICATION_EVENT_WAKEUP));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
    SetLastError(0);
    EXPECT_FALSE(CeRunAppAtEvent(u"\\a.exe", -1));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
    EXPECT_TRUE(notificationHandles().empty());
}

}  // namespace
