// Sizes and free space of the device's volumes: the object store (everything outside the
// storage cards) and each card of the profile. Usage is measured by one walk the first time
// it is needed and kept current by every change the file calls make. Cards count whole
// clusters of their FAT geometry. A removed card is absent: its name is then an ordinary name of
// the object store, and it comes back when the card is inserted again.
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

    // The object store's size follows the memory division.
    ULONGLONG totalBytes(size_t volume) const;
    ULONGLONG freeBytes(size_t volume);
    // Whether a file of `oldSize` bytes may grow to `newSize`.
    bool fits(size_t volume, ULONGLONG oldSize, ULONGLONG newSize);
    void resize(size_t volume, ULONGLONG oldSize, ULONGLONG newSize);

    // The volume of any card of the profile, inserted or not; objectStore when none has the name.
    size_t cardVolume(std::u16string_view name) const;
    bool isInserted(size_t volume) const { return m_volumes[volume].inserted; }
    // Inserting, removing or formatting a card: its usage is measured again when next needed.
    void setInserted(size_t volume, bool inserted);
    void setClusterBytes(size_t volume, ULONGLONG clusterBytes);
    void forgetUsage(size_t volume) { m_volumes[volume].used.reset(); }

    // Open file handles per volume (a card with open files cannot be removed or formatted).
    void fileOpened(size_t volume) { ++m_volumes[volume].openFiles; }
    void fileClosed(size_t volume) { --m_volumes[volume].openFiles; }
    unsigned openFiles(size_t volume) const { return m_volumes[volume].openFiles; }

private:
    struct Volume {
        std::u16string name;  // a card's folder name; empty for the object store
        std::u16string upperName;
        ULONGLONG size = 0;
        ULONGLONG clusterBytes = 1;
        std::optional<ULONGLONG> used;
        bool inserted = true;
        unsigned openFiles = 0;
    };
    ULONGLONG footprint(const Volume& volume, ULONGLONG bytes) const;
    ULONGLONG measure(size_t volume) const;
    ULONGLONG measureTree(int folder, const Volume& volume, bool skipCards, int depth) const;

    const emulator::Profile& m_profile;
    // The inserted card of that name, or objectStore.
    size_t cardNamed(std::u16string_view name) const;

    int m_rootFd;
    std::vector<Volume> m_volumes;
};

}  // namespace ce
