// The registry in memory: the four root keys and their trees, each key holding its sub-keys
// and values in creation order, plus the record of changes not yet written to registry.db.
// Not thread-safe; Registry guards it.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "NamedList.h"
#include "winreg.h"

namespace ce {

struct RegistryValue {
    std::u16string name;
    DWORD type = REG_NONE;
    std::vector<BYTE> data;  // byte-exact, as the caller wrote it
    int64_t id = 0;          // row id in registry.db; ids grow in creation order
    bool stored = false;     // its row is in registry.db or in a batch on the way there
    bool dirty = false;      // changed since the last batch was taken
};

struct RegistryKey : std::enable_shared_from_this<RegistryKey> {
    std::u16string name;
    RegistryKey* parent = nullptr;  // null for roots and for deleted keys
    NamedList<std::shared_ptr<RegistryKey>> subKeys;
    NamedList<std::unique_ptr<RegistryValue>> values;
    int64_t id = 0;
    bool denied = false;   // opening it fails with ERROR_ACCESS_DENIED
    bool deleted = false;  // taken out of the tree; open handles report ERROR_KEY_DELETED
    bool stored = false;
    bool rowDirty = false;  // the key's own row must be written
    bool queued = false;    // listed among the tree's changed keys
};

class RegistryTree {
public:
    // Roots in the order of the predefined handles: classes root, current user, local
    // machine, users. Their row ids are 1 to 4.
    static constexpr size_t kRootCount = 4;
    static const std::array<std::u16string_view, kRootCount> kRootNames;

    RegistryTree();
    ~RegistryTree();
    RegistryTree(const RegistryTree&) = delete;
    RegistryTree& operator=(const RegistryTree&) = delete;

    const std::shared_ptr<RegistryKey>& root(size_t index) const { return m_roots[index]; }

    // Loading rows from registry.db, parents before children (ascending ids). False when a
    // row does not fit: unknown parent, duplicate or malformed name.
    bool loadKey(int64_t id, int64_t parentId, std::u16string name, bool denied);
    bool loadValue(int64_t id, int64_t keyId, std::u16string name, DWORD type, std::vector<BYTE> data);
    void finishLoading();

    // Path operations relative to `from`; the path has passed checkKeyPath. A key marked
    // denied on the way, the target included, gives ERROR_ACCESS_DENIED unless the caller is
    // the device tool (`privileged`).
    LONG find(RegistryKey& from, std::u16string_view path, RegistryKey*& found) const;
    LONG create(RegistryKey& from, std::u16string_view path, RegistryKey*& found, bool& created,
                bool privileged = false);
    // Deletes the key and its whole subtree.
    LONG remove(RegistryKey& key);

    void setValue(RegistryKey& key, std::u16string_view name, DWORD type, const BYTE* data, size_t size);
    LONG deleteValue(RegistryKey& key, std::u16string_view name);
    void deny(RegistryKey& key);

    // The changes not yet written: rows to delete, and keys whose own row (rowDirty) or
    // values (dirty) must be written. Deleted keys may still be listed; they are skipped.
    const std::vector<int64_t>& deletedKeys() const { return m_deletedKeys; }
    const std::vector<int64_t>& deletedValues() const { return m_deletedValues; }
    const std::vector<std::shared_ptr<RegistryKey>>& changedKeys() const { return m_queued; }
    bool unchanged() const { return m_queued.empty() && m_deletedKeys.empty() && m_deletedValues.empty(); }
    // After the changes were committed: counts them as stored. Only the flush may call this
    // while readers run, as readers never look at the change marks.
    void markWritten();

private:
    RegistryKey* addKey(RegistryKey& parent, std::u16string_view name);
    void queue(RegistryKey& key);

    std::array<std::shared_ptr<RegistryKey>, kRootCount> m_roots;
    std::vector<std::shared_ptr<RegistryKey>> m_queued;  // keys with unwritten changes
    std::vector<int64_t> m_deletedKeys;
    std::vector<int64_t> m_deletedValues;
    int64_t m_nextKeyId = kRootCount + 1;
    int64_t m_nextValueId = 1;
    std::unordered_map<int64_t, RegistryKey*> m_loading;  // row id to key, while loading
};

}  // namespace ce
