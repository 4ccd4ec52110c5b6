// Driving a device program's windows as a person would, from a host thread: taps, keys, menu
// choices, answers to message boxes and file dialogs, and reading what windows show. After
// each action the device runs until the program is idle (its threads wait with empty queues)
// or has ended. Scripts (runScript) are lines of these actions; see the README.
#pragma once

#include <iosfwd>
#include <string>

#include "../ceapi.h"
#include "../windef.h"

namespace emulator {

class CEAPI Automation {
public:
    // Drives the windows of the process `processId` (their foreground window, message boxes and
    // file dialogs anywhere on the device). `waitMs` bounds `waitFor` in device time.
    explicit Automation(DWORD processId, DWORD waitMs = 10000);

    // Each action returns an empty text when it worked, else what went wrong.
    std::string waitFor(const std::u16string& text);
    std::string tap(int id);
    std::string tap(const std::u16string& text);
    std::string menu(const std::u16string& path); // "File/Save As"
    std::string check(int id, bool on);
    std::string check(const std::u16string& text, bool on);
    std::string select(int id, const std::u16string& text);
    std::string type(int id, const std::u16string& text);
    std::string ok();
    std::string answer(const std::u16string& button); // Yes, No, OK, Cancel, Abort, Retry, Ignore
    std::string file(const std::u16string& devicePath);
    std::string expect(const std::u16string& text);
    std::string quit();
    // The foreground window: class, id, text and state of every control, list rows and tree items.
    std::string dump();

    // Lets the device run until the program is idle or has ended.
    void settle();
    bool ended() const;
    DWORD processId() const { return m_processId; }

private:
    DWORD m_processId;
    DWORD m_waitMs;
};

// Runs a script against a running process: 0 when every line worked, else 2 with one line on
// `errors` naming the script line and what was expected. `dump` output goes to `out`.
CEAPI int runScript(std::istream& script, Automation& automation, std::ostream& out, std::ostream& errors);

}  // namespace emulator
