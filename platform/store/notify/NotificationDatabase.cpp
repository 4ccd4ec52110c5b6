// Loading and changing notify.db.
#include "NotificationDatabase.h"

#include <sqlite3.h>

#include <cstring>

namespace ce {
namespace {

// "KvNt": marks the file as ours, so that another program's database is never taken over.
constexpr int kApplicationId = 0x4B764E74;
constexpr int kSchemaVersion = 1;

constexpr const char* kCreateSchema = R"sql(
    BEGIN IMMEDIATE;
    CREATE TABLE notifications(
        handle INTEGER PRIMARY KEY AUTOINCREMENT,
        status INTEGER NOT NULL,
        has_trigger INTEGER NOT NULL,
        trigger_type INTEGER NOT NULL,
        event INTEGER NOT NULL,
        application TEXT,
        arguments TEXT,
        start_time BLOB NOT NULL,
        end_time BLOB NOT NULL,
        has_user INTEGER NOT NULL,
        action_flags INTEGER NOT NULL,
        dialog_title TEXT,
        dialog_text TEXT,
        sound TEXT,
        max_sound INTEGER NOT NULL,
        reserved INTEGER NOT NULL);
    PRAGMA application_id = 1266044532;
    PRAGMA user_version = 1;
    COMMIT;
)sql";
static_assert(kApplicationId == 1266044532);

constexpr const char* kColumns =
    "handle, status, has_trigger, trigger_type, event, application, arguments, start_time, end_time, "
    "has_user, action_flags, dialog_title, dialog_text, sound, max_sound, reserved";

OptionalText columnText(sqlite3_stmt* row, int column)
{
    if (sqlite3_column_type(row, column) == SQLITE_NULL)
        return std::nullopt;
    auto text = static_cast<const char16_t*>(sqlite3_column_text16(row, column));
    const auto length = static_cast<size_t>(sqlite3_column_bytes16(row, column)) / sizeof(char16_t);
    return text ? std::u16string(text, length) : std::u16string();
}

bool columnTime(sqlite3_stmt* row, int column, SYSTEMTIME& time)
{
    if (sqlite3_column_bytes(row, column) != sizeof time)
        return false;
    std::memcpy(&time, sqlite3_column_blob(row, column), sizeof time);
    return true;
}

DWORD columnDword(sqlite3_stmt* row, int column)
{
    return static_cast<DWORD>(sqlite3_column_int64(row, column));
}

bool readRow(sqlite3_stmt* row, NotificationRecord& record)
{
    record.handle = columnDword(row, 0);
    record.status = columnDword(row, 1);
    TriggerRecord trigger{columnDword(row, 3), columnDword(row, 4), columnText(row, 5), columnText(row, 6), {}, {}};
    if (!columnTime(row, 7, trigger.startTime) || !columnTime(row, 8, trigger.endTime))
        return false;
    if (sqlite3_column_int(row, 2))
        record.trigger = std::move(trigger);
    if (sqlite3_column_int(row, 9))
        record.user = UserRecord{columnDword(row, 10), columnText(row, 11), columnText(row, 12), columnText(row, 13),
                                 columnDword(row, 14), columnDword(row, 15)};
    return record.handle != 0;
}

// An absent text is NULL; an empty one is an empty text (a non-null pointer of length 0).
void bindText(sqlite3_stmt* statement, int column, const OptionalText& text)
{
    if (text)
        sqlite3_bind_text16(statement, column, text->c_str(), static_cast<int>(text->size() * sizeof(char16_t)),
                            SQLITE_STATIC);
    else
        sqlite3_bind_null(statement, column);
}

void bindTime(sqlite3_stmt* statement, int column, const SYSTEMTIME& time)
{
    sqlite3_bind_blob(statement, column, &time, sizeof time, SQLITE_STATIC);
}

bool run(sqlite3_stmt* statement)
{
    const int rc = sqlite3_step(statement);
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
    return rc == SQLITE_DONE;
}

int queryInt(sqlite3* db, const char* sql, std::string& error)
{
    sqlite3_stmt* statement = nullptr;
    int value = -1;
    if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) == SQLITE_OK && sqlite3_step(statement) == SQLITE_ROW)
        value = sqlite3_column_int(statement, 0);
    else
        error = sqlite3_errmsg(db);
    sqlite3_finalize(statement);
    return value;
}

}  // namespace

NotificationDatabase::NotificationDatabase(sqlite3* db)
    : m_db(db)
{
}

NotificationDatabase::~NotificationDatabase()
{
    sqlite3_finalize(m_insert);
    sqlite3_finalize(m_delete);
    sqlite3_close_v2(m_db);
}

std::unique_ptr<NotificationDatabase> NotificationDatabase::open(const std::filesystem::path& file,
                                                                 std::vector<NotificationRecord>& records,
                                                                 std::string& error)
{
    sqlite3* db = nullptr;
    const int rc =
        sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    std::unique_ptr<NotificationDatabase> database(new NotificationDatabase(db));
    if (rc != SQLITE_OK)
        error = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    else if (database->setUp(error) && database->load(records, error) && database->prepare(error))
        return database;
    error = file.string() + ": " + error;
    return nullptr;
}

// Every check reads before anything is written, so a file that is not ours stays as it was.
bool NotificationDatabase::setUp(std::string& error)
{
    sqlite3_busy_timeout(m_db, 5000);
    const int tables = queryInt(m_db, "SELECT count(*) FROM sqlite_schema", error);
    if (tables < 0)
        return false;
    if (tables == 0) {
        if (!exec("PRAGMA encoding = 'UTF-16le'", error) || !exec(kCreateSchema, error)) {
            sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
            return false;
        }
    } else if (queryInt(m_db, "PRAGMA application_id", error) != kApplicationId) {
        error = "not a notification database (another program's SQLite file)";
        return false;
    } else if (queryInt(m_db, "PRAGMA user_version", error) != kSchemaVersion) {
        error = "made by another version of the emulator";
        return false;
    }
    return exec("PRAGMA journal_mode = WAL", error) && exec("PRAGMA synchronous = NORMAL", error);
}

bool NotificationDatabase::load(std::vector<NotificationRecord>& records, std::string& error)
{
    const std::string sql = std::string("SELECT ") + kColumns + " FROM notifications ORDER BY handle";
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(m_db, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
        error = sqlite3_errmsg(m_db);
        return false;
    }
    int rc;
    while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
        NotificationRecord record;
        if (!readRow(statement, record)) {
            error = "damaged: row " + std::to_string(sqlite3_column_int64(statement, 0)) + " is not a notification";
            sqlite3_finalize(statement);
            return false;
        }
        records.push_back(std::move(record));
    }
    if (rc != SQLITE_DONE)
        error = sqlite3_errmsg(m_db);
    sqlite3_finalize(statement);
    return rc == SQLITE_DONE;
}

bool NotificationDatabase::prepare(std::string& error)
{
    const std::string insert = std::string("INSERT OR REPLACE INTO notifications(") + kColumns +
                               ") VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)";
    if (sqlite3_prepare_v3(m_db, insert.c_str(), -1, SQLITE_PREPARE_PERSISTENT, &m_insert, nullptr) != SQLITE_OK ||
        sqlite3_prepare_v3(m_db, "DELETE FROM notifications WHERE handle = ?", -1, SQLITE_PREPARE_PERSISTENT,
                           &m_delete, nullptr) != SQLITE_OK) {
        error = sqlite3_errmsg(m_db);
        return false;
    }
    return true;
}

bool NotificationDatabase::write(NotificationRecord& record)
{
    static const TriggerRecord noTrigger;
    static const UserRecord noUser;
    const TriggerRecord& trigger = record.trigger ? *record.trigger : noTrigger;
    const UserRecord& user = record.user ? *record.user : noUser;
    if (record.handle)
        sqlite3_bind_int64(m_insert, 1, record.handle);
    else
        sqlite3_bind_null(m_insert, 1);
    sqlite3_bind_int64(m_insert, 2, record.status);
    sqlite3_bind_int(m_insert, 3, record.trigger.has_value());
    sqlite3_bind_int64(m_insert, 4, trigger.type);
    sqlite3_bind_int64(m_insert, 5, trigger.event);
    bindText(m_insert, 6, trigger.application);
    bindText(m_insert, 7, trigger.arguments);
    bindTime(m_insert, 8, trigger.startTime);
    bindTime(m_insert, 9, trigger.endTime);
    sqlite3_bind_int(m_insert, 10, record.user.has_value());
    sqlite3_bind_int64(m_insert, 11, user.actionFlags);
    bindText(m_insert, 12, user.dialogTitle);
    bindText(m_insert, 13, user.dialogText);
    bindText(m_insert, 14, user.sound);
    sqlite3_bind_int64(m_insert, 15, user.maxSound);
    sqlite3_bind_int64(m_insert, 16, user.reserved);
    if (!run(m_insert))
        return false;
    const auto handle = sqlite3_last_insert_rowid(m_db);
    // Handles are 32-bit on the device.
    if (handle <= 0 || handle > 0xFFFFFFFFll)
        return false;
    record.handle = static_cast<DWORD>(handle);
    return true;
}

bool NotificationDatabase::change(std::span<const DWORD> removed, NotificationRecord* written)
{
    std::string error;
    if (!exec("BEGIN IMMEDIATE", error))
        return false;
    bool ok = true;
    for (DWORD handle : removed) {
        sqlite3_bind_int64(m_delete, 1, handle);
        ok = ok && run(m_delete);
    }
    NotificationRecord copy = written ? *written : NotificationRecord{};
    ok = ok && (!written || write(copy));
    if (!ok || !exec("COMMIT", error)) {
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        return false;
    }
    if (written)
        written->handle = copy.handle;
    return true;
}

bool NotificationDatabase::exec(const char* sql, std::string& error)
{
    char* message = nullptr;
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, &message) == SQLITE_OK)
        return true;
    error = message ? message : sqlite3_errmsg(m_db);
    sqlite3_free(message);
    return false;
}

}  // namespace ce
