// The stylus and the keys as the device's drivers hand them to the window system: the stylus to
// the window under it (the capture's holder while the stylus is down), in that window's client
// coordinates; a tap on the title bar's OK button is the window's IDOK; keys through keybd_event.
#include <string>

#include "emulator/Screen.h"

#include "gwes/Screen.h"
#include "shell/titlebar/TitleBar.h"

namespace emulator {
namespace {

void postStylus(UINT message, WPARAM keys, int x, int y)
{
    HWND target = GetCapture();
    if (!target)
        target = WindowFromPoint({x, y});
    if (!target)
        return;
    POINT at {x, y};
    ScreenToClient(target, &at);
    PostMessageW(target, message, keys, MAKELPARAM(at.x, at.y));
}

} // namespace

void stylusDown(int x, int y)
{
    const RECT ok = ce::shell::titleBarOkButton(ce::gwes::screenSize().cx);
    if (PtInRect(&ok, {x, y})) {
        PostMessageW(GetForegroundWindow(), WM_COMMAND, IDOK, 0);
        return;
    }
    postStylus(WM_LBUTTONDOWN, MK_LBUTTON, x, y);
}

void stylusMove(int x, int y)
{
    postStylus(WM_MOUSEMOVE, MK_LBUTTON, x, y);
}

void stylusUp(int x, int y)
{
    postStylus(WM_LBUTTONUP, 0, x, y);
}

void keyPressed(BYTE virtualKey, bool down)
{
    keybd_event(virtualKey, 0, down ? 0 : KEYEVENTF_KEYUP, 0);
}

} // namespace emulator
