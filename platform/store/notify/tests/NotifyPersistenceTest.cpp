// What outlives the device: notifications across reboots and across a killed host process,
// notify.db files that are not ours (left untouched, the device still boots), and the
// real-time clock's offset kept in the image.
#include <signal.h>
#include <spawn.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>

#include "NotifyTestSupport.h"
#include "emulator/Notifications.h"
#include "emulator/Text.h"

extern char** environ;

namespace {

using namespace notify_test;

const SYSTEMTIME someDay{2027, 6, 0, 1, 8, 30, 0, 0};

class NotifyPersistenceTest : public ::testing::Test {
protected:
    std::filesystem::path notifyFile() const { return device.image() / "notify.db"; }

    testing_support::TestDevice device;
};

// Every readable part of a notification, for comparing before and after.
std::string describe(HANDLE handle)
{
    ReadNotification read(handle);
    std::string text = std::to_string(reinterpret_cast<uintptr_t>(handle));
    auto add = [&](const WCHAR* part) { text += part ? "|" + emulator::toUtf8(part) : "|<absent>"; };
    if (const CE_NOTIFICATION_TRIGGER* t = read.trigger()) {
        text += " trigger " + std::to_string(t->dwType) + "/" + std::to_string(t->dwEvent) + " at " +
                std::to_string(t->stStartTime.wYear) + "-" + std::to_string(t->stStartTime.wHour);
        add(t->lpszApplication);
        add(t->lpszArguments);
    }
    if (const CE_USER_NOTIFICATION* u = read.user()) {
        text += " user " + std::to_string(u->ActionFlags) + "/" + std::to_string(u->nMaxSound);
        add(u->pwszDialogTitle);
        add(u->pwszDialogText);
        add(u->pwszSound);
    }
    return text;
}

std::vector<std::string> describeAll()
{
    std::vector<std::string> all;
    for (HANDLE handle : notificationHandles())
        all.push_back(describe(handle));
    return all;
}

TEST_F(NotifyPersistenceTest, NotificationsSurviveRebootWithHandlesAndAbsentTexts)
{
    addTimed(u"\\a.exe", someDay, u"");
    CE_USER_NOTIFICATION user{PUN_DIALOG, const_cast<WCHAR*>(u""), nullptr, const_cast<WCHAR*>(u"\\x.wav"), 64, 0};
    CE_NOTIFICATION_TRIGGER period = makeTrigger(CNT_PERIOD, 0, nullptr, u"a b", someDay, someDay);
    CeSetUserNotificationEx(nullptr, &period, &user);
    CeSetUserNotificationEx(nullptr, nullptr, &user);
    CeRunAppAtEvent(u"repllog.exe", NOTIFICATION_EVENT_RS232_DETECTED);
    const HANDLE last = addTimed(u"\\z.exe", someDay);
    ASSERT_TRUE(CeClearUserNotification(last));
    const std::vector<std::string> before = describeAll();
    ASSERT_EQ(4u, before.size());

    device.reboot();
    EXPECT_EQ(before, describeAll());
    // The cleared last handle is not given again.
    EXPECT_GT(reinterpret_cast<uintptr_t>(addTimed(u"\\y.exe", someDay)), reinterpret_cast<uintptr_t>(last));
}

TEST_F(NotifyPersistenceTest, NotificationsSurviveAKilledHostProcess)
{
    emulator::shutdownDevice();
    int output[2];
    ASSERT_EQ(0, pipe(output));
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    std::string image = device.image().string();
    char a[] = "\\a.exe", b[] = "\\b.exe";
    char* argv[] = {const_cast<char*>(NOTIFY_KILL_WRITER), image.data(), a, b, nullptr};
    pid_t pid = 0;
    ASSERT_EQ(0, posix_spawn(&pid, NOTIFY_KILL_WRITER, &actions, nullptr, argv, environ));
    posix_spawn_file_actions_destroy(&actions);
    close(output[1]);
    std::string printed;
    char buffer[256];
    for (ssize_t got; (got = read(output[0], buffer, sizeof buffer)) > 0;)
        printed.append(buffer, static_cast<size_t>(got));
    close(output[0]);
    int status = 0;
    ASSERT_EQ(pid, waitpid(pid, &status, 0));
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << printed;

    device.reboot();
    std::string listed;
    for (HANDLE handle : notificationHandles()) {
        ReadNotification read(handle);
        listed += std::to_string(reinterpret_cast<uintptr_t>(handle)) + " " +
                  emulator::toUtf8(read.trigger()->lpszApplication) + "\n";
    }
    // The writer printed one handle a line; they come back with their applications.
    std::string expected;
    size_t start = 0;
    for (const char* application : {a, b}) {
        const size_t end = printed.find('\n', start);
        ASSERT_NE(std::string::npos, end) << printed;
        expected += printed.substr(start, end - start) + " " + application + "\n";
        start = end + 1;
    }
    EXPECT_EQ(expected, listed);
}

void writeGarbage(const std::filesystem::path& file)
{
    std::ofstream(file, std::ios::binary) << "these bytes are not an SQLite database, though long enough to look at.";
}

void writeForeignDatabase(const std::filesystem::path& file)
{
    sqlite3* db = nullptr;
    sqlite3_open(file.c_str(), &db);
    sqlite3_exec(db, "CREATE TABLE contacts(name TEXT); INSERT INTO contacts VALUES('Ann');", nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

std::string fileBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST_F(NotifyPersistenceTest, FilesThatAreNotOursAreLeftAloneAndTheDeviceStillBoots)
{
    for (auto make : {writeGarbage, writeForeignDatabase}) {
        emulator::shutdownDevice();
        std::filesystem::remove(notifyFile());
        make(notifyFile());
        const std::string before = fileBytes(notifyFile());

        device.reboot();
        EXPECT_NE(std::string::npos, emulator::notificationStoreProblem().find("notify.db"));
        DWORD needed = 0;
        SetLastError(0);
        EXPECT_FALSE(CeGetUserNotificationHandles(nullptr, 0, &needed));
        EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_DATA), GetLastError());
        SetLastError(0);
        EXPECT_EQ(nullptr, addTimed(u"\\a.exe", someDay));
        EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_DATA), GetLastError());
        emulator::shutdownDevice();
        EXPECT_EQ(before, fileBytes(notifyFile()));
    }
    std::filesystem::remove(notifyFile());
    device.reboot();
    EXPECT_EQ("", emulator::notificationStoreProblem());
    EXPECT_NE(nullptr, addTimed(u"\\a.exe", someDay));
}

void bootRealTime(const std::filesystem::path& image)
{
    emulator::shutdownDevice();
    std::string error;
    ASSERT_TRUE(emulator::bootDevice(image, {}, error)) << error;
}

SYSTEMTIME localNow()
{
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return now;
}

TEST_F(NotifyPersistenceTest, RealTimeClockKeepsItsTimeInTheImage)
{
    bootRealTime(device.image());
    const SYSTEMTIME set{2031, 3, 0, 4, 5, 6, 7, 0};
    ASSERT_TRUE(SetLocalTime(&set));
    bootRealTime(device.image());
    EXPECT_EQ((std::vector<WORD>{2031, 3, 4, 5}), (std::vector<WORD>{localNow().wYear, localNow().wMonth,
                                                                     localNow().wDay, localNow().wHour}));
    emulator::advanceDeviceClock(86'400'000);
    EXPECT_EQ(5, localNow().wDay);
    bootRealTime(device.image());
    EXPECT_EQ(5, localNow().wDay);

    // A virtual-time boot starts from its own moment and leaves the kept offset alone.
    device.reboot();
    EXPECT_EQ(2026, localNow().wYear);
    emulator::advanceDeviceClock(86'400'000);
    bootRealTime(device.image());
    EXPECT_EQ((std::vector<WORD>{2031, 3, 5}), (std::vector<WORD>{localNow().wYear, localNow().wMonth, localNow().wDay}));
}

TEST_F(NotifyPersistenceTest, UnusableKeptOffsetsFallBackToTheHostTime)
{
    const time_t host = time(nullptr);
    struct tm utc{};
    gmtime_r(&host, &utc);
    for (const char* kept : {"not a number", "9223372036854775807", "-9223372036854775807", ""}) {
        SCOPED_TRACE(kept);
        emulator::shutdownDevice();
        std::ofstream(device.image() / "clock.txt", std::ios::trunc) << kept;
        bootRealTime(device.image());
        SYSTEMTIME now{};
        GetSystemTime(&now);
        EXPECT_EQ(utc.tm_year + 1900, now.wYear);
    }
}

}  // namespace
