// Test windows that paint their client area in one colour (kept in GWLP_USERDATA), and reading
// the composed screen.
#pragma once

#include <string>

#include "MessageLog.h"
#include "emulator/Screen.h"
#include "windows.h"

namespace display_test {

inline LRESULT paintedProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    gwes_test::MessageLog::instance().add(hwnd, message, wParam);
    if (message != WM_PAINT)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    PAINTSTRUCT paint {};
    HDC dc = BeginPaint(hwnd, &paint);
    HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(GetWindowLongW(hwnd, GWL_USERDATA)));
    RECT client {};
    GetClientRect(hwnd, &client);
    FillRect(dc, &client, brush);
    DeleteObject(brush);
    EndPaint(hwnd, &paint);
    return 0;
}

inline ATOM registerPainted()
{
    WNDCLASSW wc {};
    wc.lpfnWndProc = paintedProc;
    wc.lpszClassName = u"Painted";
    gwes_test::MessageLog::instance().take({});
    return RegisterClassW(&wc);
}

inline HWND makePainted(COLORREF colour, DWORD style, HWND parent, RECT rect)
{
    HWND hwnd = CreateWindowExW(0, u"Painted", u"", style, rect.left, rect.top, rect.right - rect.left,
        rect.bottom - rect.top, parent, nullptr, nullptr, nullptr);
    SetWindowLongW(hwnd, GWL_USERDATA, static_cast<LONG>(colour));
    return hwnd;
}

// Dispatches what the thread's queue holds, WM_PAINT included, until nothing is left.
inline void paintAll()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&msg);
}

// A composed screen pixel as COLORREF.
inline COLORREF screenPixel(const emulator::ScreenImage& screen, int x, int y)
{
    const std::uint32_t rgb = screen.pixels[static_cast<size_t>(y) * static_cast<size_t>(screen.width) + static_cast<size_t>(x)];
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

} // namespace display_test
