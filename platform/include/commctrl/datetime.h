// The date and time picker (SysDateTimePick32): a date or time shown in fields of a format,
// edited with keys and taps; changes are reported with DTN_DATETIMECHANGE.
#pragma once

#define DATETIMEPICK_CLASSW u"SysDateTimePick32"
#define DATETIMEPICK_CLASS DATETIMEPICK_CLASSW

#define DTS_UPDOWN 0x0001
#define DTS_SHOWNONE 0x0002
#define DTS_SHORTDATEFORMAT 0x0000
#define DTS_LONGDATEFORMAT 0x0004
#define DTS_TIMEFORMAT 0x0009 // includes DTS_UPDOWN
#define DTS_APPCANPARSE 0x0010
#define DTS_RIGHTALIGN 0x0020

#define DTM_FIRST 0x1000
#define DTM_GETSYSTEMTIME (DTM_FIRST + 1)
#define DTM_SETSYSTEMTIME (DTM_FIRST + 2)
#define DTM_GETRANGE (DTM_FIRST + 3)
#define DTM_SETRANGE (DTM_FIRST + 4)
#define DTM_SETMCCOLOR (DTM_FIRST + 6)
#define DTM_GETMCCOLOR (DTM_FIRST + 7)
#define DTM_GETMONTHCAL (DTM_FIRST + 8)
#define DTM_SETMCFONT (DTM_FIRST + 9)
#define DTM_GETMCFONT (DTM_FIRST + 10)
#define DTM_SETFORMATW (DTM_FIRST + 50)
#define DTM_SETFORMAT DTM_SETFORMATW

// DTM_GETSYSTEMTIME's answers and DTM_SETSYSTEMTIME's wParam.
#define GDT_ERROR (-1)
#define GDT_VALID 0
#define GDT_NONE 1

// Which limits DTM_SETRANGE sets and DTM_GETRANGE reports (SYSTEMTIME[2]: minimum, maximum).
#define GDTR_MIN 0x0001
#define GDTR_MAX 0x0002

// The month calendar's colours (DTM_SETMCCOLOR's wParam).
#define MCSC_BACKGROUND 0
#define MCSC_TEXT 1
#define MCSC_TITLEBK 2
#define MCSC_TITLETEXT 3
#define MCSC_MONTHBK 4
#define MCSC_TRAILINGTEXT 5

#define DTN_DATETIMECHANGE (DTN_FIRST + 1)
#define DTN_DROPDOWN (DTN_FIRST + 6)
#define DTN_CLOSEUP (DTN_FIRST + 7)

// DTN_DATETIMECHANGE: dwFlags is GDT_VALID with the new value in st, or GDT_NONE.
struct NMDATETIMECHANGE {
    NMHDR nmhdr;
    DWORD dwFlags;
    SYSTEMTIME st;
};
using LPNMDATETIMECHANGE = NMDATETIMECHANGE*;

// The SDK's message wrappers.
inline DWORD DateTime_GetSystemtime(HWND hdp, LPSYSTEMTIME pst)
{
    return static_cast<DWORD>(SendMessageW(hdp, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(pst)));
}
inline BOOL DateTime_SetSystemtime(HWND hdp, DWORD gd, const SYSTEMTIME* pst)
{
    return static_cast<BOOL>(SendMessageW(hdp, DTM_SETSYSTEMTIME, gd, reinterpret_cast<LPARAM>(pst)));
}
inline DWORD DateTime_GetRange(HWND hdp, LPSYSTEMTIME rgst)
{
    return static_cast<DWORD>(SendMessageW(hdp, DTM_GETRANGE, 0, reinterpret_cast<LPARAM>(rgst)));
}
inline BOOL DateTime_SetRange(HWND hdp, DWORD gd, const SYSTEMTIME* rgst)
{
    return static_cast<BOOL>(SendMessageW(hdp, DTM_SETRANGE, gd, reinterpret_cast<LPARAM>(rgst)));
}
inline BOOL DateTime_SetFormat(HWND hdp, LPCWSTR sz)
{
    return static_cast<BOOL>(SendMessageW(hdp, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(sz)));
}
inline HWND DateTime_GetMonthCal(HWND hdp)
{
    return reinterpret_cast<HWND>(SendMessageW(hdp, DTM_GETMONTHCAL, 0, 0));
}
