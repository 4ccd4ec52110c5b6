// Volumes and their databases: CeEnumDBVolumes, CeFlushDBVol, CeFindFirstDatabaseEx,
// CeFindNextDatabaseEx, CeOidGetInfoEx, CeCreateDatabaseEx2 and CeDeleteDatabaseEx.
#include <algorithm>
#include <cstring>

#include "CallSupport.h"
#include "RecordCodec.h"
#include "kernel/Device.h"

namespace {

bool sameGuid(const CEGUID& a, const CEGUID& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// The description a new database takes from CEDBASEINFOEX, or an error for a bad one.
DWORD newDatabaseEntry(const CEDBASEINFOEX& info, ce::DatabaseEntry& entry)
{
    if (!(info.dwFlags & CEDB_VALIDNAME))
        return ERROR_INVALID_PARAMETER;
    const WCHAR* end = std::find(info.szDbaseName, info.szDbaseName + CEDB_MAXDBASENAMELEN, u'\0');
    if (end == info.szDbaseName || end == info.szDbaseName + CEDB_MAXDBASENAMELEN)
        return ERROR_INVALID_PARAMETER;
    entry.name.assign(info.szDbaseName, end);
    entry.type = (info.dwFlags & CEDB_VALIDTYPE) ? info.dwDbaseType : 0;
    entry.flags = (info.dwFlags & CEDB_VALIDDBFLAGS) ? (info.dwFlags & 0xFFFF0000u) : 0;
    if (info.dwFlags & CEDB_VALIDSORTSPEC) {
        if (info.wNumSortOrder > CEDB_MAXSORTORDER)
            return ERROR_INVALID_PARAMETER;
        for (WORD i = 0; i < info.wNumSortOrder; ++i) {
            const SORTORDERSPECEX& sort = info.rgSortSpecs[i];
            if (sort.wNumProps > CEDB_MAXSORTPROP)
                return ERROR_INVALID_PARAMETER;
            for (WORD j = 0; j < sort.wNumProps; ++j)
                if (!ce::isPropertyType(TypeFromPropID(sort.rgPropID[j])))
                    return ERROR_INVALID_PARAMETER;
        }
        entry.sortOrders.assign(info.rgSortSpecs, info.rgSortSpecs + info.wNumSortOrder);
    }
    return ERROR_SUCCESS;
}

} // namespace

BOOL CeEnumDBVolumes(PCEGUID pceguid, LPWSTR lpBuf, DWORD dwSize)
{
    using ce::failWith;
    if (!ce::deviceOrFail())
        return FALSE;
    if (!pceguid || !lpBuf)
        return failWith(ERROR_INVALID_PARAMETER, FALSE);
    const auto volumes = ce::mountedVolumes();
    size_t next = 0;
    if (!CHECK_INVALIDGUID(pceguid)) {
        auto current = std::find_if(
            volumes.begin(), volumes.end(), [&](const auto& volume) { return sameGuid(volume->guid(), *pceguid); });
        if (current == volumes.end())
            return failWith(ERROR_INVALID_PARAMETER, FALSE);
        next = static_cast<size_t>(current - volumes.begin()) + 1;
    }
    if (next >= volumes.size())
        return failWith(ERROR_NO_MORE_ITEMS, FALSE);
    const std::u16string& name = volumes[next]->devicePath();
    if (name.size() >= dwSize)
        return failWith(ERROR_INSUFFICIENT_BUFFER, FALSE);
    std::copy(name.begin(), name.end(), lpBuf);
    lpBuf[name.size()] = u'\0';
    *pceguid = volumes[next]->guid();
    return TRUE;
}

BOOL CeFlushDBVol(PCEGUID pceguid)
{
    if (!ce::deviceOrFail())
        return FALSE;
    // No GUID, or the invalid one, flushes every mounted volume.
    std::vector<std::shared_ptr<ce::Volume>> volumes;
    if (!pceguid || CHECK_INVALIDGUID(pceguid))
        volumes = ce::mountedVolumes();
    else if (auto volume = ce::volumeOrFail(pceguid))
        volumes.push_back(std::move(volume));
    else
        return FALSE;
    for (const auto& volume : volumes) {
        std::lock_guard guard(volume->lock());
        if (!volume->commit())
            return ce::failWith(ERROR_GEN_FAILURE, FALSE);
    }
    return TRUE;
}

HANDLE CeFindFirstDatabaseEx(PCEGUID pceguid, DWORD dwDbaseType)
{
    auto volume = ce::volumeOrFail(pceguid);
    if (!volume)
        return INVALID_HANDLE_VALUE;
    auto search = std::make_shared<ce::DatabaseSearch>();
    search->volume = volume;
    {
        std::lock_guard guard(volume->lock());
        for (const auto& database : volume->databases())
            if (dwDbaseType == 0 || database.type == dwDbaseType)
                search->databases.push_back(database.oid);
    }
    return ce::insertHandle(std::move(search));
}

CEOID CeFindNextDatabaseEx(HANDLE hEnum, PCEGUID pceguid)
{
    if (!ce::deviceOrFail())
        return 0;
    auto search = ce::lookupHandleAs<ce::DatabaseSearch>(hEnum);
    if (!search)
        return ce::failWith(ERROR_INVALID_HANDLE, CEOID {0});
    std::lock_guard searchGuard(search->lock);
    std::lock_guard guard(search->volume->lock());
    // Databases deleted since the search started are passed over.
    while (search->next < search->databases.size()) {
        const CEOID oid = search->databases[search->next++];
        if (!search->volume->findDatabase(oid))
            continue;
        if (pceguid)
            *pceguid = search->volume->guid();
        return oid;
    }
    return ce::failWith(ERROR_NO_MORE_ITEMS, CEOID {0});
}

BOOL CeOidGetInfoEx(PCEGUID pceguid, CEOID oid, CEOIDINFOEX* oidInfo)
{
    auto volume = ce::volumeOrFail(pceguid);
    if (!volume)
        return FALSE;
    if (!oidInfo || oid == 0)
        return ce::failWith(ERROR_INVALID_PARAMETER, FALSE);
    std::lock_guard guard(volume->lock());
    oidInfo->wVersion = CEOIDINFOEX_VERSION;
    if (const ce::DatabaseEntry* database = volume->findDatabase(oid)) {
        oidInfo->wObjType = OBJTYPE_DATABASE;
        ce::describeDatabase(*database, oidInfo->infDatabase);
        return TRUE;
    }
    if (CEOID parent = volume->databaseOfRecord(oid)) {
        oidInfo->wObjType = OBJTYPE_RECORD;
        oidInfo->infRecord.oidParent = parent;
        return TRUE;
    }
    oidInfo->wObjType = OBJTYPE_INVALID;
    return ce::failWith(ERROR_INVALID_PARAMETER, FALSE);
}

CEOID CeCreateDatabaseEx2(PCEGUID pceguid, CEDBASEINFOEX* pInfo)
{
    auto volume = ce::volumeOrFail(pceguid);
    if (!volume)
        return 0;
    ce::DatabaseEntry entry;
    if (!pInfo)
        return ce::failWith(ERROR_INVALID_PARAMETER, CEOID {0});
    if (DWORD error = newDatabaseEntry(*pInfo, entry))
        return ce::failWith(error, CEOID {0});
    const ULONGLONG now = ce::deviceTimeNow();
    std::lock_guard guard(volume->lock());
    CEOID oid = 0;
    if (DWORD error = volume->createDatabase(std::move(entry), now, oid))
        return ce::failWith(error, CEOID {0});
    return oid;
}

BOOL CeDeleteDatabaseEx(PCEGUID pceguid, CEOID oid)
{
    auto volume = ce::volumeOrFail(pceguid);
    if (!volume)
        return FALSE;
    const ULONGLONG now = ce::deviceTimeNow();
    std::lock_guard guard(volume->lock());
    if (DWORD error = volume->deleteDatabase(oid, now))
        return ce::failWith(error, FALSE);
    return TRUE;
}
