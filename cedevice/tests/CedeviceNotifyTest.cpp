// cedevice notify, event and time end to end: the queue listed, added to and cleared, events
// and time changes starting what is registered (the echo program reports its command line), and
// the errors of bad dates, handles and event codes.
#include <fstream>

#include "CedeviceTestSupport.h"

namespace {

using namespace cedevice_test;

class NotifyCommandTest : public ImageTest {
protected:
    NotifyCommandTest()
    {
        succeeds({"put", image, ECHO_PROGRAM_IMAGE, "\\echo.exe"});
        succeeds({"time", image, "set", "2030-01-01 08:00:00"});
    }

    // "YYYY-MM-DD HH:MM" of a time command's first line: the seconds tick on in real time.
    static std::string toTheMinute(const std::string& output) { return output.substr(0, 16); }
};

TEST_F(NotifyCommandTest, TimeIsKeptSetAndAdvanced)
{
    EXPECT_EQ("2030-01-01 08:00", toTheMinute(succeeds({"time", image, "get"})));
    EXPECT_EQ("2030-01-01 09:00", toTheMinute(succeeds({"time", image, "advance", "3600"})));
    EXPECT_EQ("2030-01-01 09:00", toTheMinute(succeeds({"time", image, "get"})));
    EXPECT_EQ("2031-07-04 23:59", toTheMinute(succeeds({"time", image, "set", "2031-07-04 23:59:00"})));
}

TEST_F(NotifyCommandTest, NotificationsAreAddedListedAndCleared)
{
    EXPECT_EQ("Added notification 1\n",
              succeeds({"notify", image, "add-time", "2030-01-02 09:30:00", "/echo.exe", "-Q"}));
    EXPECT_EQ("Added notification 2\n", succeeds({"notify", image, "add-event", "9", "repllog.exe"}));
    EXPECT_EQ("Added notification 3\n", succeeds({"notify", image, "add-event", "0x2", "\\echo.exe", ""}));
    EXPECT_EQ("HANDLE  TYPE     EVENT  START                APPLICATION  ARGUMENTS\n"
              "     1  time         0  2030-01-02 09:30:00  \\echo.exe    -Q\n"
              "     2  event        9  -                    repllog.exe  -\n"
              "     3  event        2  -                    \\echo.exe    \"\"\n",
              succeeds({"notify", image, "list"}));
    EXPECT_EQ("Cleared notification 1\n", succeeds({"notify", image, "clear", "1"}));
    EXPECT_EQ("cedevice: no notification 1\n", fails({"notify", image, "clear", "1"}));
    EXPECT_EQ("HANDLE  TYPE     EVENT  START                APPLICATION  ARGUMENTS\n"
              "     2  event        9  -                    repllog.exe  -\n"
              "     3  event        2  -                    \\echo.exe    \"\"\n",
              succeeds({"notify", image, "list"}));
}

TEST_F(NotifyCommandTest, AdvancingFiresWhatFallsDueAndKeepsTheRest)
{
    succeeds({"notify", image, "add-time", "2030-01-01 08:10:00", "\\echo.exe", "first"});
    succeeds({"notify", image, "add-time", "2030-01-01 09:00:00", "\\echo.exe", "second"});
    const std::string first = succeeds({"time", image, "advance", "1200"});
    EXPECT_EQ("2030-01-01 08:20", toTheMinute(first));
    EXPECT_EQ("\n1 timed notification(s) fired\n", first.substr(19)) << first;
    EXPECT_EQ("first", echoedCommandLine());
    const std::string list = succeeds({"notify", image, "list"});
    EXPECT_EQ(std::string::npos, list.find("first"));
    EXPECT_NE(std::string::npos, list.find("second"));

    const std::string second = succeeds({"time", image, "advance", "3600"});
    EXPECT_EQ("\n1 timed notification(s) fired\n", second.substr(19)) << second;
    EXPECT_EQ("second", echoedCommandLine());
}

TEST_F(NotifyCommandTest, EventsAndTimeChangesStartTheirRegistrations)
{
    succeeds({"notify", image, "add-event", "3", "\\echo.exe"});
    EXPECT_EQ("Raised event 3: 1 notification(s) fired\n", succeeds({"event", image, "3"}));
    EXPECT_EQ("AppRunAtAcPowerOn", echoedCommandLine());
    EXPECT_EQ("Raised event 4: 0 notification(s) fired\n", succeeds({"event", image, "4"}));

    succeeds({"notify", image, "add-event", "1", "\\echo.exe"});
    EXPECT_EQ("2030-06-01 12:00", toTheMinute(succeeds({"time", image, "set", "2030-06-01 12:00:00"})));
    EXPECT_EQ("AppRunAfterTimeChange", echoedCommandLine());
    // Event registrations stay.
    EXPECT_NE(std::string::npos, succeeds({"notify", image, "list"}).find("     2  event        1"));
}

TEST_F(NotifyCommandTest, NamedEventsAndProgramNamesAreKeptAsWritten)
{
    succeeds({"notify", image, "add-event", "5", "\\\\.\\Notifications\\NamedEvents\\NetUp"});
    succeeds({"notify", image, "add-event", "5", "repllog.exe"});
    succeeds({"notify", image, "add-event", "5", "Windows/x.exe"});
    succeeds({"notify", image, "add-event", "5", "/Windows/x.exe"});
    const std::string list = succeeds({"notify", image, "list"});
    for (const char* application :
         {"  \\\\.\\Notifications\\NamedEvents\\NetUp ", "  repllog.exe ", "  Windows/x.exe ", "  \\Windows\\x.exe "})
        EXPECT_NE(std::string::npos, list.find(application)) << application << "\n" << list;
}

TEST_F(NotifyCommandTest, BadArgumentsAreOneLineErrors)
{
    const std::vector<std::vector<std::string>> cases = {
        {"notify", image, "add-time", "2030-02-30 08:00:00", "\\echo.exe"},
        {"notify", image, "add-time", "2030-1-1 8:00:00", "\\echo.exe"},
        {"notify", image, "add-time", "tomorrow", "\\echo.exe"},
        {"notify", image, "add-time", "2030-01-01 24:00:00", "\\echo.exe"},
        {"notify", image, "add-event", "0", "\\echo.exe"},
        {"notify", image, "add-event", "16", "\\echo.exe"},
        {"notify", image, "add-event", "x", "\\echo.exe"},
        {"notify", image, "add-event", "5", ""},
        {"notify", image, "clear", "abc"},
        {"notify", image, "clear", "0"},
        {"event", image, "0"},
        {"event", image, "99"},
        {"time", image, "set", "2030-13-01 00:00:00"},
        {"time", image, "advance", "-5"},
    };
    for (const auto& args : cases) {
        SCOPED_TRACE(::testing::PrintToString(args));
        EXPECT_EQ(0u, fails(args).find("cedevice: "));
    }
    EXPECT_EQ("HANDLE  TYPE     EVENT  START                APPLICATION  ARGUMENTS\n",
              succeeds({"notify", image, "list"}));
}

TEST_F(NotifyCommandTest, AnUnreadableQueueIsReportedAndLeftAlone)
{
    const auto file = std::filesystem::path(image) / "notify.db";
    std::ofstream(file, std::ios::binary | std::ios::trunc) << "not a database at all, just some text to read.";
    const std::string error = fails({"notify", image, "list"});
    EXPECT_NE(std::string::npos, error.find("notify.db")) << error;
    EXPECT_EQ("2030-01-01", succeeds({"time", image, "get"}).substr(0, 10));
    std::ifstream in(file, std::ios::binary);
    EXPECT_EQ("not a database at all, just some text to read.",
              std::string(std::istreambuf_iterator<char>(in), {}));
}

}  // namespace
