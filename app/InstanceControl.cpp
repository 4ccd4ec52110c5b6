// Instance control by marker windows: invisible 1x1 top-level windows whose class and title
// name the run mode. The interactive marker also brings the main window forward on request.
#include "InstanceControl.h"

#include "AppState.h"

namespace {

const char16_t* const markerClasses[] = {u"KelvaraWnd", u"KelvaraWndQuick", u"KelvaraWndReclaim"};

LRESULT CALLBACK markerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == bringToFrontMessage) {
        // The low bit asks for the main window's owned windows (its dialogs) to come along.
        if (HWND main = appState().mainWindow)
            SetForegroundWindow(reinterpret_cast<HWND>(reinterpret_cast<UINT_PTR>(main) | 1));
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// Ends the process that owns `window`: a newer start of the same kind replaces it.
void endOwnerOf(HWND window)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (HANDLE process = OpenProcess(0, FALSE, processId)) {
        TerminateProcess(process, 0);
        CloseHandle(process);
    }
}

} // namespace

const char16_t* markerClassName(int runMode)
{
    return markerClasses[runMode >= 0 && runMode <= reclaimRun ? runMode : interactiveRun];
}

bool takeInstance(int runMode)
{
    const char16_t* name = markerClassName(runMode);
    if (HWND existing = FindWindowW(name, name)) {
        if (runMode == interactiveRun) {
            PostMessageW(existing, bringToFrontMessage, 0, 0);
            return false;
        }
        endOwnerOf(existing);
    }
    AppState& state = appState();
    WNDCLASSW marker {};
    marker.style = CS_HREDRAW | CS_VREDRAW;
    marker.lpfnWndProc = markerProc;
    marker.hInstance = state.instance;
    marker.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    marker.lpszClassName = name;
    if (!RegisterClassW(&marker))
        return false;
    state.markerWindow = CreateWindowExW(0, name, name, WS_TABSTOP, 800, 0, 1, 1, nullptr, nullptr, state.instance, nullptr);
    return state.markerWindow != nullptr;
}
