// attrs.db in memory, written through.
#include "AttributeStore.h"

#include <sqlite3.h>

#include <functional>
#include <vector>

#include "DevicePath.h"
#include "emulator/Text.h"

namespace ce {
namespace {

// Keys below "K" sort between "K\" and "K]": ']' follows '\' in byte order.
std::u16string firstBelow(std::u16string_view key)
{
    return std::u16string(key) + u'\\';
}

std::u16string pastBelow(std::u16string_view key)
{
    return std::u16string(key) + u']';
}

bool isAtOrBelow(std::u16string_view candidate, std::u16string_view key)
{
    return candidate.starts_with(key) && (candidate.size() == key.size() || candidate[key.size()] == u'\\');
}

bool bindText(sqlite3_stmt* statement, int index, std::u16string_view text)
{
    std::string utf8 = emulator::toUtf8(text);
    return sqlite3_bind_text(statement, index, utf8.data(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT)
        == SQLITE_OK;
}

bool runStatement(sqlite3_stmt* statement)
{
    int result = sqlite3_step(statement);
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
    return result == SQLITE_DONE;
}

}  // namespace

AttributeStore::AttributeStore(sqlite3* db)
    : m_db(db)
{
}

AttributeStore::~AttributeStore()
{
    sqlite3_finalize(m_upsert);
    sqlite3_finalize(m_remove);
    sqlite3_finalize(m_removeTree);
    sqlite3_close(m_db);
}

std::unique_ptr<AttributeStore> AttributeStore::open(const std::filesystem::path& file, std::string& error)
{
    sqlite3* db = nullptr;
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX;
    if (sqlite3_open_v2(file.c_str(), &db, flags, nullptr) != SQLITE_OK) {
        error = "cannot open " + file.string() + ": " + (db ? sqlite3_errmsg(db) : "out of memory");
        sqlite3_close(db);
        return nullptr;
    }
    std::unique_ptr<AttributeStore> store(new AttributeStore(db));
    // WAL without a sync per commit: a change is written at once and survives a crash of
    // this process; only a host crash could lose the last ones.
    if (!store->execute("PRAGMA journal_mode=WAL") || !store->execute("PRAGMA synchronous=NORMAL")
        || !store->execute("CREATE TABLE IF NOT EXISTS attributes (path TEXT PRIMARY KEY, bits INTEGER NOT NULL)")
        || !store->prepare(error) || !store->load(error)) {
        if (error.empty())
            error = file.string() + ": " + sqlite3_errmsg(db);
        return nullptr;
    }
    return store;
}

bool AttributeStore::execute(const char* sql)
{
    return sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

bool AttributeStore::prepare(std::string& error)
{
    const std::pair<const char*, sqlite3_stmt**> statements[] = {
        {"INSERT OR REPLACE INTO attributes (path, bits) VALUES (?1, ?2)", &m_upsert},
        {"DELETE FROM attributes WHERE path = ?1", &m_remove},
        {"DELETE FROM attributes WHERE path >= ?1 AND path < ?2", &m_removeTree},
    };
    for (auto [sql, statement] : statements) {
        if (sqlite3_prepare_v2(m_db, sql, -1, statement, nullptr) != SQLITE_OK) {
            error = std::string("attrs.db: ") + sqlite3_errmsg(m_db);
            return false;
        }
    }
    return true;
}

bool AttributeStore::load(std::string& error)
{
    sqlite3_stmt* select = nullptr;
    if (sqlite3_prepare_v2(m_db, "SELECT path, bits FROM attributes", -1, &select, nullptr) != SQLITE_OK) {
        error = std::string("attrs.db: ") + sqlite3_errmsg(m_db);
        return false;
    }
    int result;
    while ((result = sqlite3_step(select)) == SQLITE_ROW) {
        auto text = reinterpret_cast<const char*>(sqlite3_column_text(select, 0));
        std::u16string key;
        // A record that is not a device path key cannot name an entry: it is left alone.
        if (text && emulator::fromUtf8Strict(text, key) && key.starts_with(u'\\'))
            remember(key, static_cast<DWORD>(sqlite3_column_int64(select, 1)));
    }
    sqlite3_finalize(select);
    if (result != SQLITE_DONE) {
        error = std::string("attrs.db: ") + sqlite3_errmsg(m_db);
        return false;
    }
    return true;
}

std::optional<DWORD> AttributeStore::lookup(std::u16string_view key) const
{
    const FolderRecords* records = folder(parentKey(key));
    if (!records)
        return std::nullopt;
    auto it = records->find(leafKey(key));
    return it == records->end() ? std::nullopt : std::optional<DWORD>(it->second);
}

const FolderRecords* AttributeStore::folder(std::u16string_view folderKey) const
{
    auto it = m_folders.find(folderKey);
    return it == m_folders.end() ? nullptr : &it->second;
}

void AttributeStore::remember(std::u16string_view key, std::optional<DWORD> bits)
{
    std::u16string_view folderKey = parentKey(key);
    std::u16string_view name = leafKey(key);
    if (bits) {
        auto it = m_folders.find(folderKey);
        if (it == m_folders.end())
            it = m_folders.emplace(std::u16string(folderKey), FolderRecords()).first;
        it->second.insert_or_assign(std::u16string(name), *bits);
        return;
    }
    auto it = m_folders.find(folderKey);
    if (it == m_folders.end())
        return;
    if (auto record = it->second.find(name); record != it->second.end())
        it->second.erase(record);
    if (it->second.empty())
        m_folders.erase(it);
}

bool AttributeStore::write(std::u16string_view key, std::optional<DWORD> bits)
{
    sqlite3_stmt* statement = bits ? m_upsert : m_remove;
    if (!bindText(statement, 1, key))
        return false;
    if (bits && sqlite3_bind_int64(statement, 2, *bits) != SQLITE_OK)
        return false;
    return runStatement(statement);
}

bool AttributeStore::eraseRows(std::u16string_view key)
{
    return write(key, std::nullopt) && bindText(m_removeTree, 1, firstBelow(key))
        && bindText(m_removeTree, 2, pastBelow(key)) && runStatement(m_removeTree);
}

bool AttributeStore::set(std::u16string_view key, std::optional<DWORD> bits)
{
    if (lookup(key) == bits)
        return true;
    if (!write(key, bits))
        return false;
    remember(key, bits);
    return true;
}

bool AttributeStore::inTransaction(const std::function<bool()>& body)
{
    if (!execute("BEGIN"))
        return false;
    if (body() && execute("COMMIT"))
        return true;
    execute("ROLLBACK");
    return false;
}

void AttributeStore::forgetTree(std::u16string_view key)
{
    remember(key, std::nullopt);
    std::erase_if(m_folders, [&](const auto& folder) { return isAtOrBelow(folder.first, key); });
}

bool AttributeStore::holdsTree(std::u16string_view key) const
{
    if (lookup(key))
        return true;
    for (const auto& folder : m_folders) {
        if (isAtOrBelow(folder.first, key))
            return true;
    }
    return false;
}

bool AttributeStore::eraseTree(std::u16string_view key)
{
    if (!holdsTree(key))
        return true;
    if (!inTransaction([&] { return eraseRows(key); }))
        return false;
    forgetTree(key);
    return true;
}

bool AttributeStore::moveTree(std::u16string_view from, std::u16string_view to)
{
    if (!holdsTree(from) && !holdsTree(to))
        return true;
    std::vector<std::pair<std::u16string, DWORD>> moved;
    if (auto bits = lookup(from))
        moved.emplace_back(std::u16string(to), *bits);
    for (const auto& [folderKey, records] : m_folders) {
        if (!isAtOrBelow(folderKey, from))
            continue;
        std::u16string newFolder = std::u16string(to) + folderKey.substr(from.size());
        for (const auto& [name, bits] : records)
            moved.emplace_back(newFolder + u'\\' + name, bits);
    }
    bool written = inTransaction([&] {
        if (!eraseRows(from) || !eraseRows(to))
            return false;
        for (const auto& [key, bits] : moved) {
            if (!write(key, bits))
                return false;
        }
        return true;
    });
    if (!written)
        return false;
    forgetTree(from);
    forgetTree(to);
    for (const auto& [key, bits] : moved)
        remember(key, bits);
    return true;
}

}  // namespace ce
