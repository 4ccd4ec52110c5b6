// The buffer CeGetUserNotification fills: a CE_NOTIFICATION_INFO_HEADER, the trigger and the
// user notification when the record has them, then their texts (NUL-terminated UTF-16), every
// pointer pointing inside the buffer and null for an absent part or text.
#pragma once

#include "NotificationRecord.h"

namespace ce {

// The bytes the record takes in the buffer.
DWORD notificationBufferSize(const NotificationRecord& record);
// Writes the record into `buffer`, which holds at least notificationBufferSize(record) bytes and
// is aligned for pointers.
void writeNotificationBuffer(const NotificationRecord& record, BYTE* buffer);

}  // namespace ce
