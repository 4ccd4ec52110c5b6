// The notification records in memory, written through to notify.db.
#include "NotificationQueue.h"

#include <algorithm>

#include "winerror.h"

namespace ce {
namespace {

// Where the record with `handle` is, or would go (records are kept in ascending handles).
template <typename Records>
auto positionIn(Records& records, DWORD handle)
{
    return std::lower_bound(records.begin(), records.end(), handle,
                            [](const NotificationRecord& record, DWORD h) { return record.handle < h; });
}

}  // namespace

std::unique_ptr<NotificationQueue> NotificationQueue::open(const std::filesystem::path& file, std::string& error)
{
    std::vector<NotificationRecord> records;
    auto database = NotificationDatabase::open(file, records, error);
    if (!database)
        return nullptr;
    return std::unique_ptr<NotificationQueue>(new NotificationQueue(std::move(database), std::move(records)));
}

NotificationQueue::NotificationQueue(std::unique_ptr<NotificationDatabase> database,
                                     std::vector<NotificationRecord> records)
    : m_database(std::move(database))
    , m_records(std::move(records))
{
}

DWORD NotificationQueue::add(NotificationRecord& record)
{
    std::lock_guard guard(m_lock);
    record.handle = 0;
    if (!m_database->change({}, &record))
        return ERROR_DISK_FULL;
    m_records.push_back(record);
    return 0;
}

DWORD NotificationQueue::replace(const NotificationRecord& record)
{
    std::lock_guard guard(m_lock);
    auto found = positionIn(m_records, record.handle);
    if (found == m_records.end() || found->handle != record.handle)
        return ERROR_INVALID_PARAMETER;
    NotificationRecord written = record;
    if (!m_database->change({}, &written))
        return ERROR_DISK_FULL;
    *found = std::move(written);
    return 0;
}

DWORD NotificationQueue::remove(DWORD handle)
{
    std::lock_guard guard(m_lock);
    auto found = positionIn(m_records, handle);
    if (found == m_records.end() || found->handle != handle)
        return ERROR_INVALID_PARAMETER;
    const DWORD removed[] = {handle};
    if (!m_database->change(removed, nullptr))
        return ERROR_DISK_FULL;
    m_records.erase(found);
    return 0;
}

DWORD NotificationQueue::removeAndAdd(const std::function<bool(const NotificationRecord&)>& picked,
                                      NotificationRecord* added)
{
    std::lock_guard guard(m_lock);
    std::vector<DWORD> removed;
    for (const auto& record : m_records)
        if (picked(record))
            removed.push_back(record.handle);
    if (added)
        added->handle = 0;
    if ((!removed.empty() || added) && !m_database->change(removed, added))
        return ERROR_DISK_FULL;
    std::erase_if(m_records, picked);
    if (added)
        m_records.push_back(*added);
    return 0;
}

DWORD NotificationQueue::restore(const NotificationRecord& record)
{
    std::lock_guard guard(m_lock);
    auto found = positionIn(m_records, record.handle);
    if (found != m_records.end() && found->handle == record.handle)
        return ERROR_INVALID_PARAMETER;
    NotificationRecord written = record;
    if (!m_database->change({}, &written))
        return ERROR_DISK_FULL;
    m_records.insert(positionIn(m_records, record.handle), std::move(written));
    return 0;
}

std::vector<DWORD> NotificationQueue::handles() const
{
    std::lock_guard guard(m_lock);
    std::vector<DWORD> handles;
    handles.reserve(m_records.size());
    for (const auto& record : m_records)
        handles.push_back(record.handle);
    return handles;
}

std::optional<NotificationRecord> NotificationQueue::find(DWORD handle) const
{
    std::lock_guard guard(m_lock);
    auto found = positionIn(m_records, handle);
    if (found == m_records.end() || found->handle != handle)
        return std::nullopt;
    return *found;
}

std::vector<NotificationRecord> NotificationQueue::records() const
{
    std::lock_guard guard(m_lock);
    return m_records;
}

}  // namespace ce
