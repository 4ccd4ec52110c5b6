// The in-memory registry tree and its change record.
#include "RegistryTree.h"

#include "winerror.h"

namespace ce {

const std::array<std::u16string_view, RegistryTree::kRootCount> RegistryTree::kRootNames = {
    u"HKEY_CLASSES_ROOT", u"HKEY_CURRENT_USER", u"HKEY_LOCAL_MACHINE", u"HKEY_USERS"};

RegistryTree::RegistryTree()
{
    for (size_t i = 0; i < kRootCount; ++i) {
        auto root = std::make_shared<RegistryKey>();
        root->name = kRootNames[i];
        root->id = static_cast<int64_t>(i + 1);
        root->stored = true;  // registry.db is made with the root rows
        m_loading.emplace(root->id, root.get());
        m_roots[i] = std::move(root);
    }
}

RegistryTree::~RegistryTree()
{
    // Taken apart level by level: a deep tree must not recurse through destructors.
    std::vector<std::shared_ptr<RegistryKey>> pending(m_roots.begin(), m_roots.end());
    while (!pending.empty()) {
        std::shared_ptr<RegistryKey> key = std::move(pending.back());
        pending.pop_back();
        for (auto& child : key->subKeys.release())
            pending.push_back(std::move(child));
    }
}

bool RegistryTree::loadKey(int64_t id, int64_t parentId, std::u16string name, bool denied)
{
    if (id <= static_cast<int64_t>(kRootCount)) {
        // A root row: only its mark can differ from the built-in root.
        if (id < 1 || parentId != 0)
            return false;
        m_roots[id - 1]->denied = denied;
        return true;
    }
    auto parent = m_loading.find(parentId);
    if (parent == m_loading.end() || name.empty() || name.size() > kMaxRegistryNameLength ||
        name.find(u'\\') != std::u16string::npos)
        return false;
    auto key = std::make_shared<RegistryKey>();
    key->name = std::move(name);
    key->parent = parent->second;
    key->id = id;
    key->denied = denied;
    key->stored = true;
    RegistryKey* added = parent->second->subKeys.add(std::move(key));
    if (!added || !m_loading.emplace(id, added).second)
        return false;
    m_nextKeyId = std::max(m_nextKeyId, id + 1);
    return true;
}

bool RegistryTree::loadValue(int64_t id, int64_t keyId, std::u16string name, DWORD type, std::vector<BYTE> data)
{
    auto key = m_loading.find(keyId);
    if (key == m_loading.end() || name.size() > kMaxRegistryNameLength)
        return false;
    auto value = std::make_unique<RegistryValue>();
    value->name = std::move(name);
    value->type = type;
    value->data = std::move(data);
    value->id = id;
    value->stored = true;
    if (!key->second->values.add(std::move(value)))
        return false;
    m_nextValueId = std::max(m_nextValueId, id + 1);
    return true;
}

void RegistryTree::finishLoading()
{
    m_loading = {};
}

LONG RegistryTree::find(RegistryKey& from, std::u16string_view path, RegistryKey*& found) const
{
    RegistryKey* key = &from;
    std::u16string_view component;
    while (nextKeyPathComponent(path, component)) {
        key = key->subKeys.find(component);
        if (!key)
            return ERROR_FILE_NOT_FOUND;
        if (key->denied)
            return ERROR_ACCESS_DENIED;
    }
    found = key;
    return ERROR_SUCCESS;
}

LONG RegistryTree::create(RegistryKey& from, std::u16string_view path, RegistryKey*& found, bool& created,
                          bool privileged)
{
    RegistryKey* key = &from;
    created = false;
    std::u16string_view component;
    while (nextKeyPathComponent(path, component)) {
        RegistryKey* next = created ? nullptr : key->subKeys.find(component);
        if (next && next->denied && !privileged)
            return ERROR_ACCESS_DENIED;
        if (!next) {
            next = addKey(*key, component);
            created = true;
        }
        key = next;
    }
    found = key;
    return ERROR_SUCCESS;
}

RegistryKey* RegistryTree::addKey(RegistryKey& parent, std::u16string_view name)
{
    auto key = std::make_shared<RegistryKey>();
    key->name = name;
    key->parent = &parent;
    key->id = m_nextKeyId++;
    RegistryKey* added = parent.subKeys.add(std::move(key));
    added->rowDirty = true;
    queue(*added);
    return added;
}

LONG RegistryTree::remove(RegistryKey& key)
{
    if (!key.parent)
        return ERROR_ACCESS_DENIED;  // a root
    // A protected key cannot go, not even with an ancestor: check the subtree first.
    std::vector<RegistryKey*> pending{&key};
    while (!pending.empty()) {
        RegistryKey* next = pending.back();
        pending.pop_back();
        if (next->denied)
            return ERROR_ACCESS_DENIED;
        for (const auto& child : next->subKeys)
            pending.push_back(child.get());
    }
    std::vector<std::shared_ptr<RegistryKey>> detached{key.parent->subKeys.remove(&key)};
    while (!detached.empty()) {
        std::shared_ptr<RegistryKey> next = std::move(detached.back());
        detached.pop_back();
        next->deleted = true;
        next->parent = nullptr;
        if (next->stored)
            m_deletedKeys.push_back(next->id);
        for (const auto& value : next->values.release())
            if (value->stored)
                m_deletedValues.push_back(value->id);
        for (auto& child : next->subKeys.release())
            detached.push_back(std::move(child));
    }
    return ERROR_SUCCESS;
}

void RegistryTree::setValue(RegistryKey& key, std::u16string_view name, DWORD type, const BYTE* data, size_t size)
{
    RegistryValue* value = key.values.find(name);
    if (!value) {
        auto made = std::make_unique<RegistryValue>();
        made->name = name;
        made->id = m_nextValueId++;
        value = key.values.add(std::move(made));
    }
    value->type = type;
    value->data.assign(data, data + size);
    value->dirty = true;
    queue(key);
}

LONG RegistryTree::deleteValue(RegistryKey& key, std::u16string_view name)
{
    RegistryValue* value = key.values.find(name);
    if (!value)
        return ERROR_FILE_NOT_FOUND;
    if (value->stored)
        m_deletedValues.push_back(value->id);
    key.values.remove(value);
    return ERROR_SUCCESS;
}

void RegistryTree::deny(RegistryKey& key)
{
    key.denied = true;
    key.rowDirty = true;
    queue(key);
}

void RegistryTree::queue(RegistryKey& key)
{
    if (key.queued)
        return;
    key.queued = true;
    m_queued.push_back(key.shared_from_this());
}

void RegistryTree::markWritten()
{
    m_deletedKeys.clear();
    m_deletedValues.clear();
    for (const auto& key : m_queued) {
        key->queued = false;
        if (key->deleted)
            continue;
        if (key->rowDirty) {
            key->rowDirty = false;
            key->stored = true;
        }
        for (const auto& value : key->values) {
            if (value->dirty) {
                value->dirty = false;
                value->stored = true;
            }
        }
    }
    m_queued.clear();
}

}  // namespace ce
