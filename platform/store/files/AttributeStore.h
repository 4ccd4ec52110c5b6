// attrs.db: the attribute bits a host file system cannot hold (READONLY, HIDDEN, SYSTEM, no
// ARCHIVE, the ROM bits). Records exist only for entries whose bits differ from their kind's
// default. The whole table lives in memory, grouped by folder, so that listing a folder asks
// no database; every change is written through at once.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "windef.h"

struct sqlite3;
struct sqlite3_stmt;

namespace ce {

struct KeyHash {
    using is_transparent = void;
    size_t operator()(std::u16string_view key) const { return std::hash<std::u16string_view>()(key); }
};

// One folder's records: upper-cased entry name -> bits.
using FolderRecords = std::unordered_map<std::u16string, DWORD, KeyHash, std::equal_to<>>;

class AttributeStore {
public:
    // Opens the database (made when missing) and loads every record.
    static std::unique_ptr<AttributeStore> open(const std::filesystem::path& file, std::string& error);
    ~AttributeStore();
    AttributeStore(const AttributeStore&) = delete;
    AttributeStore& operator=(const AttributeStore&) = delete;

    // Keys are upper-cased device paths ("\WINDOWS\A.DLL").
    std::optional<DWORD> lookup(std::u16string_view key) const;
    // The records of one folder, or null when it has none.
    const FolderRecords* folder(std::u16string_view folderKey) const;

    // Records `bits` for `key`; no bits removes the record. False when the database refused.
    bool set(std::u16string_view key, std::optional<DWORD> bits);
    // Removes the record of `key` and of everything below it.
    bool eraseTree(std::u16string_view key);
    // Moves the records of `from` and everything below it to `to`.
    bool moveTree(std::u16string_view from, std::u16string_view to);

private:
    explicit AttributeStore(sqlite3* db);
    bool prepare(std::string& error);
    bool load(std::string& error);
    bool write(std::u16string_view key, std::optional<DWORD> bits);
    bool eraseRows(std::u16string_view key);
    bool execute(const char* sql);
    bool inTransaction(const std::function<bool()>& body);
    void forgetTree(std::u16string_view key);
    bool holdsTree(std::u16string_view key) const;
    void remember(std::u16string_view key, std::optional<DWORD> bits);

    sqlite3* m_db;
    sqlite3_stmt* m_upsert = nullptr;
    sqlite3_stmt* m_remove = nullptr;
    sqlite3_stmt* m_removeTree = nullptr;
    std::unordered_map<std::u16string, FolderRecords, KeyHash, std::equal_to<>> m_folders;
};

}  // namespace ce
