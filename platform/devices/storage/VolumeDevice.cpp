// The control codes of a card's volume and disk.
#include "VolumeDevice.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "FatLayout.h"
#include "diskio.h"
#include "winerror.h"

namespace ce {
namespace {

// ATA media keep identity texts as 16-bit words: each pair of bytes swapped, padded with a
// space to an even length.
std::string mediumText(std::string text)
{
    if (text.size() % 2)
        text += ' ';
    for (size_t i = 0; i + 1 < text.size(); i += 2)
        std::swap(text[i], text[i + 1]);
    return text;
}

// The serial number's field of 20 characters, right-aligned.
std::string serialText(DWORD serial)
{
    char text[24];
    std::snprintf(text, sizeof text, "%12s%08X", "", serial);
    return text;
}

// The identification record with its two texts after it.
std::vector<BYTE> storageIdentification(const emulator::StorageCardProfile& card)
{
    const std::string manufacturer = mediumText(card.manufacturer);
    const std::string serial = mediumText(serialText(card.serial));
    STORAGE_IDENTIFICATION record {};
    record.dwManufactureIDOffset = sizeof record;
    record.dwSerialNumOffset = static_cast<DWORD>(sizeof record + manufacturer.size() + 1);
    record.dwSize = static_cast<DWORD>(record.dwSerialNumOffset + serial.size() + 1);
    std::vector<BYTE> bytes(record.dwSize, 0);
    std::memcpy(bytes.data(), &record, sizeof record);
    std::memcpy(bytes.data() + record.dwManufactureIDOffset, manufacturer.data(), manufacturer.size());
    std::memcpy(bytes.data() + record.dwSerialNumOffset, serial.data(), serial.size());
    return bytes;
}

// Asked with a buffer that holds the record but not the texts, the device names the size it
// needs in dwSize and fails with ERROR_INSUFFICIENT_BUFFER, so the caller can ask again.
DWORD getStorageId(const emulator::StorageCardProfile& card, BYTE* out, DWORD outSize, DWORD& returned)
{
    if (!out || outSize < sizeof(STORAGE_IDENTIFICATION))
        return ERROR_INVALID_PARAMETER;
    const std::vector<BYTE> bytes = storageIdentification(card);
    if (outSize < bytes.size()) {
        std::memcpy(out, bytes.data(), sizeof(STORAGE_IDENTIFICATION));
        returned = sizeof(STORAGE_IDENTIFICATION);
        return ERROR_INSUFFICIENT_BUFFER;
    }
    std::memcpy(out, bytes.data(), bytes.size());
    returned = static_cast<DWORD>(bytes.size());
    return ERROR_SUCCESS;
}

DWORD checkOutput(const BYTE* out, DWORD outSize, DWORD needed)
{
    if (!out)
        return ERROR_INVALID_PARAMETER;
    return outSize < needed ? ERROR_INSUFFICIENT_BUFFER : ERROR_SUCCESS;
}

DWORD getVolumeParameters(const emulator::StorageCardProfile& card, BYTE* out, DWORD outSize, DWORD& returned)
{
    if (DWORD error = checkOutput(out, outSize, VOLUME_PARAMETERS_SIZE))
        return error;
    const BootSector sector = bootSectorOf(layoutOf(card.sizeBytes, card.geometry), card.serial);
    std::memcpy(out, sector.data(), VOLUME_PARAMETERS_SIZE);
    returned = VOLUME_PARAMETERS_SIZE;
    return ERROR_SUCCESS;
}

void putWord(BYTE* out, size_t index, DWORD value)
{
    std::memcpy(out + index * sizeof(DWORD), &value, sizeof value);
}

// Free clusters follow the card's usage as the file calls keep it: the usable clusters less
// those the card's files take.
DWORD getFreeSpace(const emulator::StorageCardProfile& card, BYTE* out, DWORD outSize, DWORD& returned)
{
    if (DWORD error = checkOutput(out, outSize, FREE_SPACE_SIZE))
        return error;
    const FatLayout layout = layoutOf(card.sizeBytes, card.geometry);
    const std::u16string root = u"\\" + card.name;
    ULARGE_INTEGER totalBytes {}, freeBytes {};
    if (!GetDiskFreeSpaceExW(root.c_str(), nullptr, &totalBytes, &freeBytes))
        return GetLastError();
    const ULONGLONG clusterBytes = ULONGLONG(card.geometry.bytesPerSector) * card.geometry.sectorsPerCluster;
    const ULONGLONG usedClusters = (totalBytes.QuadPart - freeBytes.QuadPart + clusterBytes - 1) / clusterBytes;
    const DWORD freeClusters = layout.clusters > usedClusters ? static_cast<DWORD>(layout.clusters - usedClusters) : 0;
    putWord(out, 0, card.geometry.sectorsPerCluster);
    putWord(out, 1, card.geometry.bytesPerSector);
    putWord(out, 2, freeClusters);
    putWord(out, 3, layout.clusters);
    returned = FREE_SPACE_SIZE;
    return ERROR_SUCCESS;
}

DWORD readWord(const BYTE* in, DWORD inSize, DWORD& word)
{
    if (!in || inSize < sizeof(DWORD))
        return ERROR_INVALID_PARAMETER;
    std::memcpy(&word, in, sizeof word);
    return ERROR_SUCCESS;
}

// The options word picks one FAT type; a backup FAT makes two FATs. The new layout must give
// the type's cluster count on this card, or nothing changes.
DWORD formatVolume(const CardState& state, const BYTE* in, DWORD inSize)
{
    DWORD options = 0;
    if (DWORD error = readWord(in, inSize, options))
        return error;
    const DWORD type = options & (FORMAT_VOLUME_FAT12 | FORMAT_VOLUME_FAT16 | FORMAT_VOLUME_FAT32);
    const DWORD fatBits = type == FORMAT_VOLUME_FAT12 ? 12
        : type == FORMAT_VOLUME_FAT16                 ? 16
        : type == FORMAT_VOLUME_FAT32                 ? 32
                                                      : 0;
    if (!fatBits)
        return ERROR_INVALID_PARAMETER;
    const DWORD fatCount = options & FORMAT_VOLUME_BACKUP_FAT ? 2 : 1;
    auto geometry = formatGeometry(state.card.sizeBytes, state.card.geometry.bytesPerSector, fatBits, fatCount);
    if (!geometry)
        return ERROR_INVALID_PARAMETER;
    return eraseCard(state.ref, geometry);
}

DWORD scanVolume(const BYTE* in, DWORD inSize, BYTE* out, DWORD outSize, DWORD& returned)
{
    DWORD options = 0;
    if (DWORD error = readWord(in, inSize, options))
        return error;
    if (DWORD error = checkOutput(out, outSize, sizeof(DWORD)))
        return error;
    putWord(out, 0, 0); // errors found
    returned = sizeof(DWORD);
    return ERROR_SUCCESS;
}

} // namespace

DWORD VolumeDevice::control(DWORD code, const BYTE* in, DWORD inSize, BYTE* out, DWORD outSize, DWORD& returned)
{
    std::optional<CardState> state = cardOf(m_card);
    if (!state)
        return ERROR_DEVICE_REMOVED;
    if (code == IOCTL_DISK_GET_STORAGEID)
        return getStorageId(state->card, out, outSize, returned);
    if (m_disk)
        return ERROR_NOT_SUPPORTED;
    switch (code) {
    case IOCTL_DISK_GET_VOLUME_PARAMETERS:
        return getVolumeParameters(state->card, out, outSize, returned);
    case IOCTL_DISK_GET_FREE_SPACE:
        return getFreeSpace(state->card, out, outSize, returned);
    case IOCTL_DISK_FORMAT_VOLUME:
        return formatVolume(*state, in, inSize);
    case IOCTL_DISK_SCAN_VOLUME:
        return scanVolume(in, inSize, out, outSize, returned);
    case IOCTL_DISK_FORMAT_MEDIA:
        return eraseCard(state->ref, std::nullopt); // the medium is blank; the layout stays
    default:
        return ERROR_NOT_SUPPORTED;
    }
}

} // namespace ce
