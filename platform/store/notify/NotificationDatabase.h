// notify.db: the notification records in SQLite, one row each, keyed by handle. Handles come
// from AUTOINCREMENT, so they grow in creation order and are never given twice, across boots
// too. The file runs in WAL mode with synchronous=NORMAL and every change commits its own
// transaction: a host process killed at any moment keeps every change that returned.
#pragma once

#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "NotificationRecord.h"

struct sqlite3;
struct sqlite3_stmt;

namespace ce {

class NotificationDatabase {
public:
    // Opens the file (made when missing or empty) and loads its records in handle order. A file
    // that is damaged, not a database, or another program's database fails with `error` and
    // is not written to.
    static std::unique_ptr<NotificationDatabase> open(const std::filesystem::path& file,
                                                      std::vector<NotificationRecord>& records, std::string& error);
    ~NotificationDatabase();
    NotificationDatabase(const NotificationDatabase&) = delete;
    NotificationDatabase& operator=(const NotificationDatabase&) = delete;

    // In one transaction: deletes the rows of `removed`, then writes `written` when given (a
    // record with handle 0 gets a new handle, stored into it). False when nothing was changed.
    bool change(std::span<const DWORD> removed, NotificationRecord* written);

private:
    explicit NotificationDatabase(sqlite3* db);
    bool setUp(std::string& error);
    bool load(std::vector<NotificationRecord>& records, std::string& error);
    bool prepare(std::string& error);
    bool write(NotificationRecord& record);
    bool exec(const char* sql, std::string& error);

    sqlite3* m_db;
    sqlite3_stmt* m_insert = nullptr;
    sqlite3_stmt* m_delete = nullptr;
};

}  // namespace ce
