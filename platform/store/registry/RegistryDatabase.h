// registry.db: the registry's rows in SQLite. Keys and values each have a table whose row ids
// grow in creation order, so loading in id order restores the creation order. The database
// runs in WAL mode with full sync: each flush is written in one transaction, and a
// process killed at any moment leaves every committed flush and nothing of a later one.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "RegistryTree.h"

struct sqlite3;
struct sqlite3_stmt;

namespace ce {

class RegistryDatabase {
public:
    // Opens the file, making it with the root keys when missing, and loads it into `tree`.
    static std::unique_ptr<RegistryDatabase> open(const std::filesystem::path& file, RegistryTree& tree,
                                                  std::string& error);
    ~RegistryDatabase();
    RegistryDatabase(const RegistryDatabase&) = delete;
    RegistryDatabase& operator=(const RegistryDatabase&) = delete;

    // Writes the tree's unwritten changes in one transaction.
    bool write(const RegistryTree& tree, std::string& error);

private:
    explicit RegistryDatabase(sqlite3* db);
    bool setUp(std::string& error);
    bool load(RegistryTree& tree, std::string& error);
    // Runs the query and hands each row to load(sqlite3_stmt*), stopping at the first it refuses.
    template <typename Load>
    bool loadRows(const char* sql, const char* what, std::string& error, Load&& load);
    bool prepareWrites(std::string& error);
    bool writeChanges(const RegistryTree& tree);
    bool writeKey(const RegistryKey& key);
    bool exec(const char* sql, std::string& error);
    std::string lastError() const;

    sqlite3* m_db;
    sqlite3_stmt* m_putKey = nullptr;
    sqlite3_stmt* m_putValue = nullptr;
    sqlite3_stmt* m_deleteKey = nullptr;
    sqlite3_stmt* m_deleteValue = nullptr;
};

}  // namespace ce
