// The FAT layout of a storage card as a formatter lays it out: from the card's size and FAT
// geometry, the sectors per FAT, the data clusters and the boot sector the volume control
// codes report; and the geometry a format chooses for a FAT type.
#pragma once

#include <array>
#include <optional>

#include "emulator/Profile.h"

namespace ce {

// Every card volume starts after one track of sectors (its partition table), as cards
// partitioned by the usual CHS rules do.
constexpr DWORD cardSectorsPerTrack = 63;
constexpr DWORD cardHiddenSectors = cardSectorsPerTrack;

// Cluster counts that decide the FAT type (the published rule): below 4085 FAT12, below
// 65525 FAT16, otherwise FAT32.
constexpr DWORD fat16MinClusters = 4085;
constexpr DWORD fat32MinClusters = 65525;
constexpr DWORD fat32MaxClusters = 0x0FFFFFF5;

struct FatLayout {
    emulator::FatGeometry geometry;
    DWORD totalSectors = 0; // of the volume: the card's sectors less the hidden ones
    DWORD hiddenSectors = cardHiddenSectors;
    DWORD sectorsPerTrack = cardSectorsPerTrack;
    DWORD heads = 0;
    DWORD rootSectors = 0;
    DWORD sectorsPerFat = 0;
    DWORD clusters = 0; // data clusters; 0 when the geometry does not fit the card
};

FatLayout layoutOf(ULONGLONG cardBytes, const emulator::FatGeometry& geometry);
// The FAT type the cluster count gives: 12, 16 or 32.
DWORD fatTypeOf(DWORD clusters);
// The geometry a format of the card as FAT `fatBits` lays down, or nothing when no cluster
// size gives a cluster count of that type.
std::optional<emulator::FatGeometry> formatGeometry(
    ULONGLONG cardBytes, DWORD bytesPerSector, DWORD fatBits, DWORD fatCount);

using BootSector = std::array<BYTE, 512>;
BootSector bootSectorOf(const FatLayout& layout, DWORD volumeSerial);

} // namespace ce
