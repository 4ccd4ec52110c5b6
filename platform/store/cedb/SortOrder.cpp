// Sorting a database's records by a sort order.
#include "SortOrder.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>

#include "RecordCodec.h"
#include "text/CaseTable.h"
#include "winerror.h"

namespace ce {
namespace {

using Key = std::optional<std::vector<BYTE>>;

struct SortedRecord {
    CEOID oid = 0;
    std::array<Key, CEDB_MAXSORTPROP> keys;
};

template <typename T> int compareAs(const std::vector<BYTE>& a, const std::vector<BYTE>& b)
{
    T x {}, y {};
    std::memcpy(&x, a.data(), sizeof x);
    std::memcpy(&y, b.data(), sizeof y);
    return x < y ? -1 : (y < x ? 1 : 0);
}

int compareTexts(const std::vector<BYTE>& a, const std::vector<BYTE>& b, bool ignoreCase)
{
    const size_t length = std::min(a.size(), b.size()) / sizeof(char16_t);
    for (size_t i = 0; i < length; ++i) {
        char16_t x, y;
        std::memcpy(&x, a.data() + i * sizeof x, sizeof x);
        std::memcpy(&y, b.data() + i * sizeof y, sizeof y);
        if (ignoreCase) {
            x = toUpperDevice(x);
            y = toUpperDevice(y);
        }
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

int compareValues(WORD type, const std::vector<BYTE>& a, const std::vector<BYTE>& b, DWORD flags)
{
    switch (type) {
    case CEVT_I2:
        return compareAs<SHORT>(a, b);
    case CEVT_UI2:
        return compareAs<USHORT>(a, b);
    case CEVT_I4:
    case CEVT_BOOL:
        return compareAs<LONG>(a, b);
    case CEVT_UI4:
    case CEVT_AUTO_I4:
        return compareAs<ULONG>(a, b);
    case CEVT_R8:
        return compareAs<double>(a, b);
    case CEVT_FILETIME:
        return compareAs<ULONGLONG>(a, b);
    case CEVT_LPWSTR:
        return compareTexts(a, b, (flags & CEDB_SORT_CASEINSENSITIVE) != 0);
    default: {
        const size_t common = std::min(a.size(), b.size());
        const int bytes = common ? std::memcmp(a.data(), b.data(), common) : 0;
        return bytes != 0 ? bytes : (a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1));
    }
    }
}

// True when record `a` comes before record `b`.
bool comesBefore(const SortedRecord& a, const SortedRecord& b, const SORTORDERSPECEX& sort)
{
    for (WORD i = 0; i < sort.wNumProps; ++i) {
        const Key& x = a.keys[i];
        const Key& y = b.keys[i];
        if (!x || !y) {
            if (x.has_value() == y.has_value())
                continue;
            const bool unknownFirst = (sort.rgdwFlags[i] & CEDB_SORT_UNKNOWNFIRST) != 0;
            return x.has_value() != unknownFirst;
        }
        int order = compareValues(TypeFromPropID(sort.rgPropID[i]), *x, *y, sort.rgdwFlags[i]);
        if (sort.rgdwFlags[i] & CEDB_SORT_DESCENDING)
            order = -order;
        if (order != 0)
            return order < 0;
    }
    return a.oid < b.oid;
}

SortedRecord keyed(CEOID oid, const std::vector<StoredProperty>& properties, const SORTORDERSPECEX& sort)
{
    SortedRecord record;
    record.oid = oid;
    for (WORD i = 0; i < sort.wNumProps; ++i) {
        auto found = std::find_if(
            properties.begin(), properties.end(), [&](const StoredProperty& p) { return p.id == sort.rgPropID[i]; });
        if (found != properties.end())
            record.keys[i] = std::vector<BYTE>(found->value, found->value + found->size);
    }
    return record;
}

} // namespace

bool isSortOrderOf(const DatabaseEntry& database, const SORTORDERSPECEX& sort)
{
    return std::any_of(database.sortOrders.begin(), database.sortOrders.end(), [&](const SORTORDERSPECEX& own) {
        return own.wNumProps == sort.wNumProps && std::equal(own.rgPropID, own.rgPropID + own.wNumProps, sort.rgPropID)
            && std::equal(own.rgdwFlags, own.rgdwFlags + own.wNumProps, sort.rgdwFlags);
    });
}

DWORD sortedRecords(
    Volume& volume, const DatabaseEntry& database, const SORTORDERSPECEX& sort, std::vector<CEOID>& order)
{
    std::vector<SortedRecord> records;
    RecordBatch batch;
    std::vector<StoredProperty> properties;
    for (CEOID from = 0;; from = batch.oids.back() + 1) {
        if (DWORD error = volume.readRecords(database, from, batch))
            return error;
        for (size_t i = 0; i < batch.oids.size(); ++i) {
            if (!unpackRecord(
                    batch.bytes.data() + batch.offsets[i], batch.offsets[i + 1] - batch.offsets[i], properties))
                return ERROR_INVALID_DATA;
            records.push_back(keyed(batch.oids[i], properties, sort));
        }
        if (batch.atEnd)
            break;
    }
    std::sort(records.begin(), records.end(),
        [&](const SortedRecord& a, const SortedRecord& b) { return comesBefore(a, b, sort); });
    order.clear();
    for (const SortedRecord& record : records)
        order.push_back(record.oid);
    return ERROR_SUCCESS;
}

} // namespace ce
