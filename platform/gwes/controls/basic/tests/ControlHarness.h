// What the basic control tests share: a parent window that records what its controls tell it
// (WM_COMMAND notifications, colour requests, owner-draw requests), and input as a user gives it.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestDevice.h"
#include "windows.h"

namespace basic_test {

struct Notification {
    int id;
    WORD code;
    bool operator==(const Notification&) const = default;
};

struct ParentLog {
    std::vector<Notification> commands;
    std::vector<UINT> colourRequests; // WM_CTLCOLOR* in order
    std::vector<DRAWITEMSTRUCT> drawRequests;
    std::vector<MEASUREITEMSTRUCT> measureRequests;
    UINT itemHeightToGive = 0; // what the parent answers WM_MEASUREITEM with (0: leaves it)
    UINT colourRequestToAnswer = 0; // the WM_CTLCOLOR* the parent answers with the two below
    HBRUSH brushToGive = nullptr;
    COLORREF textColourToGive = 0;
};

inline ParentLog& parentLog()
{
    static ParentLog log;
    return log;
}

inline LRESULT parentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    ParentLog& log = parentLog();
    switch (message) {
    case WM_COMMAND:
        log.commands.push_back({LOWORD(wParam), HIWORD(wParam)});
        return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
        log.colourRequests.push_back(message);
        if (message != log.colourRequestToAnswer)
            return 0;
        SetTextColor(reinterpret_cast<HDC>(wParam), log.textColourToGive);
        return reinterpret_cast<LRESULT>(log.brushToGive);
    case WM_DRAWITEM:
        log.drawRequests.push_back(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_MEASUREITEM: {
        auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        log.measureRequests.push_back(*measure);
        if (log.itemHeightToGive)
            measure->itemHeight = log.itemHeightToGive;
        return TRUE;
    }
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

inline LRESULT send(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return SendMessageW(hwnd, message, wParam, lParam);
}

// A white top-level window of the screen's size that logs what its controls tell it, with a
// fresh log.
inline HWND makeParent()
{
    WNDCLASSW wc {};
    wc.lpfnWndProc = parentProc;
    wc.lpszClassName = u"BasicControlParent";
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    RegisterClassW(&wc); // may be left from an earlier test's device
    HWND parent = CreateWindowExW(0, wc.lpszClassName, u"", WS_VISIBLE, 0, 0, GetSystemMetrics(SM_CXSCREEN),
        GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr, nullptr, nullptr);
    parentLog() = {};
    return parent;
}

// A booted device with a parent window for the controls under test.
class ControlTest : public ::testing::Test {
protected:
    testing_support::TestDevice dev;
    HWND parent = nullptr;

    void SetUp() override
    {
        parent = makeParent();
        ASSERT_NE(parent, nullptr);
    }

    void TearDown() override { DestroyWindow(parent); }

    // A child control; it goes last in the dialog (z-) order, as a dialog's controls do.
    HWND make(const WCHAR* className, DWORD style, const WCHAR* text = u"", int id = 100, int width = 100,
        int height = 20, int x = 0, int y = 0)
    {
        HWND control = CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent,
            reinterpret_cast<HMENU>(static_cast<intptr_t>(id)), nullptr, nullptr);
        EXPECT_NE(control, nullptr);
        SetWindowPos(control, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        return control;
    }

    // A list box or combo box (as `addMessage` says) holding `items`, with a fresh log.
    HWND makeFilled(const WCHAR* className, UINT addMessage, DWORD style, std::initializer_list<const WCHAR*> items,
        int id, int width, int height)
    {
        HWND control = make(className, style, u"", id, width, height);
        for (const WCHAR* item : items)
            send(control, addMessage, 0, reinterpret_cast<LPARAM>(item));
        parentLog().commands.clear();
        return control;
    }

    // The notification codes the parent got since the last call, and a fresh log.
    std::vector<WORD> takeCodes()
    {
        std::vector<WORD> codes;
        for (const Notification& n : parentLog().commands)
            codes.push_back(n.code);
        parentLog().commands.clear();
        return codes;
    }
};

inline void tap(HWND hwnd, int x, int y)
{
    send(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    send(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

inline void press(HWND hwnd, WPARAM key)
{
    send(hwnd, WM_KEYDOWN, key, 0);
    send(hwnd, WM_KEYUP, key, 0);
}

inline void type(HWND hwnd, const std::u16string& keys)
{
    for (char16_t c : keys)
        send(hwnd, WM_CHAR, c, 0);
}

inline std::u16string textOf(HWND hwnd)
{
    WCHAR buffer[512] {};
    GetWindowTextW(hwnd, buffer, 512);
    return buffer;
}

// The width of text in the window's device context (the system font, as an edit measures).
inline int textExtent(HWND hwnd, const std::u16string& text)
{
    HDC dc = GetDC(hwnd);
    SIZE size {};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    ReleaseDC(hwnd, dc);
    return size.cx;
}

// Paints a control now, as the window system would with the parent's help.
inline void paintNow(HWND hwnd)
{
    InvalidateRect(hwnd, nullptr, TRUE);
    UpdateWindow(hwnd);
}

} // namespace basic_test
