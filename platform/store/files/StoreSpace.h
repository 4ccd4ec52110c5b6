// Sizes and free space of the device's volumes: the object store (everything outside the
// storage cards) and each card of the profile. Usage is measured by one walk the first time
// it is needed and kept current by every change the file calls make. Cards count whole
// clusters of their FAT geometry.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "emulator/Profile.h"

namespace ce {

class StoreSpace {
public:
    static constexpr size_t objectStore = 0;

    StoreSpace(int rootFd, const emulator::Profile& profile);

    // The volume of a device path key: objectStore, or 1 + the index of its card.
    size_t volumeOf(std::u16string_view key) const;
    bool isCardRoot(std::u16string_view key) const;
    // True for a host name in root/ that is a card's folder.
    bool isCardFolderName(std::u16string_view name) const;

    ULONGLONG totalBytes(size_t volume) const { return m_volumes[volume].size; }
    ULONGLONG freeBytes(size_t volume);
    // Whether a file of `oldSize` bytes may grow to `newSize`.
    bool fits(size_t volume, ULONGLONG oldSize, ULONGLONG newSize);
    void resize(size_t volume, ULONGLONG oldSize, ULONGLONG newSize);

private:
    struct Volume {
        std::u16string name;  // a card's folder name; empty for the object store
        std::u16string upperName;
        ULONGLONG size = 0;
        ULONGLONG clusterBytes = 1;
        std::optional<ULONGLONG> used;
    };
    ULONGLONG footprint(const Volume& volume, ULONGLONG bytes) const;
    ULONGLONG measure(size_t volume) const;
    ULONGLONG measureTree(int folder, const Volume& volume, bool skipCards, int depth) const;
    size_t cardNamed(std::u16string_view name) const;

    int m_rootFd;
    std::vector<Volume> m_volumes;
};

}  // namespace ce
