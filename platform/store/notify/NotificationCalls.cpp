// The notification calls of the device SDK over the booted device's queue. Handles are the
// queue's 32-bit record numbers. Records are checked as the device checks them: a trigger's
// size, a known type, and valid calendar times where its type uses them.
#include <algorithm>

#include "NotificationBuffer.h"
#include "NotificationFiring.h"
#include "NotificationStore.h"
#include "kernel/Device.h"
#include "notify.h"
#include "text/CaseTable.h"
#include "winerror.h"

namespace {

using ce::NotificationRecord;
using ce::OptionalText;

template <typename Result>
Result failWith(DWORD error, Result result)
{
    SetLastError(error);
    return result;
}

// The queue, or null with the last error set (ERROR_NOT_READY before boot, ERROR_INVALID_DATA
// when notify.db could not be opened).
std::shared_ptr<ce::NotificationQueue> queueOrFail()
{
    if (!ce::deviceOrFail())
        return nullptr;
    auto queue = ce::notificationQueue();
    if (!queue)
        SetLastError(ERROR_INVALID_DATA);
    return queue;
}

bool handleNumber(HANDLE handle, DWORD& number)
{
    const auto value = reinterpret_cast<uintptr_t>(handle);
    number = static_cast<DWORD>(value);
    return value != 0 && value <= 0xFFFFFFFFu;
}

HANDLE handleOf(DWORD number)
{
    return reinterpret_cast<HANDLE>(static_cast<uintptr_t>(number));
}

OptionalText textOf(const WCHAR* text)
{
    return text ? OptionalText(text) : std::nullopt;
}

bool validTime(const SYSTEMTIME& time)
{
    FILETIME ignored;
    return SystemTimeToFileTime(&time, &ignored) != FALSE;
}

bool validTrigger(const CE_NOTIFICATION_TRIGGER& trigger)
{
    if (trigger.dwSize != sizeof(CE_NOTIFICATION_TRIGGER) && trigger.dwSize != CE_NOTIFICATION_TRIGGER_DEVICE_SIZE)
        return false;
    switch (trigger.dwType) {
    case CNT_EVENT:
        return true;
    case CNT_TIME:
    case CNT_CLASSICTIME:
        return validTime(trigger.stStartTime);
    case CNT_PERIOD:
        return validTime(trigger.stStartTime) && validTime(trigger.stEndTime);
    default:
        return false;
    }
}

bool recordFrom(const CE_NOTIFICATION_TRIGGER* trigger, const CE_USER_NOTIFICATION* user, NotificationRecord& record)
{
    if ((!trigger && !user) || (trigger && !validTrigger(*trigger)))
        return false;
    if (trigger)
        record.trigger = ce::TriggerRecord{trigger->dwType, trigger->dwEvent, textOf(trigger->lpszApplication),
                                           textOf(trigger->lpszArguments), trigger->stStartTime, trigger->stEndTime};
    if (user)
        record.user = ce::UserRecord{user->ActionFlags, textOf(user->pwszDialogTitle), textOf(user->pwszDialogText),
                                     textOf(user->pwszSound), user->nMaxSound, user->dwReserved};
    return true;
}

// Registrations CeRunAppAtTime and CeRunAppAtEvent make and cancel: triggers of `type` for
// the application, whose name compares as the device compares names.
auto registrationsOf(DWORD type, const WCHAR* application)
{
    return [type, name = std::u16string(application)](const NotificationRecord& record) {
        return record.trigger && record.trigger->type == type && record.trigger->application &&
               ce::sameNameDevice(*record.trigger->application, name);
    };
}

BOOL finishChange(DWORD error)
{
    if (error)
        return failWith(error, FALSE);
    ce::notificationsChanged();
    return TRUE;
}

}  // namespace

HANDLE CeSetUserNotificationEx(HANDLE hNotification, CE_NOTIFICATION_TRIGGER* pcnt, CE_USER_NOTIFICATION* pceun)
{
    NotificationRecord record;
    if (!recordFrom(pcnt, pceun, record))
        return failWith<HANDLE>(ERROR_INVALID_PARAMETER, nullptr);
    auto queue = queueOrFail();
    if (!queue)
        return nullptr;
    if (hNotification && !handleNumber(hNotification, record.handle))
        return failWith<HANDLE>(ERROR_INVALID_PARAMETER, nullptr);
    const DWORD error = hNotification ? queue->replace(record) : queue->add(record);
    return finishChange(error) ? handleOf(record.handle) : nullptr;
}

BOOL CeGetUserNotificationHandles(HANDLE* rghNotifications, DWORD cHandles, LPDWORD pcHandlesNeeded)
{
    if (!pcHandlesNeeded)
        return failWith(ERROR_INVALID_PARAMETER, FALSE);
    auto queue = queueOrFail();
    if (!queue)
        return FALSE;
    const std::vector<DWORD> handles = queue->handles();
    *pcHandlesNeeded = static_cast<DWORD>(handles.size());
    if (!rghNotifications || cHandles < handles.size())
        return failWith(ERROR_INSUFFICIENT_BUFFER, FALSE);
    std::transform(handles.begin(), handles.end(), rghNotifications, handleOf);
    return TRUE;
}

BOOL CeGetUserNotification(HANDLE hNotification, UINT cBufferSize, LPDWORD pcBytesNeeded, LPBYTE pBuffer)
{
    auto queue = queueOrFail();
    if (!queue)
        return FALSE;
    DWORD number = 0;
    const auto record = handleNumber(hNotification, number) ? queue->find(number) : std::nullopt;
    if (!record)
        return failWith(ERROR_INVALID_PARAMETER, FALSE);
    const DWORD size = ce::notificationBufferSize(*record);
    if (pcBytesNeeded)
        *pcBytesNeeded = size;
    if (!pBuffer || cBufferSize < size)
        return failWith(ERROR_INSUFFICIENT_BUFFER, FALSE);
    ce::writeNotificationBuffer(*record, pBuffer);
    return TRUE;
}

BOOL CeClearUserNotification(HANDLE hNotification)
{
    auto queue = queueOrFail();
    if (!queue)
        return FALSE;
    DWORD number = 0;
    if (!handleNumber(hNotification, number))
        return failWith(ERROR_INVALID_PARAMETER, FALSE);
    return finishChange(queue->remove(number));
}

BOOL CeRunAppAtTime(const WCHAR* pwszAppName, const SYSTEMTIME* lpTime)
{
    if (!pwszAppName || !*pwszAppName || (lpTime && !validTime(*lpTime)))
        return failWith(ERROR_INVALID_PARAMETER, FALSE);
    auto queue = queueOrFail();
    if (!queue)
        return FALSE;
    NotificationRecord added;
    if (lpTime)
        added.trigger = ce::TriggerRecord{CNT_TIME, NOTIFICATION_EVENT_NONE, pwszAppName, std::nullopt, *lpTime, {}};
    return finishChange(queue->removeAndAdd(registrationsOf(CNT_TIME, pwszAppName), lpTime ? &added : nullptr));
}

BOOL CeRunAppAtEvent(const WCHAR* pwszAppName, LONG lWhichEvent)
{
    if (!pwszAppName || !*pwszAppName || lWhichEvent < 0)
        return failWith(ERROR_INVALID_PARAMETER, FALSE);
    auto queue = queueOrFail();
    if (!queue)
        return FALSE;
    if (lWhichEvent == NOTIFICATION_EVENT_NONE)
        return finishChange(queue->removeAndAdd(registrationsOf(CNT_EVENT, pwszAppName), nullptr));
    NotificationRecord added;
    added.trigger =
        ce::TriggerRecord{CNT_EVENT, static_cast<DWORD>(lWhichEvent), pwszAppName, std::nullopt, {}, {}};
    return finishChange(queue->add(added));
}
