// Firing: timed notifications start their programs in start-time order when the clock reaches
// them (moved by the host or by waits), named events are set, system events start what is
// registered for them with the device's command lines, and a program setting the time raises
// the time-change event. The device runs in virtual time: nothing here waits for real.
#include <algorithm>
#include <map>

#include "NotifyTestSupport.h"
#include "emulator/Notifications.h"
#include "tlhelp32.h"

namespace {

using namespace notify_test;

constexpr ULONGLONG minuteMs = 60'000;

// The small profile with three simulated user programs, \Windows\alpha.exe and so on.
emulator::Profile profileWithPrograms()
{
    emulator::Profile profile = testing_support::smallProfile();
    for (const char* name : {"alpha", "beta", "gamma"})
        profile.otherSections.push_back({std::string("program.") + name, {}});
    return profile;
}

// The simulated test programs running, in the order they started.
std::vector<std::u16string> startedPrograms()
{
    std::map<DWORD, std::u16string> byId;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
        const std::u16string name = entry.szExeFile;
        if (name == u"alpha.exe" || name == u"beta.exe" || name == u"gamma.exe")
            byId[entry.th32ProcessID] = name;
    }
    CloseToolhelp32Snapshot(snapshot);
    std::vector<std::u16string> names;
    for (const auto& [id, name] : byId)
        names.push_back(name);
    return names;
}

bool isSet(HANDLE event)
{
    return WaitForSingleObject(event, 0) == WAIT_OBJECT_0;
}

class NotifyFiringTest : public ::testing::Test {
protected:
    testing_support::TestDevice device{profileWithPrograms()};
};

TEST_F(NotifyFiringTest, TimeJumpFiresEveryDueEntryInStartOrder)
{
    const HANDLE gamma = addTimed(u"\\Windows\\gamma.exe", localTimeIn(180));
    addTimed(u"\\Windows\\alpha.exe", localTimeIn(60));
    addTimed(u"\\Windows\\beta.exe", localTimeIn(180));
    const HANDLE later = addTimed(u"\\Windows\\alpha.exe", localTimeIn(3600));
    EXPECT_TRUE(startedPrograms().empty());

    emulator::advanceDeviceClock(10 * minuteMs);
    // Ties in start time go in handle order.
    EXPECT_EQ((std::vector<std::u16string>{u"alpha.exe", u"gamma.exe", u"beta.exe"}), startedPrograms());
    EXPECT_EQ(std::vector<HANDLE>{later}, notificationHandles());
    EXPECT_FALSE(CeClearUserNotification(gamma));
}

TEST_F(NotifyFiringTest, EntryFiresWhenTheClockReachesItsStartExactly)
{
    addTimed(u"\\Windows\\alpha.exe", localTimeIn(120));
    emulator::advanceDeviceClock(2 * minuteMs - 1);
    EXPECT_TRUE(startedPrograms().empty());
    EXPECT_EQ(1u, notificationHandles().size());
    emulator::advanceDeviceClock(1);
    EXPECT_EQ(std::vector<std::u16string>{u"alpha.exe"}, startedPrograms());
    EXPECT_TRUE(notificationHandles().empty());
}

TEST_F(NotifyFiringTest, DueEntrySetsItsNamedEvent)
{
    HANDLE event = CreateEventW(nullptr, TRUE, FALSE, u"KelvaraTick");
    addTimed(u"\\\\.\\Notifications\\NamedEvents\\KelvaraTick", localTimeIn(30));
    EXPECT_FALSE(isSet(event));
    emulator::advanceDeviceClock(30'000);
    EXPECT_TRUE(isSet(event));
    EXPECT_TRUE(notificationHandles().empty());
    CloseHandle(event);
}

TEST_F(NotifyFiringTest, WaitsThatMoveTheClockFireWhatFallsDue)
{
    HANDLE event = CreateEventW(nullptr, TRUE, FALSE, u"KelvaraWait");
    const SYSTEMTIME before = localTimeIn(0);
    addTimed(u"\\\\.\\Notifications\\NamedEvents\\KelvaraWait", localTimeIn(3600));
    // A pending notification never pulls the clock: this wait ends by its own time-out.
    EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(event, 1000));
    const SYSTEMTIME after = localTimeIn(0);
    EXPECT_EQ(before.wHour, after.wHour);
    EXPECT_EQ(before.wMinute, after.wMinute);
    Sleep(2 * 3600 * 1000);
    // The firing part's thread notices the clock moved by the sleep.
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(event, INFINITE));
    CloseHandle(event);
}

TEST_F(NotifyFiringTest, TimedEntriesStartWithTheirArgumentsOrTheTimeCommandLine)
{
    installRecorder(device, u"\\a.exe");
    installRecorder(device, u"\\b.exe");
    Recorded recorded;
    addTimed(u"\\a.exe", localTimeIn(10), u"-Q");
    const SYSTEMTIME soon = localTimeIn(20);
    ASSERT_TRUE(CeRunAppAtTime(u"\\b.exe", &soon));
    emulator::advanceDeviceClock(minuteMs);
    recorded.waitFor(2);
    EXPECT_EQ(u"-Q", recordedCommandLine(device, u"\\a.exe"));
    EXPECT_EQ(APP_RUN_AT_TIME, recordedCommandLine(device, u"\\b.exe"));
}

TEST_F(NotifyFiringTest, EntryWhoseProgramCannotStartStaysAndOthersGoOn)
{
    const HANDLE missing = addTimed(u"\\Windows\\missing.exe", localTimeIn(30));
    addTimed(u"\\Windows\\beta.exe", localTimeIn(40));
    emulator::advanceDeviceClock(minuteMs);
    EXPECT_EQ(std::vector<std::u16string>{u"beta.exe"}, startedPrograms());
    EXPECT_EQ(std::vector<HANDLE>{missing}, notificationHandles());
    // It is not tried again and again: a later firing leaves it alone.
    addTimed(u"\\Windows\\gamma.exe", localTimeIn(30));
    emulator::advanceDeviceClock(minuteMs);
    EXPECT_EQ((std::vector<std::u16string>{u"beta.exe", u"gamma.exe"}), startedPrograms());
    EXPECT_EQ(std::vector<HANDLE>{missing}, notificationHandles());
}

TEST_F(NotifyFiringTest, UserAlertsAndCancelledRegistrationsDoNotStartPrograms)
{
    CE_NOTIFICATION_TRIGGER period =
        makeTrigger(CNT_PERIOD, 0, u"\\Windows\\alpha.exe", nullptr, localTimeIn(10), localTimeIn(20));
    CE_NOTIFICATION_TRIGGER classic = makeTrigger(CNT_CLASSICTIME, 0, u"\\Windows\\beta.exe", nullptr, localTimeIn(10));
    const HANDLE alerts[] = {CeSetUserNotificationEx(nullptr, &period, nullptr),
                             CeSetUserNotificationEx(nullptr, &classic, nullptr)};
    const SYSTEMTIME soon = localTimeIn(10);
    ASSERT_TRUE(CeRunAppAtTime(u"\\Windows\\gamma.exe", &soon));
    ASSERT_TRUE(CeRunAppAtTime(u"\\windows\\GAMMA.exe", nullptr));
    ASSERT_TRUE(CeRunAppAtEvent(u"\\Windows\\gamma.exe", NOTIFICATION_EVENT_WAKEUP));
    ASSERT_TRUE(CeRunAppAtEvent(u"\\Windows\\gamma.exe", NOTIFICATION_EVENT_NONE));
    emulator::advanceDeviceClock(minuteMs);
    EXPECT_EQ(0u, emulator::raiseNotificationEvent(NOTIFICATION_EVENT_WAKEUP));
    EXPECT_TRUE(startedPrograms().empty());
    EXPECT_EQ((std::vector<HANDLE>{alerts[0], alerts[1]}), notificationHandles());
}

TEST_F(NotifyFiringTest, EventStartsItsRegistrationsWithTheirCommandLines)
{
    struct Case {
        DWORD code;
        const char16_t* commandLine;
    };
    const Case cases[] = {
        {NOTIFICATION_EVENT_TIME_CHANGE, u"AppRunAfterTimeChange"},
        {NOTIFICATION_EVENT_SYNC_END, u"AppRunAfterSync"},
        {NOTIFICATION_EVENT_ON_AC_POWER, u"AppRunAtAcPowerOn"},
        {NOTIFICATION_EVENT_DEVICE_CHANGE, u"AppRunDeviceChange"},
        {NOTIFICATION_EVENT_RS232_DETECTED, u"AppRunAtRs232Detect"},
        {NOTIFICATION_EVENT_MACHINE_NAME_CHANGE, u"AppRunAfterExtendedEvent"},
        {NOTIFICATION_EVENT_RNDIS_FN_DETECTED, u"AppRunAfterRndisFnDetected"},
        {NOTIFICATION_EVENT_INTERNET_PROXY_CHANGE, u"AppRunAfterInternetProxyChange"},
    };
    installRecorder(device, u"\\a.exe");
    Recorded recorded;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        ASSERT_TRUE(CeRunAppAtEvent(u"\\a.exe", static_cast<LONG>(c.code)));
        EXPECT_EQ(1u, emulator::raiseNotificationEvent(c.code));
        recorded.waitFor(1);
        EXPECT_EQ(c.commandLine, recordedCommandLine(device, u"\\a.exe"));
        ASSERT_TRUE(CeRunAppAtEvent(u"\\a.exe", NOTIFICATION_EVENT_NONE));
    }
}

TEST_F(NotifyFiringTest, EventRegistrationsStayAndStartInHandleOrder)
{
    installRecorder(device, u"\\a.exe");
    installRecorder(device, u"\\b.exe");
    Recorded recorded;
    ASSERT_TRUE(CeRunAppAtEvent(u"\\Windows\\beta.exe", NOTIFICATION_EVENT_WAKEUP));
    ASSERT_TRUE(CeRunAppAtEvent(u"\\a.exe", NOTIFICATION_EVENT_WAKEUP));
    CE_NOTIFICATION_TRIGGER withArguments = makeTrigger(CNT_EVENT, NOTIFICATION_EVENT_WAKEUP, u"\\b.exe", u"-x 1");
    ASSERT_NE(nullptr, CeSetUserNotificationEx(nullptr, &withArguments, nullptr));
    ASSERT_TRUE(CeRunAppAtEvent(u"\\Windows\\alpha.exe", NOTIFICATION_EVENT_WAKEUP));
    ASSERT_TRUE(CeRunAppAtEvent(u"\\Windows\\gamma.exe", NOTIFICATION_EVENT_SYNC_END));

    EXPECT_EQ(4u, emulator::raiseNotificationEvent(NOTIFICATION_EVENT_WAKEUP));
    recorded.waitFor(2);
    EXPECT_EQ(u"AppRunAfterWakeup", recordedCommandLine(device, u"\\a.exe"));
    EXPECT_EQ(u"-x 1", recordedCommandLine(device, u"\\b.exe"));
    EXPECT_EQ((std::vector<std::u16string>{u"beta.exe", u"alpha.exe"}), startedPrograms());
    EXPECT_EQ(5u, notificationHandles().size());
}

TEST_F(NotifyFiringTest, SettingTheTimeRaisesTimeChangeThenFiresWhatFellDue)
{
    installRecorder(device, u"\\a.exe");
    Recorded recorded;
    HANDLE event = CreateEventW(nullptr, TRUE, FALSE, u"KelvaraNextDay");
    ASSERT_TRUE(CeRunAppAtEvent(u"\\a.exe", NOTIFICATION_EVENT_TIME_CHANGE));
    addTimed(u"\\\\.\\Notifications\\NamedEvents\\KelvaraNextDay", localTimeIn(86'400));
    const SYSTEMTIME twoDaysOn = localTimeIn(2 * 86'400);
    ASSERT_TRUE(SetLocalTime(&twoDaysOn));
    recorded.waitFor(1);
    EXPECT_EQ(APP_RUN_AFTER_TIME_CHANGE, recordedCommandLine(device, u"\\a.exe"));
    EXPECT_TRUE(isSet(event));
    CloseHandle(event);
}

TEST_F(NotifyFiringTest, EntriesDueAtBootFireOnce)
{
    addTimed(u"\\Windows\\alpha.exe", localTimeIn(3600));
    addTimed(u"\\Windows\\beta.exe", localTimeIn(3 * 3600));
    emulator::shutdownDevice();
    emulator::BootOptions options;
    options.virtualTime = true;
    // Two hours after the default virtual start.
    options.virtualStartTime = 134'117'424'000'000'000ull + 2 * 3600 * 10'000'000ull;
    std::string error;
    ASSERT_TRUE(emulator::bootDevice(device.image(), options, error)) << error;
    // The part's thread fires it after the boot; this returns once that firing is over.
    emulator::fireDueNotifications();
    EXPECT_EQ(std::vector<std::u16string>{u"alpha.exe"}, startedPrograms());
    EXPECT_EQ(1u, notificationHandles().size());
}

}  // namespace
