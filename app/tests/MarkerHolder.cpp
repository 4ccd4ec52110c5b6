// A stand-in for a running Kelvara instance: it makes one top-level window whose class and title
// are its command line and serves it until the window is closed. A leading "+" makes the window
// visible and full-screen (a program the user looks at); otherwise it is a 1x1 hidden marker.
// It counts the instance-marker messages it receives in the event "MarkerHolderAsked".
#include <string>

#include "ceexports.h"
#include "windows.h"

namespace {

HANDLE asked = nullptr;

LRESULT CALLBACK holderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_USER + 200) {
        SetEvent(asked);
        return 0;
    }
    if (message == WM_DESTROY)
        PostQuitMessage(0);
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

extern "C" CEEXPORT int WinMain(HINSTANCE instance, HINSTANCE, LPWSTR commandLine, int)
{
    std::u16string name = commandLine;
    const bool visible = !name.empty() && name.front() == u'+';
    if (visible)
        name.erase(0, 1);
    asked = CreateEventW(nullptr, TRUE, FALSE, u"MarkerHolderAsked");
    WNDCLASSW holder {};
    holder.lpfnWndProc = holderProc;
    holder.hInstance = instance;
    holder.lpszClassName = name.c_str();
    RegisterClassW(&holder);
    HWND window = visible ? CreateWindowExW(0, name.c_str(), name.c_str(), WS_VISIBLE, 0, 26, 240, 268, nullptr,
                                nullptr, instance, nullptr)
                          : CreateWindowExW(0, name.c_str(), name.c_str(), WS_TABSTOP, 800, 0, 1, 1, nullptr, nullptr,
                                instance, nullptr);
    if (visible)
        SetForegroundWindow(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchMessageW(&message);
    CloseHandle(asked);
    return 0;
}
