// One notification as the store keeps it: the SDK records without their pointers. Every text
// is optional, and an absent text differs from an empty one.
#pragma once

#include <optional>
#include <string>

#include "windef.h"

namespace ce {

using OptionalText = std::optional<std::u16string>;

struct TriggerRecord {
    DWORD type = 0;
    DWORD event = 0;
    OptionalText application;
    OptionalText arguments;
    SYSTEMTIME startTime{};
    SYSTEMTIME endTime{};
};

struct UserRecord {
    DWORD actionFlags = 0;
    OptionalText dialogTitle;
    OptionalText dialogText;
    OptionalText sound;
    DWORD maxSound = 0;
    DWORD reserved = 0;
};

struct NotificationRecord {
    DWORD handle = 0;  // 0 until the store gives it one
    DWORD status = 0;
    std::optional<TriggerRecord> trigger;
    std::optional<UserRecord> user;
};

}  // namespace ce
