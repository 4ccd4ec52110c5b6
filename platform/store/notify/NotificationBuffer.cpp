// Packing a notification record into the caller's buffer.
#include "NotificationBuffer.h"

#include <cstring>
#include <new>

#include "notify.h"

namespace ce {
namespace {

DWORD textBytes(const OptionalText& text)
{
    return text ? static_cast<DWORD>((text->size() + 1) * sizeof(WCHAR)) : 0;
}

// Copies texts after the fixed parts, moving `next` on.
WCHAR* placeText(const OptionalText& text, BYTE*& next)
{
    if (!text)
        return nullptr;
    auto* placed = reinterpret_cast<WCHAR*>(next);
    std::memcpy(placed, text->c_str(), textBytes(text));
    next += textBytes(text);
    return placed;
}

}  // namespace

DWORD notificationBufferSize(const NotificationRecord& record)
{
    DWORD size = sizeof(CE_NOTIFICATION_INFO_HEADER);
    if (record.trigger)
        size += sizeof(CE_NOTIFICATION_TRIGGER) + textBytes(record.trigger->application) +
                textBytes(record.trigger->arguments);
    if (record.user)
        size += sizeof(CE_USER_NOTIFICATION) + textBytes(record.user->dialogTitle) +
                textBytes(record.user->dialogText) + textBytes(record.user->sound);
    return size;
}

void writeNotificationBuffer(const NotificationRecord& record, BYTE* buffer)
{
    static_assert(sizeof(CE_NOTIFICATION_INFO_HEADER) % alignof(CE_NOTIFICATION_TRIGGER) == 0);
    static_assert(sizeof(CE_NOTIFICATION_TRIGGER) % alignof(CE_USER_NOTIFICATION) == 0);
    auto* header = new (buffer) CE_NOTIFICATION_INFO_HEADER{
        reinterpret_cast<HANDLE>(static_cast<uintptr_t>(record.handle)), record.status, nullptr, nullptr};
    BYTE* next = buffer + sizeof(CE_NOTIFICATION_INFO_HEADER);
    if (record.trigger) {
        header->pcent = new (next) CE_NOTIFICATION_TRIGGER{sizeof(CE_NOTIFICATION_TRIGGER), record.trigger->type,
                                                           record.trigger->event, nullptr, nullptr,
                                                           record.trigger->startTime, record.trigger->endTime};
        next += sizeof(CE_NOTIFICATION_TRIGGER);
    }
    if (record.user) {
        header->pceun = new (next) CE_USER_NOTIFICATION{record.user->actionFlags, nullptr, nullptr, nullptr,
                                                        record.user->maxSound, record.user->reserved};
        next += sizeof(CE_USER_NOTIFICATION);
    }
    if (record.trigger) {
        header->pcent->lpszApplication = placeText(record.trigger->application, next);
        header->pcent->lpszArguments = placeText(record.trigger->arguments, next);
    }
    if (record.user) {
        header->pceun->pwszDialogTitle = placeText(record.user->dialogTitle, next);
        header->pceun->pwszDialogText = placeText(record.user->dialogText, next);
        header->pceun->pwszSound = placeText(record.user->sound, next);
    }
}

}  // namespace ce
