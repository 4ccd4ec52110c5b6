// The device registry kept in the image's registry.db. The whole tree lives in memory; changes
// are written to registry.db by flush(), all of them in one transaction. Every member is safe
// to call from any thread.
#pragma once

#include <filesystem>
#include <memory>
#include <mutex>
#include <shared_mutex>
#include <string>

#include "RegistryHandles.h"
#include "RegistryTree.h"
#include "winerror.h"

namespace ce {

class RegistryDatabase;

class Registry {
public:
    // Opens registry.db (made when missing) and loads it.
    static std::unique_ptr<Registry> open(const std::filesystem::path& dbFile, std::string& error);
    // Writes every change not yet flushed, in one transaction.
    bool flush();
    ~Registry();

    // The work of the Reg* calls once their arguments are checked. Each returns a Win32 code:
    // ERROR_INVALID_HANDLE for a handle that is not open, ERROR_KEY_DELETED for the handle of
    // a deleted key. Paths have passed checkKeyPath.
    LONG openKey(HKEY key, std::u16string_view subKey, HKEY& result);
    LONG createKey(HKEY key, std::u16string_view subKey, HKEY& result, DWORD& disposition);
    LONG closeKey(HKEY key);
    LONG deleteKey(HKEY key, std::u16string_view subKey);
    LONG setValue(HKEY key, std::u16string_view name, DWORD type, const BYTE* data, DWORD size);
    LONG deleteValue(HKEY key, std::u16string_view name);
    LONG flushKey(HKEY key);
    // Creates the key when missing and marks it so that opening it is denied; flushed at once.
    LONG denyKey(HKEY key, std::u16string_view subKey);

    // Calls read(const RegistryKey&) with the key of the handle while no one can change the
    // tree, and returns its result.
    template <typename Read>
    LONG readKey(HKEY key, Read&& read) const
    {
        return withKey<std::shared_lock<std::shared_mutex>>(key, [&](const RegistryKey& node) { return read(node); });
    }

private:
    Registry(std::unique_ptr<RegistryTree> tree, std::unique_ptr<RegistryDatabase> database);
    std::shared_ptr<RegistryKey> resolve(HKEY key) const;
    // Calls work(RegistryKey&) with the key of the handle, holding the tree lock as Lock.
    template <typename Lock, typename Work>
    LONG withKey(HKEY key, Work&& work) const
    {
        std::shared_ptr<RegistryKey> node = resolve(key);
        if (!node)
            return ERROR_INVALID_HANDLE;
        Lock guard(m_lock);
        if (node->deleted)
            return ERROR_KEY_DELETED;
        return work(*node);
    }
    template <typename Change>
    LONG changeKey(HKEY key, Change&& change)
    {
        return withKey<std::unique_lock<std::shared_mutex>>(key, std::forward<Change>(change));
    }

    std::unique_ptr<RegistryTree> m_tree;
    std::unique_ptr<RegistryDatabase> m_database;
    RegistryHandles m_handles;
    mutable std::shared_mutex m_lock;  // guards m_tree
    std::mutex m_flushLock;            // one flush at a time; guards m_database
};

}  // namespace ce
