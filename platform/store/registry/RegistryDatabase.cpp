// Loading and writing registry.db.
#include "RegistryDatabase.h"

#include <sqlite3.h>

namespace ce {
namespace {

constexpr int kSchemaVersion = 1;

constexpr const char* kCreateSchema = R"sql(
    BEGIN IMMEDIATE;
    CREATE TABLE IF NOT EXISTS registry_keys(
        id INTEGER PRIMARY KEY,
        parent INTEGER NOT NULL,
        name TEXT NOT NULL,
        denied INTEGER NOT NULL DEFAULT 0);
    CREATE TABLE IF NOT EXISTS registry_values(
        id INTEGER PRIMARY KEY,
        key INTEGER NOT NULL,
        name TEXT NOT NULL,
        type INTEGER NOT NULL,
        data BLOB NOT NULL);
    INSERT OR IGNORE INTO registry_keys(id, parent, name) VALUES
        (1, 0, 'HKEY_CLASSES_ROOT'), (2, 0, 'HKEY_CURRENT_USER'),
        (3, 0, 'HKEY_LOCAL_MACHINE'), (4, 0, 'HKEY_USERS');
    PRAGMA user_version = 1;
    COMMIT;
)sql";

std::u16string columnText(sqlite3_stmt* statement, int column)
{
    auto text = static_cast<const char16_t*>(sqlite3_column_text16(statement, column));
    size_t length = static_cast<size_t>(sqlite3_column_bytes16(statement, column)) / sizeof(char16_t);
    return text ? std::u16string(text, length) : std::u16string();
}

std::vector<BYTE> columnBlob(sqlite3_stmt* statement, int column)
{
    auto data = static_cast<const BYTE*>(sqlite3_column_blob(statement, column));
    size_t size = static_cast<size_t>(sqlite3_column_bytes(statement, column));
    return data ? std::vector<BYTE>(data, data + size) : std::vector<BYTE>();
}

void bindText(sqlite3_stmt* statement, int column, const std::u16string& text)
{
    sqlite3_bind_text16(statement, column, text.data(), static_cast<int>(text.size() * sizeof(char16_t)),
                        SQLITE_STATIC);
}

void bindBlob(sqlite3_stmt* statement, int column, const std::vector<BYTE>& data)
{
    // An empty blob must still be a blob, not NULL.
    if (data.empty())
        sqlite3_bind_zeroblob(statement, column, 0);
    else
        sqlite3_bind_blob64(statement, column, data.data(), data.size(), SQLITE_STATIC);
}

bool run(sqlite3_stmt* statement)
{
    int rc = sqlite3_step(statement);
    sqlite3_reset(statement);
    return rc == SQLITE_DONE;
}

bool deleteRows(sqlite3_stmt* statement, const std::vector<int64_t>& ids)
{
    for (int64_t id : ids) {
        sqlite3_bind_int64(statement, 1, id);
        if (!run(statement))
            return false;
    }
    return true;
}

}  // namespace

RegistryDatabase::RegistryDatabase(sqlite3* db)
    : m_db(db)
{
}

RegistryDatabase::~RegistryDatabase()
{
    for (sqlite3_stmt* statement : {m_putKey, m_putValue, m_deleteKey, m_deleteValue})
        sqlite3_finalize(statement);
    sqlite3_close_v2(m_db);
}

std::unique_ptr<RegistryDatabase> RegistryDatabase::open(const std::filesystem::path& file, RegistryTree& tree,
                                                         std::string& error)
{
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                             nullptr);
    std::unique_ptr<RegistryDatabase> database(new RegistryDatabase(db));
    if (rc != SQLITE_OK) {
        error = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    } else if (database->setUp(error) && database->load(tree, error) && database->prepareWrites(error)) {
        return database;
    }
    error = file.string() + ": " + error;
    return nullptr;
}

bool RegistryDatabase::setUp(std::string& error)
{
    sqlite3_busy_timeout(m_db, 5000);
    // The encoding applies only when the file is new; names then keep their exact UTF-16.
    if (!exec("PRAGMA encoding = 'UTF-16le'", error) || !exec("PRAGMA journal_mode = WAL", error) ||
        !exec("PRAGMA synchronous = FULL", error))
        return false;
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(m_db, "PRAGMA user_version", -1, &statement, nullptr) != SQLITE_OK) {
        error = lastError();
        return false;
    }
    int version = sqlite3_step(statement) == SQLITE_ROW ? sqlite3_column_int(statement, 0) : -1;
    sqlite3_finalize(statement);
    if (version < 0 || version > kSchemaVersion) {
        error = version < 0 ? lastError() : "made by a newer version of the emulator";
        return false;
    }
    if (version == 0 && !exec(kCreateSchema, error)) {
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        return false;
    }
    return true;
}

bool RegistryDatabase::load(RegistryTree& tree, std::string& error)
{
    bool loaded = loadRows("SELECT id, parent, name, denied FROM registry_keys ORDER BY id", "key", error,
                           [&](sqlite3_stmt* row) {
                               return tree.loadKey(sqlite3_column_int64(row, 0), sqlite3_column_int64(row, 1),
                                                   columnText(row, 2), sqlite3_column_int(row, 3) != 0);
                           }) &&
                  loadRows("SELECT id, key, name, type, data FROM registry_values ORDER BY id", "value", error,
                           [&](sqlite3_stmt* row) {
                               return tree.loadValue(sqlite3_column_int64(row, 0), sqlite3_column_int64(row, 1),
                                                     columnText(row, 2),
                                                     static_cast<DWORD>(sqlite3_column_int64(row, 3)),
                                                     columnBlob(row, 4));
                           });
    tree.finishLoading();
    return loaded;
}

template <typename Load>
bool RegistryDatabase::loadRows(const char* sql, const char* what, std::string& error, Load&& load)
{
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(m_db, sql, -1, &statement, nullptr) != SQLITE_OK) {
        error = lastError();
        return false;
    }
    int rc;
    while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
        if (!load(statement)) {
            error = std::string("damaged: ") + what + " row " + std::to_string(sqlite3_column_int64(statement, 0)) +
                    " does not fit the tree";
            sqlite3_finalize(statement);
            return false;
        }
    }
    if (rc != SQLITE_DONE)
        error = lastError();
    sqlite3_finalize(statement);
    return rc == SQLITE_DONE;
}

bool RegistryDatabase::prepareWrites(std::string& error)
{
    const std::pair<const char*, sqlite3_stmt**> statements[] = {
        {"INSERT OR REPLACE INTO registry_keys(id, parent, name, denied) VALUES(?, ?, ?, ?)", &m_putKey},
        {"INSERT OR REPLACE INTO registry_values(id, key, name, type, data) VALUES(?, ?, ?, ?, ?)", &m_putValue},
        {"DELETE FROM registry_keys WHERE id = ?", &m_deleteKey},
        {"DELETE FROM registry_values WHERE id = ?", &m_deleteValue},
    };
    for (const auto& [sql, statement] : statements) {
        if (sqlite3_prepare_v3(m_db, sql, -1, SQLITE_PREPARE_PERSISTENT, statement, nullptr) != SQLITE_OK) {
            error = lastError();
            return false;
        }
    }
    return true;
}

bool RegistryDatabase::write(const RegistryTree& tree, std::string& error)
{
    if (!exec("BEGIN IMMEDIATE", error))
        return false;
    if (!writeChanges(tree)) {
        error = lastError();
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        return false;
    }
    if (!exec("COMMIT", error)) {
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        return false;
    }
    return true;
}

bool RegistryDatabase::writeChanges(const RegistryTree& tree)
{
    if (!deleteRows(m_deleteKey, tree.deletedKeys()) || !deleteRows(m_deleteValue, tree.deletedValues()))
        return false;
    for (const auto& key : tree.changedKeys())
        if (!key->deleted && !writeKey(*key))
            return false;
    return true;
}

bool RegistryDatabase::writeKey(const RegistryKey& key)
{
    if (key.rowDirty) {
        sqlite3_bind_int64(m_putKey, 1, key.id);
        sqlite3_bind_int64(m_putKey, 2, key.parent ? key.parent->id : 0);
        bindText(m_putKey, 3, key.name);
        sqlite3_bind_int(m_putKey, 4, key.denied ? 1 : 0);
        if (!run(m_putKey))
            return false;
    }
    for (const auto& value : key.values) {
        if (!value->dirty)
            continue;
        sqlite3_bind_int64(m_putValue, 1, value->id);
        sqlite3_bind_int64(m_putValue, 2, key.id);
        bindText(m_putValue, 3, value->name);
        sqlite3_bind_int64(m_putValue, 4, value->type);
        bindBlob(m_putValue, 5, value->data);
        if (!run(m_putValue))
            return false;
    }
    return true;
}

bool RegistryDatabase::exec(const char* sql, std::string& error)
{
    char* message = nullptr;
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, &message) == SQLITE_OK)
        return true;
    error = message ? message : lastError();
    sqlite3_free(message);
    return false;
}

std::string RegistryDatabase::lastError() const
{
    return sqlite3_errmsg(m_db);
}

}  // namespace ce
