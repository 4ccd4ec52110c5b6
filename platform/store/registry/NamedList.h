// Entries kept in creation order with a case-insensitive lookup on their names: enumeration by
// position is one vector access. Lookup by name scans short lists and uses a hash index once a
// list grows past a few entries (most keys hold only a few values and sub-keys, and an index
// per list would double the registry's memory). Each entry is heap-held, so the index can key
// on a view of the entry's own name.
#pragma once

#include <algorithm>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "RegistryNames.h"

namespace ce {

template <typename Pointer>
class NamedList {
public:
    using Entry = typename Pointer::element_type;

    size_t size() const { return m_order.size(); }
    bool empty() const { return m_order.empty(); }
    Entry* at(size_t index) const { return index < m_order.size() ? m_order[index].get() : nullptr; }
    auto begin() const { return m_order.begin(); }
    auto end() const { return m_order.end(); }

    Entry* find(std::u16string_view name) const
    {
        if (m_index.empty()) {
            for (const Pointer& entry : m_order)
                if (RegistryNameEqual()(entry->name, name))
                    return entry.get();
            return nullptr;
        }
        auto it = m_index.find(name);
        return it == m_index.end() ? nullptr : it->second;
    }

    // Appends the entry; null when its name is already taken.
    Entry* add(Pointer entry)
    {
        Entry* raw = entry.get();
        if (find(raw->name))
            return nullptr;
        m_order.push_back(std::move(entry));
        if (!m_index.empty())
            m_index.emplace(std::u16string_view(raw->name), raw);
        else if (m_order.size() > kIndexFrom)
            for (const Pointer& each : m_order)
                m_index.emplace(std::u16string_view(each->name), each.get());
        return raw;
    }

    // Takes the entry out; later entries move up one position.
    Pointer remove(Entry* entry)
    {
        m_index.erase(std::u16string_view(entry->name));
        // Search from the back: recently made entries are the ones most often removed.
        auto it = std::find_if(m_order.rbegin(), m_order.rend(), [&](const Pointer& p) { return p.get() == entry; });
        Pointer owned = std::move(*it);
        m_order.erase(std::next(it).base());
        return owned;
    }

    // Empties the list, handing the entries to the caller.
    std::vector<Pointer> release()
    {
        m_index.clear();
        std::vector<Pointer> entries;
        entries.swap(m_order);
        return entries;
    }

private:
    static constexpr size_t kIndexFrom = 8;

    std::vector<Pointer> m_order;
    // Empty while the list is short, else it holds every entry.
    std::unordered_map<std::u16string_view, Entry*, RegistryNameHash, RegistryNameEqual> m_index;
};

}  // namespace ce
