// The window system's state: classes, windows and the message queue of each thread, all
// guarded by one lock. Window procedures are never called with that lock held.
#pragma once

#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "gdi/objects/Surface.h"
#include "kernel/Waitable.h"
#include "windows.h"

namespace ce::gwes {

// Taken under kernelLock() by queue waits, so it never takes kernelLock() itself.
std::mutex& gwesLock();

struct WindowClass {
    std::u16string name;
    WNDCLASSW data {};
    ATOM atom = 0;
    int windows = 0; // live windows of the class
    // The process that registered it: as on the device, a class is its process's own and other
    // processes may register the same name. 0: the system's, seen by every process.
    DWORD processId = 0;
};

struct Window {
    HWND handle = nullptr;
    std::shared_ptr<WindowClass> windowClass;
    std::u16string text;
    DWORD style = 0;
    DWORD exStyle = 0;
    LONG_PTR id = 0;
    LONG_PTR userData = 0;
    WNDPROC proc = nullptr;
    HWND parent = nullptr;
    HWND owner = nullptr;
    std::vector<HWND> children; // top of the z-order first
    RECT rect {}; // in the parent's client coordinates (the screen's for top-level)
    DWORD threadId = 0;
    DWORD processId = 0;
    std::vector<BYTE> extra; // the class's cbWndExtra bytes
    bool invalid = false; // has an update rectangle
    RECT update {};
    bool erase = false;
    int painting = 0; // BeginPaint calls not yet ended by EndPaint
    bool destroying = false;
    std::shared_ptr<void> control; // a control class's own state (controls/ControlState.h)
    // Top-level windows: the pixels of the window and its children, made at its size when first
    // drawn; the screen is composed from these.
    std::shared_ptr<ce::gdi::Surface> surface;
};

// A message sent to a window of another thread, answered by that thread.
struct SentMessage {
    HWND hwnd = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    LRESULT result = 0;
    bool done = false;
    bool wantsReply = true; // false for SendNotifyMessageW
    DWORD senderThreadId = 0;
};

struct Timer {
    HWND hwnd = nullptr;
    UINT_PTR id = 0;
    UINT elapse = 0;
    ULONGLONG due = 0; // device clock milliseconds since boot
    TIMERPROC proc = nullptr;
};

struct MessageQueue {
    DWORD threadId = 0;
    std::deque<MSG> posted;
    std::deque<std::shared_ptr<SentMessage>> sends;
    std::vector<Timer> timers;
    bool timersChanged = false; // another thread set a timer: a waiting owner looks again
    bool quit = false;
    int quitCode = 0;
    bool waitingForMessages = false; // in GetMessageW or a reply wait: not hung
    ULONGLONG lastLookMs = 0; // when the thread last looked at its queue
};

struct State {
    std::map<HWND, std::shared_ptr<Window>> windows;
    std::vector<HWND> topLevel; // top of the z-order first
    std::vector<std::shared_ptr<WindowClass>> classes;
    std::map<DWORD, std::shared_ptr<MessageQueue>> queues;
    HWND active = nullptr;
    HWND foreground = nullptr;
    HWND focus = nullptr;
    HWND capture = nullptr; // gets the stylus while it is down
    uintptr_t nextHandle = 0x10000;
    ATOM nextAtom = 0xC000;
};

// Guarded by gwesLock().
State& state();
// The live window a handle names, or null. Called with gwesLock() held.
Window* findWindow(HWND hwnd);
// As findWindow, setting ERROR_INVALID_WINDOW_HANDLE when there is none.
Window* windowOrFail(HWND hwnd);
// The queue of a thread, made on first use. Called with gwesLock() held.
MessageQueue& queueOf(DWORD threadId);
// The registered class of a name (any case) or atom, or null. Called with gwesLock() held.
std::shared_ptr<WindowClass> findClass(LPCWSTR nameOrAtom);
// The calling thread's queue; also arranges that its windows go when the thread ends.
MessageQueue& currentQueue();
// The sibling list a window sits in (its parent's children or the top-level list).
std::vector<HWND>& siblingsOf(const Window& window);

// Device clock milliseconds since boot (0 without a device).
ULONGLONG nowMs();
// Wakes the threads waiting for their queues. Call without gwesLock() held.
void wakeQueues();

// Calls a window's procedure for a message on the calling thread (no lock held); 0 for a
// window that is gone.
LRESULT callProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Takes a window out of the tree and the device's slots (active, focus, capture…) and answers
// the sends still waiting for it; the caller erases it from the table. Called with gwesLock()
// held; wake the queues afterwards.
void unlinkWindow(Window& window);

// The brush a window's class erases with: hbrBackground itself, or the system colour's brush
// for a COLOR_* index plus one; null when the class has none.
HBRUSH classBackgroundBrush(const Window& window);

// Adds to a window's update rectangle (null: the whole client area); erase asks for
// WM_ERASEBKGND. Called with gwesLock() held; wake the queues afterwards.
void invalidateArea(Window& window, const RECT* rect, bool erase);

// Frees the windows of a thread that ended without messages, and answers sends to them.
void dropThreadWindows(DWORD threadId);

} // namespace ce::gwes
