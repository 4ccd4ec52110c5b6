// Where an open database reads. In creation order the current record is the database's first
// with an id at or after the handle's position, so a deleted current record gives way to the
// next one; records are read ahead in batches. Under a sort order the handle keeps the record
// ids in order (made again after any change of the volume) and an index into them; a deleted
// current record likewise gives way to the one after it. Every call expects the volume's lock.
#pragma once

#include <span>

#include "DatabaseHandles.h"

namespace ce {

struct CursorRecord {
    CEOID oid = 0;
    std::span<const BYTE> packed;
};

// The current record; ERROR_NO_MORE_ITEMS past the last one.
DWORD currentRecord(OpenDatabase& open, const DatabaseEntry& database, CursorRecord& record);
// Makes the record after `oid` (the record just read) the current one.
void moveAfter(OpenDatabase& open, CEOID oid);
// Makes the `index`-th record (from 0) current; its id, or 0 when there is none.
CEOID seekIndex(OpenDatabase& open, const DatabaseEntry& database, DWORD index);
// Makes record `oid` current; false when the database has no such record.
bool seekRecord(OpenDatabase& open, const DatabaseEntry& database, CEOID oid);

} // namespace ce
