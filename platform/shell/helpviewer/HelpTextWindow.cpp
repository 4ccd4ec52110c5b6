// The help viewer's text child (class "peghelpText"): it holds the section's text as its window
// text and paints it on white in the system font, word-wrapped inside a small margin. Text
// longer than the window is cut at its bottom (the child does not scroll).
#include "HelpViewer.h"

#include "gwes/Screen.h"
#include "gwes/SystemClasses.h"
#include "shell/menubar/ClientPaint.h"

namespace ce::shell {
namespace {

void paintText(HWND hwnd)
{
    const ClientPaint paint(hwnd);
    HDC dc = paint.dc();
    if (!dc)
        return;
    RECT client = paint.client();
    FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
    const int length = GetWindowTextLengthW(hwnd);
    std::u16string text(static_cast<size_t>(length) + 1, u'\0');
    GetWindowTextW(hwnd, text.data(), length + 1);
    text.resize(static_cast<size_t>(length));
    InflateRect(&client, -gwes::scaledForScreen(4), -gwes::scaledForScreen(4));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    DrawTextW(dc, text.c_str(), length, &client, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
}

LRESULT helpTextProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        paintText(hwnd);
        return 0;
    case WM_ERASEBKGND:
        return 1; // WM_PAINT covers the whole child
    case WM_SETTEXT:
        InvalidateRect(hwnd, nullptr, FALSE);
        return DefWindowProcW(hwnd, message, wParam, lParam);
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

const gwes::SystemClassRegistration registration({helpTextClass, helpTextProc, 0, 0});

} // namespace
} // namespace ce::shell
