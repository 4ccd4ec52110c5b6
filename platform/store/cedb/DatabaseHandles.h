// The kernel objects behind database handles: an open database with its read position, and
// a database search of CeFindFirstDatabaseEx.
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "Volume.h"
#include "kernel/Handles.h"

namespace ce {

struct OpenDatabase : KernelObject {
    // Made with the volume's lock held; counts itself as an open handle of the database.
    OpenDatabase(std::shared_ptr<Volume> volume, DatabaseEntry& database, bool autoIncrement,
        std::optional<SORTORDERSPECEX> sort);
    // Takes the volume's lock; the volume commits when its last open database closes.
    ~OpenDatabase() override;

    const std::shared_ptr<Volume> volume;
    const CEOID database;
    const bool autoIncrement;
    const std::optional<SORTORDERSPECEX> sort; // none: records in creation order
    // Guarded by the volume's lock (see DatabaseCursor.h).
    CEOID position = 0;
    RecordBatch batch;
    std::vector<CEOID> order;
    uint64_t orderChanges = 0;
    bool orderBuilt = false;
    size_t orderIndex = 0;
    std::vector<BYTE> sortedRecord;
};

struct DatabaseSearch : KernelObject {
    std::mutex lock; // guards next
    std::shared_ptr<Volume> volume;
    std::vector<CEOID> databases; // found when the search started, in creation order
    size_t next = 0;
};

// Opens the database as a handle of the calling thread's current process (volume lock held).
HANDLE openDatabaseHandle(const std::shared_ptr<Volume>& volume, DatabaseEntry& database, bool autoIncrement,
    std::optional<SORTORDERSPECEX> sort = std::nullopt);

} // namespace ce
