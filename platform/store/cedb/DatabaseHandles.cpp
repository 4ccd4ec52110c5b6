// Open databases and database searches.
#include "DatabaseHandles.h"

#include <numeric>

namespace ce {

OpenDatabase::OpenDatabase(
    std::shared_ptr<Volume> volume, DatabaseEntry& database, bool autoIncrement, std::optional<SORTORDERSPECEX> sort)
    : volume(std::move(volume))
    , database(database.oid)
    , autoIncrement(autoIncrement)
    , sort(sort)
{
    ++database.openHandles;
}

OpenDatabase::~OpenDatabase()
{
    std::lock_guard guard(volume->lock());
    if (DatabaseEntry* entry = volume->findDatabase(database))
        --entry->openHandles;
    const auto& databases = volume->databases();
    const unsigned stillOpen = std::accumulate(databases.begin(), databases.end(), 0u,
        [](unsigned sum, const DatabaseEntry& d) { return sum + d.openHandles; });
    if (stillOpen == 0)
        volume->commit();
}

HANDLE openDatabaseHandle(const std::shared_ptr<Volume>& volume, DatabaseEntry& database, bool autoIncrement,
    std::optional<SORTORDERSPECEX> sort)
{
    return insertHandle(std::make_shared<OpenDatabase>(volume, database, autoIncrement, sort));
}

} // namespace ce
