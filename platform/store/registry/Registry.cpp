// The registry object: handles, locking and flushing around the in-memory tree.
#include "Registry.h"

#include "RegistryDatabase.h"

namespace ce {

Registry::Registry(std::unique_ptr<RegistryTree> tree, std::unique_ptr<RegistryDatabase> database)
    : m_tree(std::move(tree))
    , m_database(std::move(database))
{
}

Registry::~Registry() = default;

std::unique_ptr<Registry> Registry::open(const std::filesystem::path& dbFile, std::string& error)
{
    auto tree = std::make_unique<RegistryTree>();
    auto database = RegistryDatabase::open(dbFile, *tree, error);
    if (!database)
        return nullptr;
    return std::unique_ptr<Registry>(new Registry(std::move(tree), std::move(database)));
}

bool Registry::flush()
{
    // Rows are written straight from the tree under the shared lock: readers go on, changes
    // wait. A failed write leaves every change marked, so the next flush writes it again.
    std::lock_guard flushGuard(m_flushLock);
    std::shared_lock guard(m_lock);
    if (m_tree->unchanged())
        return true;
    std::string error;
    if (!m_database->write(*m_tree, error))
        return false;
    m_tree->markWritten();
    return true;
}

namespace {

// The index of a predefined root handle, or kRootCount for any other handle.
size_t rootIndex(HKEY key)
{
    uintptr_t offset = reinterpret_cast<uintptr_t>(key) - reinterpret_cast<uintptr_t>(HKEY_CLASSES_ROOT);
    return offset < RegistryTree::kRootCount ? offset : RegistryTree::kRootCount;
}

bool isRoot(HKEY key)
{
    return rootIndex(key) < RegistryTree::kRootCount;
}

}  // namespace

std::shared_ptr<RegistryKey> Registry::resolve(HKEY key) const
{
    size_t root = rootIndex(key);
    return root < RegistryTree::kRootCount ? m_tree->root(root) : m_handles.find(key);
}

LONG Registry::openKey(HKEY key, std::u16string_view subKey, HKEY& result)
{
    std::shared_ptr<RegistryKey> opened;
    LONG status = withKey<std::shared_lock<std::shared_mutex>>(key, [&](RegistryKey& from) -> LONG {
        RegistryKey* found = nullptr;
        LONG rc = m_tree->find(from, subKey, found);
        if (rc == ERROR_SUCCESS)
            opened = found->shared_from_this();
        return rc;
    });
    if (status == ERROR_SUCCESS)
        result = m_handles.insert(std::move(opened));
    return status;
}

LONG Registry::createKey(HKEY key, std::u16string_view subKey, HKEY& result, DWORD& disposition)
{
    std::shared_ptr<RegistryKey> opened;
    LONG status = changeKey(key, [&](RegistryKey& from) -> LONG {
        RegistryKey* found = nullptr;
        bool created = false;
        LONG rc = m_tree->create(from, subKey, found, created);
        if (rc == ERROR_SUCCESS) {
            opened = found->shared_from_this();
            disposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
        }
        return rc;
    });
    if (status == ERROR_SUCCESS)
        result = m_handles.insert(std::move(opened));
    return status;
}

LONG Registry::closeKey(HKEY key)
{
    // A predefined root stays open.
    return isRoot(key) || m_handles.remove(key) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

LONG Registry::deleteKey(HKEY key, std::u16string_view subKey)
{
    return changeKey(key, [&](RegistryKey& from) -> LONG {
        RegistryKey* found = nullptr;
        LONG rc = m_tree->find(from, subKey, found);
        return rc == ERROR_SUCCESS ? m_tree->remove(*found) : rc;
    });
}

LONG Registry::setValue(HKEY key, std::u16string_view name, DWORD type, const BYTE* data, DWORD size)
{
    return changeKey(key, [&](RegistryKey& node) -> LONG {
        m_tree->setValue(node, name, type, data, size);
        return ERROR_SUCCESS;
    });
}

LONG Registry::deleteValue(HKEY key, std::u16string_view name)
{
    return changeKey(key, [&](RegistryKey& node) -> LONG { return m_tree->deleteValue(node, name); });
}

LONG Registry::flushKey(HKEY key)
{
    // The device flushes the whole registry whichever key is named.
    LONG status = readKey(key, [](const RegistryKey&) -> LONG { return ERROR_SUCCESS; });
    if (status != ERROR_SUCCESS)
        return status;
    return flush() ? ERROR_SUCCESS : ERROR_CANTWRITE;
}

LONG Registry::denyKey(HKEY key, std::u16string_view subKey)
{
    LONG status = changeKey(key, [&](RegistryKey& from) -> LONG {
        RegistryKey* found = nullptr;
        bool created = false;
        LONG rc = m_tree->create(from, subKey, found, created, true);
        if (rc == ERROR_SUCCESS)
            m_tree->deny(*found);
        return rc;
    });
    if (status != ERROR_SUCCESS)
        return status;
    return flush() ? ERROR_SUCCESS : ERROR_CANTWRITE;
}

}  // namespace ce
