// The window threads of simulated programs. Each registers the described classes (when no one
// has), makes the described top-level windows at the screen's size and pumps its queue. Its
// window procedure answers WM_CLOSE as the description says (close, close after a delay on the
// device clock, show an OK dialog, ignore), WM_HIBERNATE by giving back heap memory, and
// WM_GETICON with the program's icon; the rest goes to DefWindowProcW. A hung program makes its
// windows, then waits for nothing, so sends to it time out and it counts as hung.
#include "SimulatedWindows.h"

#include <algorithm>

#include "SimulatedDescription.h"
#include "SimulatedPrograms.h"
#include "emulator/Text.h"
#include "kernel/DeviceParts.h"
#include "kernel/Handles.h"
#include "kernel/Waitable.h"
#include "text/CaseTable.h"
#include "windows.h"
#include "winuserctl.h"

namespace ce {
namespace {

constexpr UINT_PTR closeTimerId = 1;
constexpr char16_t closeDialogClass[] = u"CloseDialog";
// The OK dialog: the screen's width, a third of its height, in the middle.
constexpr int okButtonWidth = 60;
constexpr int okButtonHeight = 24;
// Icons are placeholder handles until the window system draws them: one per program image,
// stable for the life of the process.
constexpr ULONG_PTR iconOffset = 0x10;

// What the window thread knows while it runs. Its window procedures reach it through
// `running`: they are only ever called on that thread.
struct ProgramWindows {
    Process& process;
    const SimulatedDescription& program;
    HINSTANCE instance;
    HICON icon;
    std::vector<HWND> windows;  // the description's windows, in its order (null when one failed)
    HWND dialog;                // the OK dialog WM_CLOSE showed
    bool closeTimerSet;
};

thread_local ProgramWindows* running = nullptr;

struct RunningWindows {
    explicit RunningWindows(ProgramWindows& windows) { running = &windows; }
    ~RunningWindows() { running = nullptr; }
};

// Signaled once the window thread has made its windows, or ended without them.
struct WindowsMade : Waitable {
    // Guarded by kernelLock():
    bool made = false;
    std::shared_ptr<DeviceThread> thread;

    bool isSignaled() const override { return made || (thread && thread->ended); }
};

// What a hung program waits for.
struct Nothing : Waitable {
    bool isSignaled() const override { return false; }
};

void registerClass(const char16_t* name, WNDPROC proc, HINSTANCE instance)
{
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = proc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = name;
    // The programs draw nothing of their own: their windows show the window colour.
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    // A class someone registered already (another instance, a system class) is used as it is.
    RegisterClassW(&windowClass);
}

// Destroys the program's windows (the dialog goes with its owner) and ends the message loop;
// the thread then ends the process with exit code 0.
void closeProgram(ProgramWindows& windows)
{
    for (auto hwnd = windows.windows.rbegin(); hwnd != windows.windows.rend(); ++hwnd)
        if (IsWindow(*hwnd))
            DestroyWindow(*hwnd);
    if (windows.dialog && IsWindow(windows.dialog))
        DestroyWindow(windows.dialog);
    PostQuitMessage(0);
}

std::u16string dialogTitle(const ProgramWindows& windows)
{
    for (const SimulatedWindow& window : windows.program.windows)
        if (!window.title.empty())
            return window.title;
    return emulator::fromUtf8(windows.program.name);
}

// A modal dialog owned by `owner` with an OK button; the program closes on its IDOK.
void showCloseDialog(ProgramWindows& windows, HWND owner)
{
    if (windows.dialog && IsWindow(windows.dialog))
        return;
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN) / 3;
    const std::u16string title = dialogTitle(windows);
    windows.dialog = CreateWindowExW(WS_EX_DLGMODALFRAME, closeDialogClass, title.c_str(),
                                     WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, height, width, height, owner, nullptr,
                                     windows.instance, nullptr);
    if (!windows.dialog)
        return;
    CreateWindowExW(0, u"BUTTON", u"OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
                    (width - okButtonWidth) / 2, height - 2 * okButtonHeight, okButtonWidth, okButtonHeight,
                    windows.dialog, reinterpret_cast<HMENU>(IDOK), windows.instance, nullptr);
    EnableWindow(owner, FALSE);
}

void answerClose(ProgramWindows& windows, HWND hwnd)
{
    switch (windows.program.onClose) {
    case CloseBehaviour::Close:
        closeProgram(windows);
        break;
    case CloseBehaviour::CloseAfter:
        // A second WM_CLOSE does not put the end off.
        if (!windows.closeTimerSet)
            windows.closeTimerSet = SetTimer(hwnd, closeTimerId, windows.program.closeDelayMs, nullptr) != 0;
        break;
    case CloseBehaviour::Dialog:
        showCloseDialog(windows, hwnd);
        break;
    case CloseBehaviour::Ignore:
        break;
    }
}

LRESULT CALLBACK programWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    ProgramWindows* windows = running;
    if (windows) {
        switch (message) {
        case WM_CLOSE:
            answerClose(*windows, hwnd);
            return 0;
        case WM_TIMER:
            if (wParam != closeTimerId)
                break;
            KillTimer(hwnd, closeTimerId);
            closeProgram(*windows);
            return 0;
        case WM_HIBERNATE:
            hibernateProcess(windows->process);
            return 0;
        case WM_GETICON:
            return reinterpret_cast<LRESULT>(windows->icon);
        }
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK closeDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    ProgramWindows* windows = running;
    if (windows && message == WM_COMMAND && LOWORD(wParam) == IDOK) {
        closeProgram(*windows);
        return 0;
    }
    // Only OK answers the dialog.
    if (windows && message == WM_CLOSE)
        return 0;
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

HWND windowOfClass(const ProgramWindows& windows, const std::u16string& className)
{
    const auto& described = windows.program.windows;
    for (size_t i = 0; i < windows.windows.size(); ++i)
        if (sameNameDevice(described[i].className, className))
            return windows.windows[i];
    return nullptr;
}

// Every described window, top-level at the screen's size; an owner must be described before
// the windows it owns.
void makeWindows(ProgramWindows& windows)
{
    for (const SimulatedWindow& window : windows.program.windows) {
        registerClass(window.className.c_str(), programWindowProc, windows.instance);
        HWND owner = window.ownerClass.empty() ? nullptr : windowOfClass(windows, window.ownerClass);
        HWND hwnd = CreateWindowExW(window.exStyle, window.className.c_str(), window.title.c_str(),
                                    window.style & ~WS_CHILD, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                    CW_USEDEFAULT, owner, nullptr, windows.instance, nullptr);
        // A class of someone else's still answers as the program does.
        if (hwnd)
            SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(programWindowProc));
        windows.windows.push_back(hwnd);
    }
    registerClass(closeDialogClass, closeDialogProc, windows.instance);
}

void signalMade(WindowsMade& made)
{
    {
        std::lock_guard guard(kernelLock());
        made.made = true;
    }
    wakeWaiters();
}

DWORD runWindowThread(Process& process, WindowsMade& made)
{
    std::shared_ptr<Module> image;
    {
        std::lock_guard guard(kernelLock());
        image = process.modules.front();
    }
    ProgramWindows windows{process, *process.simulation, image->handle,
                           reinterpret_cast<HICON>(image->base + iconOffset), {}, nullptr, false};
    RunningWindows current(windows);
    HWND active = GetActiveWindow();
    makeWindows(windows);
    if (windows.program.hung) {
        // It never looks at its queue again: it gives the activation back, so that making or
        // activating another window does not wait for it.
        SetActiveWindow(IsWindow(active) ? active : nullptr);
        signalMade(made);
        Nothing nothing;
        waitFor(nothing, INFINITE);  // ends with ThreadTermination when the process ends
        return 0;
    }
    signalMade(made);
    MSG msg{};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    endProcess(process, 0);
    return 0;
}

bool needsWindowThread(const Process& process)
{
    return process.simulation && !process.simulation->windows.empty() && !process.ending
        && std::all_of(process.threads.begin(), process.threads.end(), [](const auto& t) { return t->simulated; });
}

// Removes a handle of the calling thread's however its wait ends.
struct HeldHandle {
    HANDLE handle;
    ~HeldHandle() { removeHandle(handle); }
};

// The boot programs' window threads, once the device answers calls.
bool startBootWindows(Device&, std::string&)
{
    std::vector<std::shared_ptr<Process>> programs;
    {
        std::lock_guard guard(kernelLock());
        for (const auto& process : deviceProcesses())
            if (needsWindowThread(*process))
                programs.push_back(process);
    }
    for (const auto& process : programs)
        startWindowThread(process);
    return true;
}

// The window threads end with their processes.
void stopBootWindows() {}

// First after the boot programs, before anything that starts further programs.
const DevicePartRegistration registration{{"simulated windows", programsOrder, startBootWindows, stopBootWindows}};

}  // namespace

void startWindowThread(const std::shared_ptr<Process>& process)
{
    {
        std::lock_guard guard(kernelLock());
        if (!needsWindowThread(*process))
            return;
    }
    auto made = std::make_shared<WindowsMade>();
    // The thread holds its process, which may end before the thread first runs.
    auto thread = launchDeviceThread(
        process.get(), [process, made]() { return runWindowThread(*process, *made); }, false);
    {
        std::lock_guard guard(kernelLock());
        thread->loadPercent = process->simulation->threadLoads.front();
        thread->describedLoad = true;
        made->thread = thread;
        // It stands for the description's first thread.
        auto& threads = process->threads;
        auto placed = std::find(threads.begin(), threads.end(), thread);
        if (placed != threads.end())
            std::rotate(threads.begin(), placed, std::next(placed));
    }
    wakeWaiters();
    HeldHandle held{insertHandle(made)};
    while (MsgWaitForMultipleObjects(1, &held.handle, FALSE, INFINITE, QS_SENDMESSAGE) == WAIT_OBJECT_0 + 1) {
    }
}

}  // namespace ce
