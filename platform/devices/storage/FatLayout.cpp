// FAT layout arithmetic and the boot sector of a card volume.
#include "FatLayout.h"

#include <algorithm>
#include <cstring>

namespace ce {
namespace {

DWORD sectorsOf(ULONGLONG cardBytes, DWORD bytesPerSector)
{
    ULONGLONG sectors = cardBytes / bytesPerSector;
    sectors = sectors > cardHiddenSectors ? sectors - cardHiddenSectors : 0;
    return static_cast<DWORD>(std::min<ULONGLONG>(sectors, 0xFFFFFFFFu));
}

// Data clusters when each FAT takes `sectorsPerFat` sectors.
DWORD clustersWith(const FatLayout& layout, DWORD sectorsPerFat)
{
    const emulator::FatGeometry& g = layout.geometry;
    ULONGLONG overhead = ULONGLONG(g.reservedSectors) + layout.rootSectors + ULONGLONG(g.fatCount) * sectorsPerFat;
    if (overhead >= layout.totalSectors)
        return 0;
    return static_cast<DWORD>((layout.totalSectors - overhead) / g.sectorsPerCluster);
}

// Sectors one FAT needs for `clusters` data clusters and the two reserved entries.
ULONGLONG fatSectorsFor(const emulator::FatGeometry& g, DWORD clusters)
{
    ULONGLONG bytes = ((ULONGLONG(clusters) + 2) * g.fatBits + 7) / 8;
    return (bytes + g.bytesPerSector - 1) / g.bytesPerSector;
}

// The smallest FAT that holds the clusters left beside it: the FAT grows as the clusters
// shrink, so the first size that suffices is found by bisection.
DWORD smallestFat(const FatLayout& layout)
{
    DWORD low = 1, high = std::max<DWORD>(layout.totalSectors, 1);
    while (low < high) {
        DWORD mid = low + (high - low) / 2;
        if (fatSectorsFor(layout.geometry, clustersWith(layout, mid)) <= mid)
            high = mid;
        else
            low = mid + 1;
    }
    return low;
}

// Heads of the usual LBA translation: the fewest that keep the cylinders at 1024 or below.
DWORD headsFor(DWORD sectors)
{
    for (DWORD heads : {2u, 4u, 8u, 16u, 32u, 64u, 128u}) {
        if (sectors / (cardSectorsPerTrack * heads) <= 1024)
            return heads;
    }
    return 255;
}

bool fitsType(DWORD clusters, DWORD fatBits)
{
    if (clusters == 0)
        return false;
    switch (fatBits) {
    case 12:
        return clusters < fat16MinClusters;
    case 16:
        return clusters >= fat16MinClusters && clusters < fat32MinClusters;
    default:
        return clusters >= fat32MinClusters && clusters <= fat32MaxClusters;
    }
}

// The cluster size (in sectors) FAT32 formatters start from for a card of that size.
DWORD fat32DefaultCluster(ULONGLONG cardBytes, DWORD bytesPerSector)
{
    constexpr ULONGLONG MB = 1ull << 20;
    DWORD bytes = cardBytes <= 260 * MB ? 512 : cardBytes <= 8192 * MB ? 4096 : cardBytes <= 16384 * MB ? 8192 : 16384;
    return std::max<DWORD>(bytes / bytesPerSector, 1);
}

void put16(BootSector& b, size_t at, DWORD value)
{
    b[at] = static_cast<BYTE>(value);
    b[at + 1] = static_cast<BYTE>(value >> 8);
}

void put32(BootSector& b, size_t at, DWORD value)
{
    put16(b, at, value & 0xFFFF);
    put16(b, at + 2, value >> 16);
}

void putText(BootSector& b, size_t at, const char* text)
{
    std::memcpy(b.data() + at, text, std::strlen(text));
}

// The extended boot record: drive, signature, serial, label and type text.
void putExtendedRecord(BootSector& b, size_t at, DWORD serial, const char* typeText)
{
    b[at] = 0x80;
    b[at + 2] = 0x29;
    put32(b, at + 3, serial);
    putText(b, at + 7, "NO NAME    ");
    putText(b, at + 18, typeText);
}

} // namespace

FatLayout layoutOf(ULONGLONG cardBytes, const emulator::FatGeometry& geometry)
{
    FatLayout layout;
    layout.geometry = geometry;
    if (geometry.bytesPerSector == 0 || geometry.sectorsPerCluster == 0)
        return layout;
    layout.totalSectors = sectorsOf(cardBytes, geometry.bytesPerSector);
    layout.heads = headsFor(layout.totalSectors + layout.hiddenSectors);
    layout.rootSectors = (geometry.rootEntries * 32 + geometry.bytesPerSector - 1) / geometry.bytesPerSector;
    layout.sectorsPerFat = smallestFat(layout);
    layout.clusters = clustersWith(layout, layout.sectorsPerFat);
    return layout;
}

DWORD fatTypeOf(DWORD clusters)
{
    return clusters < fat16MinClusters ? 12 : clusters < fat32MinClusters ? 16 : 32;
}

std::optional<emulator::FatGeometry> formatGeometry(
    ULONGLONG cardBytes, DWORD bytesPerSector, DWORD fatBits, DWORD fatCount)
{
    emulator::FatGeometry g;
    g.bytesPerSector = bytesPerSector;
    g.fatBits = fatBits;
    g.fatCount = fatCount;
    g.reservedSectors = fatBits == 32 ? 32 : 1;
    g.rootEntries = fatBits == 32 ? 0 : 512;
    if (fatBits == 32) {
        // FAT32 wants many clusters: the usual size, made smaller until the count is FAT32's.
        for (DWORD spc = fat32DefaultCluster(cardBytes, bytesPerSector); spc >= 1; spc /= 2) {
            g.sectorsPerCluster = spc;
            if (fitsType(layoutOf(cardBytes, g).clusters, 32))
                return g;
        }
        return std::nullopt;
    }
    // FAT12 and FAT16: the smallest clusters whose count the type can hold.
    for (DWORD spc = 1; spc <= 128; spc *= 2) {
        g.sectorsPerCluster = spc;
        if (fitsType(layoutOf(cardBytes, g).clusters, fatBits))
            return g;
    }
    return std::nullopt;
}

BootSector bootSectorOf(const FatLayout& layout, DWORD volumeSerial)
{
    const emulator::FatGeometry& g = layout.geometry;
    const bool fat32 = g.fatBits == 32;
    BootSector b {};
    b[0] = 0xEB;
    b[1] = fat32 ? 0x58 : 0x3C;
    b[2] = 0x90;
    putText(b, 3, "KELVARA ");
    put16(b, 11, g.bytesPerSector);
    b[13] = static_cast<BYTE>(g.sectorsPerCluster);
    put16(b, 14, g.reservedSectors);
    b[16] = static_cast<BYTE>(g.fatCount);
    put16(b, 17, fat32 ? 0 : g.rootEntries);
    const bool smallTotal = !fat32 && layout.totalSectors < 0x10000;
    put16(b, 19, smallTotal ? layout.totalSectors : 0);
    b[21] = 0xF8; // fixed medium
    put16(b, 22, fat32 ? 0 : layout.sectorsPerFat);
    put16(b, 24, layout.sectorsPerTrack);
    put16(b, 26, layout.heads);
    put32(b, 28, layout.hiddenSectors);
    put32(b, 32, smallTotal ? 0 : layout.totalSectors);
    if (fat32) {
        put32(b, 36, layout.sectorsPerFat);
        put32(b, 44, 2); // the root folder's first cluster
        put16(b, 48, 1); // FSInfo sector
        put16(b, 50, 6); // backup boot sector
        putExtendedRecord(b, 64, volumeSerial, "FAT32   ");
    } else {
        putExtendedRecord(b, 36, volumeSerial, g.fatBits == 12 ? "FAT12   " : "FAT16   ");
    }
    b[510] = 0x55;
    b[511] = 0xAA;
    return b;
}

} // namespace ce
