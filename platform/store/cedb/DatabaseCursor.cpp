// Moving through an open database's records.
#include "DatabaseCursor.h"

#include <algorithm>

#include "SortOrder.h"
#include "winerror.h"

namespace ce {
namespace {

DWORD readBatchAt(OpenDatabase& open, const DatabaseEntry& database, size_t& index)
{
    RecordBatch& batch = open.batch;
    const bool usable
        = !batch.offsets.empty() && batch.changes == open.volume->changes() && batch.from <= open.position;
    if (usable) {
        index = static_cast<size_t>(
            std::lower_bound(batch.oids.begin(), batch.oids.end(), open.position) - batch.oids.begin());
        if (index < batch.oids.size())
            return ERROR_SUCCESS;
        if (batch.atEnd)
            return ERROR_NO_MORE_ITEMS;
    }
    if (DWORD error = open.volume->readRecords(database, open.position, batch))
        return error;
    index = 0;
    return batch.oids.empty() ? ERROR_NO_MORE_ITEMS : ERROR_SUCCESS;
}

// Brings the handle's order up to date. The current record keeps its place when it still
// exists; else the first of the records that followed it and still exist becomes current.
DWORD refreshOrder(OpenDatabase& open, const DatabaseEntry& database)
{
    if (open.orderBuilt && open.orderChanges == open.volume->changes())
        return ERROR_SUCCESS;
    std::vector<CEOID> order;
    if (DWORD error = sortedRecords(*open.volume, database, *open.sort, order))
        return error;
    if (open.orderBuilt) {
        size_t index = order.size();
        for (size_t old = open.orderIndex; old < open.order.size() && index == order.size(); ++old)
            index = static_cast<size_t>(std::find(order.begin(), order.end(), open.order[old]) - order.begin());
        open.orderIndex = index;
    }
    open.order = std::move(order);
    open.orderChanges = open.volume->changes();
    open.orderBuilt = true;
    return ERROR_SUCCESS;
}

} // namespace

DWORD currentRecord(OpenDatabase& open, const DatabaseEntry& database, CursorRecord& record)
{
    if (!open.sort) {
        size_t index = 0;
        if (DWORD error = readBatchAt(open, database, index))
            return error;
        const RecordBatch& batch = open.batch;
        record.oid = batch.oids[index];
        record.packed = {batch.bytes.data() + batch.offsets[index], batch.offsets[index + 1] - batch.offsets[index]};
        return ERROR_SUCCESS;
    }
    if (DWORD error = refreshOrder(open, database))
        return error;
    if (open.orderIndex >= open.order.size())
        return ERROR_NO_MORE_ITEMS;
    record.oid = open.order[open.orderIndex];
    if (!open.volume->readRecord(database, record.oid, open.sortedRecord))
        return ERROR_INVALID_DATA;
    record.packed = open.sortedRecord;
    return ERROR_SUCCESS;
}

void moveAfter(OpenDatabase& open, CEOID oid)
{
    if (!open.sort) {
        open.position = oid + 1;
        return;
    }
    auto at = std::find(open.order.begin(), open.order.end(), oid);
    open.orderIndex = static_cast<size_t>(at - open.order.begin()) + (at == open.order.end() ? 0 : 1);
}

CEOID seekIndex(OpenDatabase& open, const DatabaseEntry& database, DWORD index)
{
    if (!open.sort) {
        const CEOID oid = open.volume->recordAt(database, index);
        if (oid != 0)
            open.position = oid;
        return oid;
    }
    if (refreshOrder(open, database) != ERROR_SUCCESS || index >= open.order.size())
        return 0;
    open.orderIndex = index;
    return open.order[index];
}

bool seekRecord(OpenDatabase& open, const DatabaseEntry& database, CEOID oid)
{
    if (open.volume->databaseOfRecord(oid) != database.oid)
        return false;
    if (!open.sort) {
        open.position = oid;
        return true;
    }
    if (refreshOrder(open, database) != ERROR_SUCCESS)
        return false;
    auto at = std::find(open.order.begin(), open.order.end(), oid);
    open.orderIndex = static_cast<size_t>(at - open.order.begin());
    return at != open.order.end();
}

} // namespace ce
