// Measuring and keeping the usage of the device's volumes.
#include "StoreSpace.h"

#include <fcntl.h>
#include <sys/stat.h>

#include "FolderListing.h"
#include "HostNames.h"
#include "PathResolution.h"
#include "kernel/memory/MemoryDivision.h"
#include "text/CaseTable.h"
#include "text/Utf.h"

namespace ce {
namespace {

// Deeper than any path of MAX_PATH characters can reach.
constexpr int deepestFolder = MAX_PATH / 2 + 1;

}  // namespace

StoreSpace::StoreSpace(int rootFd, const emulator::Profile& profile)
    : m_profile(profile)
    , m_rootFd(rootFd)
{
    m_volumes.push_back(Volume{u"", u"", 0, 1, std::nullopt});
    for (const auto& card : profile.cards) {
        ULONGLONG cluster = ULONGLONG(card.geometry.bytesPerSector) * card.geometry.sectorsPerCluster;
        m_volumes.push_back(Volume{
            card.name, upperName(card.name), card.sizeBytes, cluster ? cluster : 1, std::nullopt, card.inserted, 0});
    }
}

ULONGLONG StoreSpace::totalBytes(size_t volume) const
{
    return volume == objectStore ? objectStoreBytes(m_profile) : m_volumes[volume].size;
}

size_t StoreSpace::cardNamed(std::u16string_view name) const
{
    size_t volume = cardVolume(name);
    return m_volumes[volume].inserted ? volume : objectStore;
}

size_t StoreSpace::cardVolume(std::u16string_view name) const
{
    for (size_t i = 1; i < m_volumes.size(); ++i) {
        const std::u16string& upper = m_volumes[i].upperName;
        if (upper.size() != name.size())
            continue;
        size_t k = 0;
        while (k < name.size() && toUpperDevice(name[k]) == upper[k])
            ++k;
        if (k == name.size())
            return i;
    }
    return objectStore;
}

size_t StoreSpace::volumeOf(std::u16string_view key) const
{
    if (key.empty())
        return objectStore;
    std::u16string_view first = key.substr(1, key.find(u'\\', 1) - 1);
    return cardNamed(first);
}

bool StoreSpace::isCardRoot(std::u16string_view key) const
{
    return !key.empty() && key.find(u'\\', 1) == std::u16string_view::npos && volumeOf(key) != objectStore;
}

bool StoreSpace::isCardFolderName(std::u16string_view name) const
{
    return cardNamed(name) != objectStore;
}

void StoreSpace::setInserted(size_t volume, bool inserted)
{
    m_volumes[volume].inserted = inserted;
    m_volumes[volume].used.reset();
}

void StoreSpace::setClusterBytes(size_t volume, ULONGLONG clusterBytes)
{
    m_volumes[volume].clusterBytes = clusterBytes ? clusterBytes : 1;
    m_volumes[volume].used.reset();
}

ULONGLONG StoreSpace::footprint(const Volume& volume, ULONGLONG bytes) const
{
    return (bytes + volume.clusterBytes - 1) / volume.clusterBytes * volume.clusterBytes;
}

ULONGLONG StoreSpace::freeBytes(size_t volume)
{
    Volume& v = m_volumes[volume];
    if (!v.used)
        v.used = measure(volume);
    const ULONGLONG total = totalBytes(volume);
    return total > *v.used ? total - *v.used : 0;
}

bool StoreSpace::fits(size_t volume, ULONGLONG oldSize, ULONGLONG newSize)
{
    const Volume& v = m_volumes[volume];
    if (newSize <= oldSize)
        return true;
    return footprint(v, newSize) - footprint(v, oldSize) <= freeBytes(volume);
}

void StoreSpace::resize(size_t volume, ULONGLONG oldSize, ULONGLONG newSize)
{
    Volume& v = m_volumes[volume];
    if (!v.used)
        return;
    ULONGLONG released = footprint(v, oldSize);
    *v.used = (*v.used > released ? *v.used - released : 0) + footprint(v, newSize);
}

ULONGLONG StoreSpace::measure(size_t volume) const
{
    const Volume& v = m_volumes[volume];
    if (volume == objectStore)
        return measureTree(m_rootFd, v, true, 0);
    std::u16string cardPath = u"\\" + v.name;
    DevicePath card;
    UniqueFd folder;
    if (parseDevicePath(cardPath.c_str(), LeafRule::Name, card) || openHostFolder(m_rootFd, card, folder))
        return 0;  // a card whose folder is missing holds nothing
    return measureTree(folder.get(), v, false, 1);
}

ULONGLONG StoreSpace::measureTree(int folder, const Volume& volume, bool skipCards, int depth) const
{
    FolderListing listing(folder);
    if (!listing.valid())
        return 0;
    ULONGLONG used = 0;
    char16_t name[MAX_PATH];
    while (dirent* e = listing.next()) {
        struct stat st{};
        if (fstatat(listing.fd(), e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (S_ISREG(st.st_mode)) {
            used += footprint(volume, st.st_size);
            continue;
        }
        size_t length = 0;
        if (!S_ISDIR(st.st_mode) || depth >= deepestFolder
            || (skipCards && decodeUtf8Strict(e->d_name, name, MAX_PATH, length) && isCardFolderName({name, length})))
            continue;
        if (UniqueFd sub = openChildFolder(listing.fd(), e->d_name); sub.valid())
            used += measureTree(sub.get(), volume, false, depth + 1);
    }
    return used;
}

}  // namespace ce
