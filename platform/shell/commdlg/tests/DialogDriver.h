// Driving a modal common dialog from a second thread, as a person or the script runner would:
// the test thread runs the dialog while a script finds it, reads and sets its controls through
// window messages, and presses its buttons.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "windows.h"

namespace commdlg_test {

// Runs `script` on a second thread from construction; the destructor waits for it.
class Driver {
public:
    explicit Driver(std::function<void()> script) : m_thread(std::move(script)) {}
    ~Driver() { m_thread.join(); }
    Driver(const Driver&) = delete;
    Driver& operator=(const Driver&) = delete;

private:
    std::thread m_thread;
};

// The shown top-level window of a class and title, waited for by yielding (bounded); null when
// none appears.
HWND waitForWindow(const char16_t* className, const char16_t* title);
// Waits (bounded) until `window` is destroyed; false when it stays.
bool waitUntilGone(HWND window);

// Test texts in ASCII for traces and messages (other characters become '?').
std::string ascii(std::u16string_view text);

std::u16string itemText(HWND dialog, int id);
void setItemText(HWND dialog, int id, const std::u16string& text);
// A press of a button (or the script runner's command): WM_COMMAND posted, BN_CLICKED.
void press(HWND dialog, int id);
// A control's notification as the control sends it, handled before this returns.
void notify(HWND dialog, int id, WORD code);

// The file list's rows; a folder's name ends in '\'.
std::vector<std::u16string> listRows(HWND dialog, int id);
std::vector<std::u16string> comboItems(HWND dialog, int id);
std::u16string comboSelection(HWND dialog, int id);

// Answers the message box over a dialog (captioned like it) with `answer` after reading its
// text; the text is empty when no box appeared.
std::u16string answerMessageBox(const char16_t* caption, int answer);

} // namespace commdlg_test
