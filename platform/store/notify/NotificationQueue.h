// The booted device's notifications: the records in handle order, in memory for reading, with
// every change written through to notify.db before it shows. Safe to use from any thread; never
// call it with kernelLock() held.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "NotificationDatabase.h"

namespace ce {

class NotificationQueue {
public:
    static std::unique_ptr<NotificationQueue> open(const std::filesystem::path& file, std::string& error);

    // The changes return 0 or an error code: ERROR_INVALID_PARAMETER for an unknown handle,
    // ERROR_DISK_FULL when notify.db refused the write.
    // A new record: its handle is set into `record`.
    DWORD add(NotificationRecord& record);
    // Replaces the record with record.handle, keeping its place.
    DWORD replace(const NotificationRecord& record);
    DWORD remove(DWORD handle);
    // Removes every record `picked` chooses and then adds `added` (when given), as one change.
    DWORD removeAndAdd(const std::function<bool(const NotificationRecord&)>& picked, NotificationRecord* added);
    // Puts back a record taken out with remove(), under its old handle.
    DWORD restore(const NotificationRecord& record);

    std::vector<DWORD> handles() const;
    std::optional<NotificationRecord> find(DWORD handle) const;
    std::vector<NotificationRecord> records() const;

private:
    NotificationQueue(std::unique_ptr<NotificationDatabase> database, std::vector<NotificationRecord> records);

    mutable std::mutex m_lock;
    std::unique_ptr<NotificationDatabase> m_database;
    std::vector<NotificationRecord> m_records;  // ascending handles
};

}  // namespace ce
