// A parent window for date and time picker tests that records the notifications it gets, and
// helpers to set and read a picker's value and text.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "TestDevice.h"
#include "commctrl.h"

namespace datetime_test {

// One notification: its code and, for DTN_DATETIMECHANGE, the flags and value it carried.
struct Notice {
    UINT code = 0;
    DWORD flags = 0;
    SYSTEMTIME st {};
    bool operator==(const Notice& other) const
    {
        return code == other.code && flags == other.flags && std::memcmp(&st, &other.st, sizeof st) == 0;
    }
};

inline void PrintTo(const Notice& n, std::ostream* os)
{
    *os << "{code " << static_cast<int>(n.code) << ", flags " << n.flags << ", " << n.st.wYear << "-" << n.st.wMonth
        << "-" << n.st.wDay << " " << n.st.wHour << ":" << n.st.wMinute << ":" << n.st.wSecond << " dow "
        << n.st.wDayOfWeek << "}";
}

inline std::vector<Notice>& notices()
{
    static std::vector<Notice> log;
    return log;
}

inline LRESULT parentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_NOTIFY)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
    Notice notice {header.code, 0, {}};
    if (header.code == DTN_DATETIMECHANGE) {
        const auto& change = reinterpret_cast<const NMDATETIMECHANGE&>(header);
        notice.flags = change.dwFlags;
        notice.st = change.st;
    }
    notices().push_back(notice);
    return 0;
}

inline SYSTEMTIME timeOf(int year, int month, int day, int hour = 0, int minute = 0, int second = 0, int dayOfWeek = 0)
{
    SYSTEMTIME st {};
    st.wYear = static_cast<WORD>(year);
    st.wMonth = static_cast<WORD>(month);
    st.wDay = static_cast<WORD>(day);
    st.wHour = static_cast<WORD>(hour);
    st.wMinute = static_cast<WORD>(minute);
    st.wSecond = static_cast<WORD>(second);
    st.wDayOfWeek = static_cast<WORD>(dayOfWeek);
    return st;
}

inline std::string describe(const std::u16string& text)
{
    return std::string(text.begin(), text.end());
}

inline LRESULT send(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return SendMessageW(hwnd, message, wParam, lParam);
}

class DateTimeTest : public ::testing::Test {
protected:
    testing_support::TestDevice dev;
    HWND parent = nullptr;

    void SetUp() override
    {
        notices().clear();
        WNDCLASSW wc {};
        wc.lpfnWndProc = parentProc;
        wc.lpszClassName = u"PickerParent";
        ASSERT_NE(RegisterClassW(&wc), 0);
        parent
            = CreateWindowExW(0, u"PickerParent", u"", WS_VISIBLE, 0, 0, 240, 320, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(parent, nullptr);
    }

    HWND makePicker(DWORD style = 0, LPCWSTR format = nullptr)
    {
        HWND picker = CreateWindowExW(0, DATETIMEPICK_CLASSW, u"", WS_CHILD | WS_VISIBLE | style, 10, 10, 200, 20,
            parent, reinterpret_cast<HMENU>(300), nullptr, nullptr);
        EXPECT_NE(picker, nullptr);
        if (format)
            DateTime_SetFormat(picker, format);
        notices().clear();
        return picker;
    }

    static bool setTime(HWND picker, const SYSTEMTIME& st)
    {
        return DateTime_SetSystemtime(picker, GDT_VALID, &st) != FALSE;
    }

    static SYSTEMTIME timeIn(HWND picker)
    {
        SYSTEMTIME st {};
        EXPECT_EQ(DateTime_GetSystemtime(picker, &st), static_cast<DWORD>(GDT_VALID));
        return st;
    }

    static std::u16string textOf(HWND picker)
    {
        WCHAR text[128] {};
        GetWindowTextW(picker, text, 128);
        return text;
    }

    static std::vector<Notice> takeNotices() { return std::exchange(notices(), {}); }
    // The DTN_DATETIMECHANGE notifications among them.
    static std::vector<Notice> takeChanges()
    {
        std::vector<Notice> changes;
        for (const Notice& notice : takeNotices()) {
            if (notice.code == DTN_DATETIMECHANGE)
                changes.push_back(notice);
        }
        return changes;
    }
};

} // namespace datetime_test
