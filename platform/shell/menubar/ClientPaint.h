// WM_PAINT's frame for the shell's windows that paint their whole client area: BeginPaint for
// the object's life, the client rectangle, and EndPaint when it goes.
#pragma once

#include "windows.h"

namespace ce::shell {

class ClientPaint {
public:
    explicit ClientPaint(HWND hwnd)
        : hwnd_(hwnd)
        , dc_(BeginPaint(hwnd, &paint_))
    {
        GetClientRect(hwnd, &client_);
    }
    ~ClientPaint()
    {
        if (dc_)
            EndPaint(hwnd_, &paint_);
    }
    ClientPaint(const ClientPaint&) = delete;
    ClientPaint& operator=(const ClientPaint&) = delete;

    // Null when the window cannot be painted.
    HDC dc() const { return dc_; }
    const RECT& client() const { return client_; }

private:
    HWND hwnd_;
    PAINTSTRUCT paint_ {};
    HDC dc_;
    RECT client_ {};
};

} // namespace ce::shell
