// The device's notification database: programs run at a time or at a system event, named
// events set at those moments, and user alerts. Records are read back as one buffer holding
// a CE_NOTIFICATION_INFO_HEADER followed by the parts it points to.
#pragma once

#include "winbase.h"

// ---- Trigger types --------------------------------------------------------------------------

#define CNT_EVENT 1        // a system event (dwEvent)
#define CNT_TIME 2         // a moment (stStartTime, local time)
#define CNT_PERIOD 3       // a user alert between stStartTime and stEndTime
#define CNT_CLASSICTIME 4  // a user alert at stStartTime

// ---- System events --------------------------------------------------------------------------

#define NOTIFICATION_EVENT_NONE 0
#define NOTIFICATION_EVENT_TIME_CHANGE 1
#define NOTIFICATION_EVENT_SYNC_END 2
#define NOTIFICATION_EVENT_ON_AC_POWER 3
#define NOTIFICATION_EVENT_OFF_AC_POWER 4
#define NOTIFICATION_EVENT_NET_CONNECT 5
#define NOTIFICATION_EVENT_NET_DISCONNECT 6
#define NOTIFICATION_EVENT_DEVICE_CHANGE 7
#define NOTIFICATION_EVENT_IR_DISCOVERED 8
#define NOTIFICATION_EVENT_RS232_DETECTED 9
#define NOTIFICATION_EVENT_RESTORE_END 10
#define NOTIFICATION_EVENT_WAKEUP 11
#define NOTIFICATION_EVENT_TZ_CHANGE 12
#define NOTIFICATION_EVENT_MACHINE_NAME_CHANGE 13
#define NOTIFICATION_EVENT_RNDIS_FN_DETECTED 14
#define NOTIFICATION_EVENT_INTERNET_PROXY_CHANGE 15
#define NOTIFICATION_EVENT_LAST NOTIFICATION_EVENT_INTERNET_PROXY_CHANGE

// ---- Command lines of programs the device starts without arguments of their own -------------

#define APP_RUN_AT_TIME u"AppRunAtTime"
#define APP_RUN_AFTER_TIME_CHANGE u"AppRunAfterTimeChange"
#define APP_RUN_AFTER_SYNC u"AppRunAfterSync"
#define APP_RUN_AT_AC_POWER_ON u"AppRunAtAcPowerOn"
#define APP_RUN_AT_AC_POWER_OFF u"AppRunAtAcPowerOff"
#define APP_RUN_AT_NET_CONNECT u"AppRunAtNetConnect"
#define APP_RUN_AT_NET_DISCONNECT u"AppRunAtNetDisconnect"
#define APP_RUN_AT_DEVICE_CHANGE u"AppRunDeviceChange"
#define APP_RUN_AT_IR_DISCOVERY u"AppRunAtIrDiscovery"
#define APP_RUN_AT_RS232_DETECT u"AppRunAtRs232Detect"
#define APP_RUN_AFTER_RESTORE u"AppRunAfterRestore"
#define APP_RUN_AFTER_WAKEUP u"AppRunAfterWakeup"
#define APP_RUN_AFTER_TZ_CHANGE u"AppRunAfterTzChange"
#define APP_RUN_AFTER_EXTENDED_EVENT u"AppRunAfterExtendedEvent"
#define APP_RUN_AFTER_RNDIS_FN_DETECTED u"AppRunAfterRndisFnDetected"
#define APP_RUN_AFTER_INTERNET_PROXY_CHANGE u"AppRunAfterInternetProxyChange"

// ---- User notification actions ---------------------------------------------------------------

#define PUN_LED 1
#define PUN_VIBRATE 2
#define PUN_DIALOG 4
#define PUN_SOUND 8
#define PUN_REPEAT 16
#define PUN_PRIVATE 32

// ---- Records ----------------------------------------------------------------------------------

struct CE_NOTIFICATION_TRIGGER {
    DWORD dwSize;  // sizeof(CE_NOTIFICATION_TRIGGER), or 52 as a device program writes it
    DWORD dwType;
    DWORD dwEvent;
    WCHAR* lpszApplication;
    WCHAR* lpszArguments;
    SYSTEMTIME stStartTime;
    SYSTEMTIME stEndTime;
};
using PCE_NOTIFICATION_TRIGGER = CE_NOTIFICATION_TRIGGER*;

// The size of the trigger on the device itself (32-bit pointers).
#define CE_NOTIFICATION_TRIGGER_DEVICE_SIZE 52

struct CE_USER_NOTIFICATION {
    DWORD ActionFlags;
    WCHAR* pwszDialogTitle;
    WCHAR* pwszDialogText;
    WCHAR* pwszSound;
    DWORD nMaxSound;
    DWORD dwReserved;
};
using PCE_USER_NOTIFICATION = CE_USER_NOTIFICATION*;

struct CE_NOTIFICATION_INFO_HEADER {
    HANDLE hNotification;
    DWORD dwStatus;  // 0 while the notification waits
    CE_NOTIFICATION_TRIGGER* pcent;
    CE_USER_NOTIFICATION* pceun;
};
using PCE_NOTIFICATION_INFO_HEADER = CE_NOTIFICATION_INFO_HEADER*;

// ---- Calls ------------------------------------------------------------------------------------

// Creates a notification (hNotification 0) or replaces one; returns its handle, 0 on failure.
WINBASEAPI HANDLE CeSetUserNotificationEx(HANDLE hNotification, CE_NOTIFICATION_TRIGGER* pcnt,
                                          CE_USER_NOTIFICATION* pceun);
WINBASEAPI BOOL CeGetUserNotificationHandles(HANDLE* rghNotifications, DWORD cHandles, LPDWORD pcHandlesNeeded);
WINBASEAPI BOOL CeGetUserNotification(HANDLE hNotification, UINT cBufferSize, LPDWORD pcBytesNeeded,
                                      LPBYTE pBuffer);
WINBASEAPI BOOL CeClearUserNotification(HANDLE hNotification);
// lpTime null cancels the application's run-at-time registrations.
WINBASEAPI BOOL CeRunAppAtTime(const WCHAR* pwszAppName, const SYSTEMTIME* lpTime);
// NOTIFICATION_EVENT_NONE cancels the application's event registrations.
WINBASEAPI BOOL CeRunAppAtEvent(const WCHAR* pwszAppName, LONG lWhichEvent);
