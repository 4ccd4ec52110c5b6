// cedevice notify, event and time: the device's notification queue, its system events and its
// clock. Each command boots the image in real time; the device fires what is due as it boots,
// and the programs it starts during the command run to their end before the command ends
// (simulated ones join the running record). Times are the device's local time, written
// YYYY-MM-DD HH:MM:SS.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <iomanip>
#include <set>

#include "CommandSupport.h"
#include "Commands.h"
#include "NumberText.h"
#include "ProcessList.h"
#include "RunningRecord.h"
#include "StartedPrograms.h"
#include "emulator/Notifications.h"
#include "notify.h"

namespace cedevice {
namespace {

// "YYYY-MM-DD HH:MM:SS" exactly, naming a real moment.
SYSTEMTIME parseLocalTime(const std::string& text)
{
    bool shaped = text.size() == 19;
    for (size_t i = 0; shaped && i < text.size(); ++i) {
        const char separator = (i == 4 || i == 7) ? '-' : i == 10 ? ' ' : (i == 13 || i == 16) ? ':' : 0;
        shaped = separator ? text[i] == separator : std::isdigit(static_cast<unsigned char>(text[i])) != 0;
    }
    SYSTEMTIME time{};
    FILETIME ignored;
    if (!shaped ||
        std::sscanf(text.c_str(), "%hu-%hu-%hu %hu:%hu:%hu", &time.wYear, &time.wMonth, &time.wDay, &time.wHour,
                    &time.wMinute, &time.wSecond) != 6 ||
        !SystemTimeToFileTime(&time, &ignored))
        throw CommandError("not a valid local time \"YYYY-MM-DD HH:MM:SS\": " + text);
    return time;
}

std::string timeText(const SYSTEMTIME& time)
{
    char text[48];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u", time.wYear, time.wMonth, time.wDay, time.wHour,
                  time.wMinute, time.wSecond);
    return text;
}

std::string localTimeText()
{
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return timeText(now);
}

DWORD eventCode(const std::string& text)
{
    DWORD code = 0;
    if (!parseNumber32(text, code) || code < NOTIFICATION_EVENT_TIME_CHANGE || code > NOTIFICATION_EVENT_LAST)
        throw CommandError("event code must be 1 to 15: " + text);
    return code;
}

// A device path ("/" taken as "\") when it starts with a separator, else a program name or a
// named event ("\\.\Notifications\NamedEvents\NAME") as given.
std::u16string applicationArgument(const std::string& text)
{
    if (text.empty())
        throw CommandError("the application may not be empty");
    const bool path = (text[0] == '/' || text[0] == '\\') && !text.starts_with("\\\\.\\");
    return path ? devicePath(text) : deviceText(text);
}

// The booted device for one command that may make it start programs.
class FiringSession {
public:
    explicit FiringSession(const std::string& image, bool needsQueue)
        : m_image(image)
        , m_session(image)
    {
        restoreRunningPrograms(image);
        // Program images the boot's firing may have started already are waited for too.
        for (const auto& process : deviceProcessList())
            if (!isProgramImage(process.exePath))
                m_before.insert(process.id);
        if (needsQueue && !emulator::notificationStoreProblem().empty())
            throw CommandError(emulator::notificationStoreProblem());
        emulator::fireDueNotifications();
    }

    // Lets the programs started during the command finish (see StartedPrograms.h).
    void settle() { settleStartedPrograms(m_image, m_before); }

private:
    std::string m_image;
    DeviceSession m_session;
    std::set<DWORD> m_before;
};

const char* typeName(const CE_NOTIFICATION_TRIGGER* trigger)
{
    static constexpr const char* names[] = {"?", "event", "time", "period", "classic"};
    if (!trigger)
        return "alert";
    return trigger->dwType < std::size(names) ? names[trigger->dwType] : "?";
}

// Absent texts show as "-", empty ones as "".
std::string shownText(const WCHAR* text)
{
    if (!text)
        return "-";
    return *text ? hostText(text) : "\"\"";
}

struct ListedNotification {
    DWORD handle;
    std::string type, event, start, application, arguments;
};

ListedNotification listed(HANDLE handle)
{
    DWORD needed = 0;
    CeGetUserNotification(handle, 0, &needed, nullptr);
    std::vector<ULONGLONG> buffer(needed / sizeof(ULONGLONG) + 1);
    if (!CeGetUserNotification(handle, needed, &needed, reinterpret_cast<BYTE*>(buffer.data())))
        failCall("notification " + std::to_string(reinterpret_cast<uintptr_t>(handle)), GetLastError());
    const auto& header = *reinterpret_cast<const CE_NOTIFICATION_INFO_HEADER*>(buffer.data());
    const CE_NOTIFICATION_TRIGGER* trigger = header.pcent;
    const bool timed = trigger && trigger->dwType != CNT_EVENT;
    return {static_cast<DWORD>(reinterpret_cast<uintptr_t>(handle)),
            typeName(trigger),
            trigger ? std::to_string(trigger->dwEvent) : "-",
            timed ? timeText(trigger->stStartTime) : "-",
            trigger ? shownText(trigger->lpszApplication) : "-",
            trigger ? shownText(trigger->lpszArguments) : "-"};
}

HANDLE addNotification(CE_NOTIFICATION_TRIGGER& trigger, const std::vector<std::string>& args, size_t appIndex)
{
    std::u16string application = applicationArgument(args[appIndex]);
    std::u16string arguments = args.size() > appIndex + 1 ? deviceText(args[appIndex + 1]) : u"";
    trigger.lpszApplication = application.data();
    trigger.lpszArguments = args.size() > appIndex + 1 ? arguments.data() : nullptr;
    HANDLE handle = CeSetUserNotificationEx(nullptr, &trigger, nullptr);
    if (!handle)
        failCall("adding the notification", GetLastError());
    return handle;
}

std::vector<HANDLE> queuedHandles()
{
    DWORD needed = 0;
    CeGetUserNotificationHandles(nullptr, 0, &needed);
    std::vector<HANDLE> handles(needed);
    // An unreadable queue lists nothing (the notify commands report it when the device boots).
    if (needed && !CeGetUserNotificationHandles(handles.data(), needed, &needed))
        handles.clear();
    return handles;
}

// How many timed notifications left the queue (fired) since `before`, as a line when any did.
std::string firedLine(const std::vector<HANDLE>& before)
{
    const std::vector<HANDLE> after = queuedHandles();
    const auto fired = std::count_if(before.begin(), before.end(), [&](HANDLE handle) {
        return std::find(after.begin(), after.end(), handle) == after.end();
    });
    return fired ? std::to_string(fired) + " timed notification(s) fired\n" : "";
}

std::string addedLine(HANDLE handle)
{
    return "Added notification " + std::to_string(reinterpret_cast<uintptr_t>(handle)) + "\n";
}

}  // namespace

void runNotifyList(const CommandLine& line, std::ostream& out)
{
    FiringSession session(line.positional[0], true);
    const std::vector<HANDLE> handles = queuedHandles();
    std::vector<ListedNotification> rows;
    size_t width = std::string("APPLICATION").size();
    for (HANDLE handle : handles) {
        rows.push_back(listed(handle));
        width = std::max(width, rows.back().application.size());
    }
    auto row = [&](const std::string& handle, const std::string& type, const std::string& event,
                   const std::string& start, const std::string& application, const std::string& arguments) {
        out << std::right << std::setw(6) << handle << "  " << std::left << std::setw(7) << type << "  "
            << std::right << std::setw(5) << event << "  " << std::left << std::setw(19) << start << "  "
            << std::setw(static_cast<int>(width)) << application << "  " << arguments << '\n';
    };
    row("HANDLE", "TYPE", "EVENT", "START", "APPLICATION", "ARGUMENTS");
    for (const auto& r : rows)
        row(std::to_string(r.handle), r.type, r.event, r.start, r.application, r.arguments);
    session.settle();
}

void runNotifyAddTime(const CommandLine& line, std::ostream& out)
{
    const SYSTEMTIME start = parseLocalTime(line.positional[1]);
    FiringSession session(line.positional[0], true);
    CE_NOTIFICATION_TRIGGER trigger{sizeof trigger, CNT_TIME, NOTIFICATION_EVENT_NONE, nullptr, nullptr, start, {}};
    const HANDLE handle = addNotification(trigger, line.positional, 2);
    // A time already past fires at once, as on the device.
    emulator::fireDueNotifications();
    out << addedLine(handle);
    session.settle();
}

void runNotifyAddEvent(const CommandLine& line, std::ostream& out)
{
    const DWORD code = eventCode(line.positional[1]);
    FiringSession session(line.positional[0], true);
    CE_NOTIFICATION_TRIGGER trigger{sizeof trigger, CNT_EVENT, code, nullptr, nullptr, {}, {}};
    out << addedLine(addNotification(trigger, line.positional, 2));
    session.settle();
}

void runNotifyClear(const CommandLine& line, std::ostream& out)
{
    DWORD number = 0;
    if (!parseNumber32(line.positional[1], number) || number == 0)
        throw CommandError("not a notification handle: " + line.positional[1]);
    FiringSession session(line.positional[0], true);
    if (!CeClearUserNotification(reinterpret_cast<HANDLE>(static_cast<uintptr_t>(number))))
        throw CommandError("no notification " + std::to_string(number));
    out << "Cleared notification " << number << '\n';
    session.settle();
}

void runEvent(const CommandLine& line, std::ostream& out)
{
    const DWORD code = eventCode(line.positional[1]);
    FiringSession session(line.positional[0], true);
    const size_t fired = emulator::raiseNotificationEvent(code);
    out << "Raised event " << code << ": " << fired << " notification(s) fired\n";
    session.settle();
}

void runTimeGet(const CommandLine& line, std::ostream& out)
{
    FiringSession session(line.positional[0], false);
    out << localTimeText() << '\n';
    session.settle();
}

void runTimeSet(const CommandLine& line, std::ostream& out)
{
    const SYSTEMTIME time = parseLocalTime(line.positional[1]);
    FiringSession session(line.positional[0], false);
    const std::vector<HANDLE> before = queuedHandles();
    if (!SetLocalTime(&time))
        failCall("setting the time", GetLastError());
    out << localTimeText() << '\n' << firedLine(before);
    session.settle();
}

void runTimeAdvance(const CommandLine& line, std::ostream& out)
{
    DWORD seconds = 0;
    if (!parseNumber32(line.positional[1], seconds))
        throw CommandError("not a number of seconds: " + line.positional[1]);
    FiringSession session(line.positional[0], false);
    const std::vector<HANDLE> before = queuedHandles();
    emulator::advanceDeviceClock(static_cast<ULONGLONG>(seconds) * 1000);
    out << localTimeText() << '\n' << firedLine(before);
    session.settle();
}

}  // namespace cedevice
