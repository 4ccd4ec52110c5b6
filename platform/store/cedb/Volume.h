// One mounted database volume: a SQLite file inside the device file system holding the
// volume's GUID, its databases (a catalogue kept in memory as well) and one row per record
// with the record's properties packed (RecordCodec.h), keyed by database and record id.
//
// Changes go into one open transaction that commit() ends: CeFlushDBVol, the close of the
// volume's last open database, and the unmount call it. Commits run with full sync, so a host
// process killed after a flush keeps everything flushed and nothing of what came later.
//
// Object ids are 32-bit, shared by databases and records, given out in increasing order and
// never reused within the volume, so a database's records in id order are in creation order.
// Every member but open() expects lock() to be held.
#pragma once

#include <filesystem>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <vector>

#include "windbase.h"

struct sqlite3;
struct sqlite3_stmt;

namespace ce {

struct DatabaseEntry {
    CEOID oid = 0;
    std::u16string name;
    DWORD type = 0;
    DWORD flags = 0; // the database's own flags (high word of CEDBASEINFOEX::dwFlags)
    std::vector<SORTORDERSPECEX> sortOrders;
    DWORD records = 0;
    DWORD size = 0; // bytes of its records' packed properties
    ULONGLONG modified = 0; // FILETIME ticks, UTC
    unsigned openHandles = 0;
    bool dirty = false; // catalogue row not yet written
};

// Records read ahead for a cursor: ids ascending, each record's packed bytes at offsets[i].
struct RecordBatch {
    std::vector<CEOID> oids;
    std::vector<size_t> offsets; // one more than oids: the end of the last record
    std::vector<BYTE> bytes;
    CEOID from = 0; // holds every record of the database with id >= from, up to the last
    bool atEnd = false; // true when no record after the last one existed
    uint64_t changes = 0; // the volume's change count when read
};

class Volume {
public:
    // Opens or makes the file. A file that is not a volume of ours, or is damaged, fails with
    // `error` and is left as it was.
    // `now` (device time) stamps a file made here.
    static std::shared_ptr<Volume> open(
        const std::filesystem::path& file, std::u16string devicePath, ULONGLONG now, std::string& error);
    ~Volume();
    Volume(const Volume&) = delete;
    Volume& operator=(const Volume&) = delete;

    std::mutex& lock() { return m_lock; }
    const CEGUID& guid() const { return m_guid; }
    const std::u16string& devicePath() const { return m_devicePath; }
    const std::filesystem::path& file() const { return m_file; }
    bool mounted() const { return m_db != nullptr; }

    const std::vector<DatabaseEntry>& databases() const { return m_databases; }
    DatabaseEntry* findDatabase(CEOID oid);
    DatabaseEntry* findDatabase(std::u16string_view name);
    // The database holding record `oid`, or 0.
    CEOID databaseOfRecord(CEOID oid);

    DWORD createDatabase(DatabaseEntry entry, ULONGLONG now, CEOID& oid);
    DWORD deleteDatabase(CEOID oid, ULONGLONG now);
    // Writes `values` into record `oid` of the database (0 makes a new record, whose id comes
    // back in `oid`): properties with the same id are replaced, CEDB_PROPDELETE removes one.
    DWORD writeRecord(DatabaseEntry& database, CEOID& oid, std::span<const CEPROPVAL> values, ULONGLONG now);
    DWORD deleteRecord(DatabaseEntry& database, CEOID oid, ULONGLONG now);
    // The packed properties of record `oid` of the database; false when it has no such record.
    bool readRecord(const DatabaseEntry& database, CEOID oid, std::vector<BYTE>& packed);
    // Fills `batch` with records of the database from id `from` on.
    DWORD readRecords(const DatabaseEntry& database, CEOID from, RecordBatch& batch);
    // The id of the `index`-th record (0-based) of the database in creation order, or 0.
    CEOID recordAt(const DatabaseEntry& database, DWORD index);
    uint64_t changes() const { return m_changes; }

    // Ends the open transaction, and gives the file the device time of the last change as its
    // last-write time (the host would stamp its own clock); false when the file refused it.
    bool commit();
    // Commits and closes the file; the volume then answers nothing.
    void unmount();

private:
    Volume(sqlite3* db, std::filesystem::path file, std::u16string devicePath);
    bool setUp(std::string& error);
    void stampFile() const;
    bool loadCatalogue(std::string& error);
    bool prepare(std::string& error);
    bool begin();
    // Runs a change of rows (its parameters bound) inside the open transaction.
    bool change(sqlite3_stmt* statement);
    CEOID newOid();
    bool writeCatalogue();
    void changed(DatabaseEntry& database, ULONGLONG now);

    std::mutex m_lock;
    sqlite3* m_db;
    std::filesystem::path m_file;
    std::u16string m_devicePath;
    CEGUID m_guid {};
    CEOID m_nextOid = 1;
    std::vector<DatabaseEntry> m_databases; // in creation order
    std::vector<CEOID> m_deletedDatabases; // rows to remove at the next commit
    bool m_inTransaction = false;
    ULONGLONG m_lastChange = 0; // device time of the latest change
    uint64_t m_changes = 0;
    struct Statements;
    std::unique_ptr<Statements> m_statements;
};

// The CEDBASEINFOEX the calls report for a database.
void describeDatabase(const DatabaseEntry& database, CEDBASEINFOEX& info);

} // namespace ce
