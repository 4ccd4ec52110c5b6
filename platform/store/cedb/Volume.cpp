// A database volume's SQLite file: its schema, catalogue and record rows.
#include "Volume.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstring>
#include <random>

#include "RecordCodec.h"
#include "VolumeJournals.h"
#include "kernel/FileTimeTicks.h"
#include "text/CaseTable.h"
#include "winerror.h"

namespace ce {
namespace {

constexpr int kApplicationId = 0x4B434442; // marks the file as a volume of this device
constexpr int kSchemaVersion = 1;
constexpr int kBatchRecords = 256;

constexpr const char* kCreateSchema = R"sql(
    BEGIN IMMEDIATE;
    CREATE TABLE volume(guid BLOB NOT NULL, next_oid INTEGER NOT NULL);
    CREATE TABLE databases(
        oid INTEGER PRIMARY KEY,
        name BLOB NOT NULL,
        type INTEGER NOT NULL,
        flags INTEGER NOT NULL,
        sort_orders BLOB NOT NULL,
        records INTEGER NOT NULL,
        size INTEGER NOT NULL,
        modified INTEGER NOT NULL);
    CREATE TABLE records(key INTEGER PRIMARY KEY, props BLOB NOT NULL);
    PRAGMA application_id = 1262699586;
    PRAGMA user_version = 1;
)sql";

CEGUID randomGuid()
{
    std::random_device random;
    CEGUID guid {};
    // All bits set or clear name "no volume" and the object store.
    while (CHECK_INVALIDGUID(&guid) || CHECK_SYSTEMGUID(&guid))
        guid = CEGUID {random(), random(), random(), random()};
    return guid;
}

void bindBytes(sqlite3_stmt* statement, int column, const void* data, size_t size)
{
    // An empty value must still be a blob, not NULL.
    if (size == 0)
        sqlite3_bind_zeroblob(statement, column, 0);
    else
        sqlite3_bind_blob64(statement, column, data, size, SQLITE_STATIC);
}

std::span<const BYTE> columnBytes(sqlite3_stmt* statement, int column)
{
    auto data = static_cast<const BYTE*>(sqlite3_column_blob(statement, column));
    return {data, static_cast<size_t>(sqlite3_column_bytes(statement, column))};
}

// A record's row key: its database's id in the high half, its own in the low half, so that a
// database's records are one range of keys in creation order. The top bit is flipped so that
// SQLite's signed keys keep the unsigned order.
sqlite3_int64 recordKey(CEOID database, CEOID oid)
{
    return static_cast<sqlite3_int64>(((ULONGLONG {database} << 32) | oid) ^ (1ull << 63));
}

// Binds the range of a database's record keys from `from` on to parameters `first` and first + 1.
void bindRange(sqlite3_stmt* statement, int first, CEOID database, CEOID from)
{
    sqlite3_bind_int64(statement, first, recordKey(database, from));
    sqlite3_bind_int64(statement, first + 1, recordKey(database + 1, 0));
}

// Runs a statement that returns no rows and resets it.
bool run(sqlite3_stmt* statement)
{
    const int rc = sqlite3_step(statement);
    sqlite3_reset(statement);
    return rc == SQLITE_DONE;
}

struct StatementReset {
    sqlite3_stmt* statement;
    ~StatementReset() { sqlite3_reset(statement); }
};

} // namespace

struct Volume::Statements {
    sqlite3_stmt* putRecord = nullptr;
    sqlite3_stmt* getRecord = nullptr;
    sqlite3_stmt* deleteRecord = nullptr;
    sqlite3_stmt* readFrom = nullptr;
    sqlite3_stmt* recordDatabase = nullptr;
    sqlite3_stmt* recordAt = nullptr;
    sqlite3_stmt* putDatabase = nullptr;
    sqlite3_stmt* deleteDatabase = nullptr;
    sqlite3_stmt* deleteDatabaseRecords = nullptr;
    sqlite3_stmt* putNextOid = nullptr;

    ~Statements()
    {
        for (sqlite3_stmt* statement : {putRecord, getRecord, deleteRecord, readFrom, recordDatabase, recordAt,
                 putDatabase, deleteDatabase, deleteDatabaseRecords, putNextOid})
            sqlite3_finalize(statement);
    }
};

Volume::Volume(sqlite3* db, std::filesystem::path file, std::u16string devicePath)
    : m_db(db)
    , m_file(std::move(file))
    , m_devicePath(std::move(devicePath))
    , m_statements(std::make_unique<Statements>())
{
}

Volume::~Volume()
{
    unmount();
}

std::shared_ptr<Volume> Volume::open(
    const std::filesystem::path& file, std::u16string devicePath, ULONGLONG now, std::string& error)
{
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(
        file.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, volumeVfsName());
    std::shared_ptr<Volume> volume(new Volume(db, file, std::move(devicePath)));
    volume->m_lastChange = now;
    if (rc != SQLITE_OK) {
        error = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    } else if (volume->setUp(error) && volume->loadCatalogue(error) && volume->prepare(error)) {
        return volume;
    }
    // A file that was refused is closed untouched (no commit of anything).
    volume->m_inTransaction = false;
    volume->m_statements.reset();
    sqlite3_close_v2(volume->m_db);
    volume->m_db = nullptr;
    return nullptr;
}

bool Volume::setUp(std::string& error)
{
    auto query = [&](const char* sql, int& value) {
        sqlite3_stmt* statement = nullptr;
        bool ok = sqlite3_prepare_v2(m_db, sql, -1, &statement, nullptr) == SQLITE_OK
            && sqlite3_step(statement) == SQLITE_ROW;
        value = ok ? sqlite3_column_int(statement, 0) : 0;
        sqlite3_finalize(statement);
        if (!ok)
            error = sqlite3_errmsg(m_db);
        return ok;
    };
    int applicationId = 0, version = 0, tables = 0;
    if (!query("PRAGMA application_id", applicationId) || !query("PRAGMA user_version", version)
        || !query("SELECT count(*) FROM sqlite_master", tables))
        return false;
    if (applicationId == 0 && version == 0 && tables == 0) {
        if (sqlite3_exec(m_db, kCreateSchema, nullptr, nullptr, nullptr) != SQLITE_OK) {
            error = sqlite3_errmsg(m_db);
            sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
            return false;
        }
        m_guid = randomGuid();
        sqlite3_stmt* insert = nullptr;
        sqlite3_prepare_v2(m_db, "INSERT INTO volume(guid, next_oid) VALUES(?, 1)", -1, &insert, nullptr);
        bindBytes(insert, 1, &m_guid, sizeof m_guid);
        const bool made = run(insert) && sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK;
        sqlite3_finalize(insert);
        if (!made) {
            error = sqlite3_errmsg(m_db);
            sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
            return false;
        }
        stampFile();
    } else if (applicationId != kApplicationId || version != kSchemaVersion) {
        error = "not a database volume of this device";
        return false;
    }
    // Commits are the durable points: each one is synced in full.
    return sqlite3_exec(m_db, "PRAGMA synchronous = FULL; PRAGMA cache_size = -16384", nullptr, nullptr, nullptr)
        == SQLITE_OK;
}

bool Volume::loadCatalogue(std::string& error)
{
    sqlite3_stmt* statement = nullptr;
    bool ok = sqlite3_prepare_v2(m_db, "SELECT guid, next_oid FROM volume", -1, &statement, nullptr) == SQLITE_OK
        && sqlite3_step(statement) == SQLITE_ROW && columnBytes(statement, 0).size() == sizeof m_guid;
    if (ok) {
        std::memcpy(&m_guid, columnBytes(statement, 0).data(), sizeof m_guid);
        m_nextOid = static_cast<CEOID>(sqlite3_column_int64(statement, 1));
    }
    sqlite3_finalize(statement);
    statement = nullptr;
    ok = ok
        && sqlite3_prepare_v2(m_db,
               "SELECT oid, name, type, flags, sort_orders, records, size, modified FROM databases "
               "ORDER BY oid",
               -1, &statement, nullptr)
            == SQLITE_OK;
    int rc = SQLITE_ROW;
    while (ok && (rc = sqlite3_step(statement)) == SQLITE_ROW) {
        DatabaseEntry entry;
        entry.oid = static_cast<CEOID>(sqlite3_column_int64(statement, 0));
        auto name = columnBytes(statement, 1);
        auto sorts = columnBytes(statement, 4);
        ok = name.size() % 2 == 0 && name.size() < CEDB_MAXDBASENAMELEN * sizeof(WCHAR)
            && sorts.size() % sizeof(SORTORDERSPECEX) == 0
            && sorts.size() <= CEDB_MAXSORTORDER * sizeof(SORTORDERSPECEX);
        if (!ok)
            break;
        entry.name.resize(name.size() / 2);
        entry.sortOrders.resize(sorts.size() / sizeof(SORTORDERSPECEX));
        // An empty blob comes back as a null pointer.
        if (!name.empty())
            std::memcpy(entry.name.data(), name.data(), name.size());
        if (!sorts.empty())
            std::memcpy(entry.sortOrders.data(), sorts.data(), sorts.size());
        entry.type = static_cast<DWORD>(sqlite3_column_int64(statement, 2));
        entry.flags = static_cast<DWORD>(sqlite3_column_int64(statement, 3));
        entry.records = static_cast<DWORD>(sqlite3_column_int64(statement, 5));
        entry.size = static_cast<DWORD>(sqlite3_column_int64(statement, 6));
        entry.modified = static_cast<ULONGLONG>(sqlite3_column_int64(statement, 7));
        m_nextOid = std::max(m_nextOid, entry.oid + 1);
        m_databases.push_back(std::move(entry));
    }
    sqlite3_finalize(statement);
    if (!ok || rc != SQLITE_DONE)
        error = ok ? sqlite3_errmsg(m_db) : "damaged volume catalogue";
    return ok && rc == SQLITE_DONE;
}

bool Volume::prepare(std::string& error)
{
    Statements& s = *m_statements;
    const std::pair<const char*, sqlite3_stmt**> statements[] = {
        {"INSERT OR REPLACE INTO records(key, props) VALUES(?, ?)", &s.putRecord},
        {"SELECT props FROM records WHERE key = ?", &s.getRecord},
        {"DELETE FROM records WHERE key = ?", &s.deleteRecord},
        {"SELECT key, props FROM records WHERE key >= ? AND key < ? ORDER BY key LIMIT ?", &s.readFrom},
        {"SELECT 1 FROM records WHERE key = ?", &s.recordDatabase},
        {"SELECT key FROM records WHERE key >= ? AND key < ? ORDER BY key LIMIT 1 OFFSET ?", &s.recordAt},
        {"INSERT OR REPLACE INTO databases(oid, name, type, flags, sort_orders, records, size, modified) "
         "VALUES(?, ?, ?, ?, ?, ?, ?, ?)",
            &s.putDatabase},
        {"DELETE FROM databases WHERE oid = ?", &s.deleteDatabase},
        {"DELETE FROM records WHERE key >= ? AND key < ?", &s.deleteDatabaseRecords},
        {"UPDATE volume SET next_oid = ?", &s.putNextOid},
    };
    for (const auto& [sql, statement] : statements) {
        if (sqlite3_prepare_v3(m_db, sql, -1, SQLITE_PREPARE_PERSISTENT, statement, nullptr) != SQLITE_OK) {
            error = sqlite3_errmsg(m_db);
            return false;
        }
    }
    return true;
}

DatabaseEntry* Volume::findDatabase(CEOID oid)
{
    auto found = std::find_if(m_databases.begin(), m_databases.end(), [&](const auto& d) { return d.oid == oid; });
    return found == m_databases.end() ? nullptr : &*found;
}

DatabaseEntry* Volume::findDatabase(std::u16string_view name)
{
    auto found = std::find_if(
        m_databases.begin(), m_databases.end(), [&](const auto& d) { return sameNameDevice(d.name, name); });
    return found == m_databases.end() ? nullptr : &*found;
}

CEOID Volume::databaseOfRecord(CEOID oid)
{
    if (!m_db)
        return 0;
    // Records are keyed by database first; a volume holds few databases.
    sqlite3_stmt* statement = m_statements->recordDatabase;
    for (const DatabaseEntry& database : m_databases) {
        StatementReset reset {statement};
        sqlite3_bind_int64(statement, 1, recordKey(database.oid, oid));
        if (sqlite3_step(statement) == SQLITE_ROW)
            return database.oid;
    }
    return 0;
}

bool Volume::begin()
{
    if (!m_inTransaction)
        m_inTransaction = sqlite3_exec(m_db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) == SQLITE_OK;
    return m_inTransaction;
}

bool Volume::change(sqlite3_stmt* statement)
{
    if (!begin()) {
        sqlite3_clear_bindings(statement);
        return false;
    }
    return run(statement);
}

CEOID Volume::newOid()
{
    CEOID oid = m_nextOid++;
    return oid == 0xFFFFFFFFu ? 0 : oid;
}

void Volume::changed(DatabaseEntry& database, ULONGLONG now)
{
    m_lastChange = now;
    database.modified = now;
    database.dirty = true;
    ++m_changes;
}

DWORD Volume::createDatabase(DatabaseEntry entry, ULONGLONG now, CEOID& oid)
{
    if (!m_db || !begin())
        return ERROR_GEN_FAILURE;
    if (findDatabase(entry.name))
        return ERROR_DUP_NAME;
    oid = newOid();
    if (oid == 0)
        return ERROR_DISK_FULL;
    entry.oid = oid;
    changed(entry, now);
    m_databases.push_back(std::move(entry));
    return ERROR_SUCCESS;
}

DWORD Volume::deleteDatabase(CEOID oid, ULONGLONG now)
{
    auto found = std::find_if(m_databases.begin(), m_databases.end(), [&](const auto& d) { return d.oid == oid; });
    if (!m_db || found == m_databases.end())
        return ERROR_INVALID_PARAMETER;
    if (found->openHandles != 0)
        return ERROR_SHARING_VIOLATION;
    bindRange(m_statements->deleteDatabaseRecords, 1, oid, 0);
    if (!change(m_statements->deleteDatabaseRecords))
        return ERROR_GEN_FAILURE;
    m_deletedDatabases.push_back(oid);
    m_databases.erase(found);
    m_lastChange = now;
    ++m_changes;
    return ERROR_SUCCESS;
}

bool Volume::readRecord(const DatabaseEntry& database, CEOID oid, std::vector<BYTE>& packed)
{
    if (!m_db)
        return false;
    sqlite3_stmt* statement = m_statements->getRecord;
    StatementReset reset {statement};
    sqlite3_bind_int64(statement, 1, recordKey(database.oid, oid));
    if (sqlite3_step(statement) != SQLITE_ROW)
        return false;
    auto bytes = columnBytes(statement, 0);
    packed.assign(bytes.begin(), bytes.end());
    return true;
}

DWORD Volume::writeRecord(DatabaseEntry& database, CEOID& oid, std::span<const CEPROPVAL> values, ULONGLONG now)
{
    if (!m_db)
        return ERROR_INVALID_HANDLE;
    std::vector<BYTE> packed, old;
    std::vector<StoredProperty> kept;
    if (oid != 0 && (!readRecord(database, oid, old) || !unpackRecord(old.data(), old.size(), kept)))
        return ERROR_INVALID_PARAMETER;
    // Kept properties stay in their place; one written again takes its new value there.
    for (const StoredProperty& property : kept) {
        auto written
            = std::find_if(values.begin(), values.end(), [&](const CEPROPVAL& v) { return v.propid == property.id; });
        if (written == values.end())
            appendStored(property, packed);
        else if (!(written->wFlags & CEDB_PROPDELETE) && !packProperty(*written, packed))
            return ERROR_INVALID_PARAMETER;
    }
    for (auto value = values.begin(); value != values.end(); ++value) {
        const bool placed
            = std::any_of(values.begin(), value, [&](const CEPROPVAL& v) { return v.propid == value->propid; })
            || std::any_of(kept.begin(), kept.end(), [&](const StoredProperty& p) { return p.id == value->propid; });
        if (placed || (value->wFlags & CEDB_PROPDELETE))
            continue;
        if (!packProperty(*value, packed))
            return ERROR_INVALID_PARAMETER;
    }
    if (packed.size() > 0xFFFFFF00u || !begin())
        return ERROR_DISK_FULL;
    const bool fresh = oid == 0;
    if (fresh && (oid = newOid()) == 0)
        return ERROR_DISK_FULL;
    sqlite3_bind_int64(m_statements->putRecord, 1, recordKey(database.oid, oid));
    bindBytes(m_statements->putRecord, 2, packed.data(), packed.size());
    if (!run(m_statements->putRecord))
        return ERROR_DISK_FULL;
    database.records += fresh ? 1 : 0;
    database.size += static_cast<DWORD>(packed.size()) - static_cast<DWORD>(old.size());
    changed(database, now);
    return ERROR_SUCCESS;
}

DWORD Volume::deleteRecord(DatabaseEntry& database, CEOID oid, ULONGLONG now)
{
    std::vector<BYTE> old;
    if (!m_db || !readRecord(database, oid, old))
        return ERROR_INVALID_PARAMETER;
    sqlite3_bind_int64(m_statements->deleteRecord, 1, recordKey(database.oid, oid));
    if (!change(m_statements->deleteRecord))
        return ERROR_GEN_FAILURE;
    database.records -= 1;
    database.size -= static_cast<DWORD>(old.size());
    changed(database, now);
    return ERROR_SUCCESS;
}

DWORD Volume::readRecords(const DatabaseEntry& database, CEOID from, RecordBatch& batch)
{
    batch.oids.clear();
    batch.offsets.assign(1, 0);
    batch.bytes.clear();
    batch.from = from;
    batch.changes = m_changes;
    if (!m_db)
        return ERROR_INVALID_HANDLE;
    sqlite3_stmt* statement = m_statements->readFrom;
    StatementReset reset {statement};
    bindRange(statement, 1, database.oid, from);
    sqlite3_bind_int(statement, 3, kBatchRecords);
    int rc;
    while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
        batch.oids.push_back(static_cast<CEOID>(sqlite3_column_int64(statement, 0)));
        auto bytes = columnBytes(statement, 1);
        batch.bytes.insert(batch.bytes.end(), bytes.begin(), bytes.end());
        batch.offsets.push_back(batch.bytes.size());
    }
    batch.atEnd = batch.oids.size() < kBatchRecords;
    return rc == SQLITE_DONE ? ERROR_SUCCESS : ERROR_GEN_FAILURE;
}

CEOID Volume::recordAt(const DatabaseEntry& database, DWORD index)
{
    if (!m_db)
        return 0;
    sqlite3_stmt* statement = m_statements->recordAt;
    StatementReset reset {statement};
    bindRange(statement, 1, database.oid, 0);
    sqlite3_bind_int64(statement, 3, index);
    return sqlite3_step(statement) == SQLITE_ROW ? static_cast<CEOID>(sqlite3_column_int64(statement, 0)) : 0;
}

bool Volume::writeCatalogue()
{
    Statements& s = *m_statements;
    for (CEOID oid : m_deletedDatabases) {
        sqlite3_bind_int64(s.deleteDatabase, 1, oid);
        if (!run(s.deleteDatabase))
            return false;
    }
    m_deletedDatabases.clear();
    for (DatabaseEntry& database : m_databases) {
        if (!database.dirty)
            continue;
        sqlite3_bind_int64(s.putDatabase, 1, database.oid);
        bindBytes(s.putDatabase, 2, database.name.data(), database.name.size() * sizeof(WCHAR));
        sqlite3_bind_int64(s.putDatabase, 3, database.type);
        sqlite3_bind_int64(s.putDatabase, 4, database.flags);
        bindBytes(s.putDatabase, 5, database.sortOrders.data(), database.sortOrders.size() * sizeof(SORTORDERSPECEX));
        sqlite3_bind_int64(s.putDatabase, 6, database.records);
        sqlite3_bind_int64(s.putDatabase, 7, database.size);
        sqlite3_bind_int64(s.putDatabase, 8, static_cast<sqlite3_int64>(database.modified));
        if (!run(s.putDatabase))
            return false;
        database.dirty = false;
    }
    sqlite3_bind_int64(s.putNextOid, 1, m_nextOid);
    return run(s.putNextOid);
}

bool Volume::commit()
{
    if (!m_db || !m_inTransaction)
        return m_db != nullptr;
    if (!writeCatalogue() || sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK)
        return false;
    m_inTransaction = false;
    stampFile();
    return true;
}

void Volume::stampFile() const
{
    const struct timespec times[2] = {{0, UTIME_OMIT}, hostFromTicks(m_lastChange)};
    utimensat(AT_FDCWD, m_file.c_str(), times, 0);
}

void Volume::unmount()
{
    if (!m_db)
        return;
    commit();
    m_statements.reset();
    sqlite3_close_v2(m_db);
    m_db = nullptr;
}

void describeDatabase(const DatabaseEntry& database, CEDBASEINFOEX& info)
{
    std::memset(&info, 0, sizeof info);
    info.wVersion = CEDBASEINFOEX_VERSION;
    info.wNumSortOrder = static_cast<WORD>(database.sortOrders.size());
    info.dwFlags
        = CEDB_VALIDNAME | CEDB_VALIDTYPE | CEDB_VALIDSORTSPEC | CEDB_VALIDMODTIME | CEDB_VALIDDBFLAGS | database.flags;
    std::copy(database.name.begin(), database.name.end(), info.szDbaseName);
    info.dwDbaseType = database.type;
    info.dwNumRecords = database.records;
    info.dwSize = database.size;
    info.ftLastModified.dwLowDateTime = static_cast<DWORD>(database.modified);
    info.ftLastModified.dwHighDateTime = static_cast<DWORD>(database.modified >> 32);
    std::copy(database.sortOrders.begin(), database.sortOrders.end(), info.rgSortSpecs);
}

} // namespace ce
