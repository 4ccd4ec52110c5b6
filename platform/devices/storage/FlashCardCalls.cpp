// FindFirstFlashCard and FindNextFlashCard: the mountable file systems as find records of
// their root folders. Before version 5 the device lists the object store first, as a record
// with an empty name; later versions list the storage cards only.
#include <cstring>
#include <mutex>
#include <vector>

#include "CardTable.h"
#include "kernel/Device.h"
#include "projects.h"
#include "store/files/FileErrors.h"
#include "store/files/FindHandle.h"
#include "winerror.h"

namespace ce {
namespace {

// The records, taken when the enumeration starts.
class FlashCardSearch : public FindHandle {
public:
    explicit FlashCardSearch(std::vector<WIN32_FIND_DATAW> records)
        : m_records(std::move(records))
    {
    }

    bool next(WIN32_FIND_DATAW& data) override
    {
        std::lock_guard guard(m_lock);
        if (m_next >= m_records.size())
            return false;
        data = m_records[m_next++];
        return true;
    }

private:
    std::mutex m_lock;
    const std::vector<WIN32_FIND_DATAW> m_records;
    size_t m_next = 0;
};

WIN32_FIND_DATAW objectStoreRecord()
{
    WIN32_FIND_DATAW record {};
    record.dwFileAttributes = FILE_ATTRIBUTE_DIRECTORY;
    return record;
}

// A card's root folder as the find calls describe it.
bool cardRecord(const emulator::StorageCardProfile& card, WIN32_FIND_DATAW& record)
{
    const std::u16string root = u"\\" + card.name;
    HANDLE find = FindFirstFileW(root.c_str(), &record);
    if (find == INVALID_HANDLE_VALUE)
        return false;
    FindClose(find);
    return true;
}

} // namespace
} // namespace ce

HANDLE FindFirstFlashCard(LPWIN32_FIND_DATAW lpFindFlashData)
{
    if (!lpFindFlashData)
        return ce::failWith(ERROR_INVALID_PARAMETER, INVALID_HANDLE_VALUE);
    ce::Device* device = ce::deviceOrFail();
    if (!device)
        return INVALID_HANDLE_VALUE;
    std::vector<WIN32_FIND_DATAW> records;
    if (device->profile().osMajor < 5)
        records.push_back(ce::objectStoreRecord());
    for (const ce::CardState& state : ce::insertedCards()) {
        WIN32_FIND_DATAW record;
        if (ce::cardRecord(state.card, record))
            records.push_back(record);
    }
    auto search = std::make_shared<ce::FlashCardSearch>(std::move(records));
    if (!search->next(*lpFindFlashData))
        return ce::failWith(ERROR_NO_MORE_FILES, INVALID_HANDLE_VALUE);
    return ce::insertHandle(std::move(search));
}

BOOL FindNextFlashCard(HANDLE hFlashCard, LPWIN32_FIND_DATAW lpFindFlashData)
{
    return FindNextFileW(hFlashCard, lpFindFlashData);
}
