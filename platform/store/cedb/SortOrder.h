// Reading a database in the order of one of its sort orders (given to CeOpenDatabaseEx2):
// records compare by the sort order's properties in turn, each by its type and flags
// (descending, case-insensitive texts, records lacking it first or last), then by creation.
#pragma once

#include <vector>

#include "Volume.h"

namespace ce {

// True when `sort` is one of the database's sort orders (the same properties and flags).
bool isSortOrderOf(const DatabaseEntry& database, const SORTORDERSPECEX& sort);
// The ids of the database's records in the sort order's order (volume lock held).
DWORD sortedRecords(
    Volume& volume, const DatabaseEntry& database, const SORTORDERSPECEX& sort, std::vector<CEOID>& order);

} // namespace ce
