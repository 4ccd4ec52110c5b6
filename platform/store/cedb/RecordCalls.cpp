// Open databases and their records: CeOpenDatabaseEx2, CeGetDBInformationByHandle,
// CeReadRecordPropsEx, CeWriteRecordProps, CeDeleteRecord and CeSeekDatabaseEx.
#include <algorithm>
#include <optional>

#include "CallSupport.h"
#include "DatabaseCursor.h"
#include "RecordCodec.h"
#include "SortOrder.h"
#include "kernel/Device.h"

namespace {

using ce::failWith;

// Runs work(open database, its entry, device time now) for a database handle with the volume
// locked; `failed` with ERROR_INVALID_HANDLE when the handle is not an open database.
template <typename T, typename Work> T withDatabase(HANDLE handle, T failed, Work&& work)
{
    auto open = ce::databaseOrFail(handle);
    if (!open)
        return failed;
    const ULONGLONG now = ce::deviceTimeNow();
    std::lock_guard guard(open->volume->lock());
    ce::DatabaseEntry* database = open->volume->findDatabase(open->database);
    if (!database)
        return failWith(ERROR_INVALID_HANDLE, failed);
    return work(*open, *database, now);
}

// Opens the database found, in the order of `sort` when it names one (volume lock held).
HANDLE openFound(const std::shared_ptr<ce::Volume>& volume, ce::DatabaseEntry& database, PCEOID poid,
    const SORTORDERSPECEX* sort, bool autoIncrement)
{
    std::optional<SORTORDERSPECEX> order;
    if (sort && sort->wNumProps != 0) {
        if (!ce::isSortOrderOf(database, *sort))
            return failWith(ERROR_INVALID_PARAMETER, INVALID_HANDLE_VALUE);
        order = *sort;
    }
    *poid = database.oid;
    return ce::openDatabaseHandle(volume, database, autoIncrement, order);
}

// The database `name` names on any mounted volume (the first found), for the invalid GUID.
HANDLE openByNameAnywhere(LPCWSTR name, PCEOID poid, const SORTORDERSPECEX* sort, bool autoIncrement)
{
    for (const auto& volume : ce::mountedVolumes()) {
        std::lock_guard guard(volume->lock());
        if (ce::DatabaseEntry* database = volume->findDatabase(std::u16string_view(name)))
            return openFound(volume, *database, poid, sort, autoIncrement);
    }
    return failWith(ERROR_FILE_NOT_FOUND, INVALID_HANDLE_VALUE);
}

// The properties the caller asked for, in its order (all of the record's with `all`); null
// for one the record lacks.
std::vector<const ce::StoredProperty*> chosenProperties(
    const std::vector<ce::StoredProperty>& stored, std::span<const CEPROPID> requested, bool all)
{
    std::vector<const ce::StoredProperty*> chosen;
    if (all) {
        for (const auto& property : stored)
            chosen.push_back(&property);
        return chosen;
    }
    for (CEPROPID id : requested) {
        auto found = std::find_if(stored.begin(), stored.end(), [&](const auto& p) { return p.id == id; });
        chosen.push_back(found == stored.end() ? nullptr : &*found);
    }
    return chosen;
}

// Makes sure the caller's buffer holds `size` bytes: a LocalAlloc buffer is replaced when it
// may be; otherwise the size needed goes back in *lpcbBuffer.
DWORD fitBuffer(DWORD dwFlags, LPBYTE* lplpBuffer, LPDWORD lpcbBuffer, size_t size)
{
    if (*lplpBuffer && size <= *lpcbBuffer)
        return ERROR_SUCCESS;
    if (size > 0xFFFFFFFFu)
        return ERROR_OUTOFMEMORY;
    if (!(dwFlags & CEDB_ALLOWREALLOC)) {
        *lpcbBuffer = static_cast<DWORD>(size);
        return ERROR_INSUFFICIENT_BUFFER;
    }
    auto* grown = static_cast<LPBYTE>(LocalAlloc(LMEM_FIXED, size));
    if (!grown)
        return ERROR_OUTOFMEMORY;
    LocalFree(*lplpBuffer);
    *lplpBuffer = grown;
    return ERROR_SUCCESS;
}

} // namespace

HANDLE CeOpenDatabaseEx2(
    PCEGUID pceguid, PCEOID poid, LPWSTR lpszName, SORTORDERSPECEX* pSort, DWORD dwFlags, CENOTIFYREQUEST* pRequest)
{
    (void)pRequest; // change notifications are not sent
    if (!ce::deviceOrFail())
        return INVALID_HANDLE_VALUE;
    if (!pceguid || !poid || (dwFlags & ~DWORD {CEDB_AUTOINCREMENT}) || (pSort && pSort->wNumProps > CEDB_MAXSORTPROP))
        return failWith(ERROR_INVALID_PARAMETER, INVALID_HANDLE_VALUE);
    const bool autoIncrement = (dwFlags & CEDB_AUTOINCREMENT) != 0;
    if (CHECK_INVALIDGUID(pceguid))
        return lpszName ? openByNameAnywhere(lpszName, poid, pSort, autoIncrement)
                        : failWith(ERROR_INVALID_PARAMETER, INVALID_HANDLE_VALUE);
    auto volume = ce::volumeOrFail(pceguid);
    if (!volume)
        return INVALID_HANDLE_VALUE;
    if (*poid == 0 && !lpszName)
        return failWith(ERROR_INVALID_PARAMETER, INVALID_HANDLE_VALUE);
    std::lock_guard guard(volume->lock());
    ce::DatabaseEntry* database
        = *poid != 0 ? volume->findDatabase(*poid) : volume->findDatabase(std::u16string_view(lpszName));
    if (!database)
        return failWith(*poid != 0 ? ERROR_INVALID_PARAMETER : ERROR_FILE_NOT_FOUND, INVALID_HANDLE_VALUE);
    return openFound(volume, *database, poid, pSort, autoIncrement);
}

BOOL CeGetDBInformationByHandle(HANDLE hDbase, CEDBASEINFOEX* lpDBInfo)
{
    return withDatabase(hDbase, FALSE, [&](ce::OpenDatabase&, ce::DatabaseEntry& database, ULONGLONG) {
        if (!lpDBInfo)
            return failWith(ERROR_INVALID_PARAMETER, FALSE);
        ce::describeDatabase(database, *lpDBInfo);
        return TRUE;
    });
}

CEOID CeReadRecordPropsEx(HANDLE hDbase, DWORD dwFlags, LPWORD lpcPropID, CEPROPID* rgPropID, LPBYTE* lplpBuffer,
    LPDWORD lpcbBuffer, HANDLE hHeap)
{
    (void)hHeap; // buffers always come from LocalAlloc
    return withDatabase(hDbase, CEOID {0}, [&](ce::OpenDatabase& open, ce::DatabaseEntry& database, ULONGLONG) {
        if (!lpcPropID || !lplpBuffer || !lpcbBuffer || (rgPropID && *lpcPropID == 0))
            return failWith(ERROR_INVALID_PARAMETER, CEOID {0});
        ce::CursorRecord record;
        if (DWORD error = ce::currentRecord(open, database, record))
            return failWith(error, CEOID {0});
        std::vector<ce::StoredProperty> stored;
        if (!ce::unpackRecord(record.packed.data(), record.packed.size(), stored))
            return failWith(ERROR_INVALID_DATA, CEOID {0});
        const std::span<const CEPROPID> requested(rgPropID, rgPropID ? *lpcPropID : 0);
        const auto chosen = chosenProperties(stored, requested, rgPropID == nullptr);
        if (chosen.size() > 0xFFFF)
            return failWith(ERROR_INVALID_DATA, CEOID {0});
        const size_t size = ce::readLayoutSize(chosen);
        if (DWORD error = fitBuffer(dwFlags, lplpBuffer, lpcbBuffer, size))
            return failWith(error, CEOID {0});
        ce::writeReadLayout(chosen, requested, *lplpBuffer);
        *lpcbBuffer = static_cast<DWORD>(size);
        *lpcPropID = static_cast<WORD>(chosen.size());
        if (open.autoIncrement)
            ce::moveAfter(open, record.oid);
        return record.oid;
    });
}

CEOID CeWriteRecordProps(HANDLE hDbase, CEOID oidRecord, WORD cPropID, CEPROPVAL* rgPropVal)
{
    return withDatabase(hDbase, CEOID {0}, [&](ce::OpenDatabase& open, ce::DatabaseEntry& database, ULONGLONG now) {
        if (cPropID != 0 && !rgPropVal)
            return failWith(ERROR_INVALID_PARAMETER, CEOID {0});
        if (DWORD error = open.volume->writeRecord(database, oidRecord, {rgPropVal, cPropID}, now))
            return failWith(error, CEOID {0});
        return oidRecord;
    });
}

BOOL CeDeleteRecord(HANDLE hDatabase, CEOID oidRecord)
{
    return withDatabase(hDatabase, FALSE, [&](ce::OpenDatabase& open, ce::DatabaseEntry& database, ULONGLONG now) {
        if (DWORD error = open.volume->deleteRecord(database, oidRecord, now))
            return failWith(error, FALSE);
        return TRUE;
    });
}

CEOID CeSeekDatabaseEx(HANDLE hDatabase, DWORD dwSeekType, DWORD dwValue, WORD wNumVals, LPDWORD lpdwIndex)
{
    (void)wNumVals; // only value seeks use more than one value, and they are not supported
    return withDatabase(hDatabase, CEOID {0}, [&](ce::OpenDatabase& open, ce::DatabaseEntry& database, ULONGLONG) {
        CEOID oid = 0;
        if (dwSeekType == CEDB_SEEK_CEOID)
            oid = ce::seekRecord(open, database, dwValue) ? dwValue : 0;
        else if (dwSeekType == CEDB_SEEK_BEGINNING)
            oid = ce::seekIndex(open, database, dwValue);
        else
            return failWith(ERROR_NOT_SUPPORTED, CEOID {0});
        if (oid == 0)
            return failWith(ERROR_NO_MORE_ITEMS, CEOID {0});
        if (lpdwIndex && dwSeekType == CEDB_SEEK_BEGINNING)
            *lpdwIndex = dwValue;
        return oid;
    });
}
