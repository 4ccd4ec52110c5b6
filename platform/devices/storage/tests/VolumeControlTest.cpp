// Card volumes and disks opened as device files, and every control code they answer.
#include <gtest/gtest.h>

#include "CardTestSupport.h"
#include "emulator/StorageCards.h"

using testing_support::TestDevice;
using namespace card_test;

namespace {

std::vector<BYTE> volumeParameters(Device& volume)
{
    std::vector<BYTE> out(VOLUME_PARAMETERS_SIZE);
    EXPECT_EQ(volume.control(IOCTL_DISK_GET_VOLUME_PARAMETERS, {}, out), 0u);
    EXPECT_EQ(out.size(), size_t(VOLUME_PARAMETERS_SIZE));
    return out;
}

std::vector<BYTE> freeSpace(Device& volume)
{
    std::vector<BYTE> out(FREE_SPACE_SIZE);
    EXPECT_EQ(volume.control(IOCTL_DISK_GET_FREE_SPACE, {}, out), 0u);
    EXPECT_EQ(out.size(), size_t(FREE_SPACE_SIZE));
    return out;
}

emulator::FatGeometry geometryInIni(const TestDevice& device)
{
    emulator::Profile profile;
    std::string error;
    EXPECT_TRUE(emulator::loadProfile(device.image() / "device.ini", profile, error)) << error;
    return profile.cards.at(0).geometry;
}

TEST(VolumeControl, DeviceNames)
{
    TestDevice device(cardProfile(true));
    struct Case {
        const char16_t* name;
        DWORD error;
    } cases[] = {
        {u"\\Storage Card\\VOL:", ERROR_SUCCESS},
        {u"\\storage card\\Vol:", ERROR_SUCCESS},
        {u"\\SD Card\\VOL:", ERROR_SUCCESS},
        {u"DSK1:", ERROR_SUCCESS},
        {u"dsk2:", ERROR_SUCCESS},
        {u"DSK3:", ERROR_DEV_NOT_EXIST},
        {u"DSK0:", ERROR_DEV_NOT_EXIST},
        {u"\\VOL:", ERROR_DEV_NOT_EXIST},
        {u"\\Windows\\VOL:", ERROR_DEV_NOT_EXIST},
        {u"Storage Card\\VOL:", ERROR_DEV_NOT_EXIST},
        {u"COM1:", ERROR_DEV_NOT_EXIST},
        {u":", ERROR_DEV_NOT_EXIST},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.name, c.name + std::char_traits<char16_t>::length(c.name)));
        SetLastError(0);
        HANDLE handle = CreateFileW(c.name, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        EXPECT_EQ(handle != INVALID_HANDLE_VALUE, c.error == ERROR_SUCCESS);
        if (handle == INVALID_HANDLE_VALUE) {
            EXPECT_EQ(GetLastError(), c.error);
            continue;
        }
        char byte = 0;
        DWORD done = 0;
        EXPECT_FALSE(ReadFile(handle, &byte, 1, &done, nullptr)) << "devices hold no data to read";
        EXPECT_FALSE(WriteFile(handle, &byte, 1, &done, nullptr));
        EXPECT_TRUE(CloseHandle(handle));
    }
    HANDLE file = CreateFileW(u"\\file.txt", GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    DWORD returned = 0;
    EXPECT_FALSE(DeviceIoControl(file, IOCTL_DISK_GET_STORAGEID, nullptr, 0, nullptr, 0, &returned, nullptr));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_HANDLE)) << "a file is no device";
    CloseHandle(file);
}

TEST(VolumeControl, StorageIdentification)
{
    TestDevice device(cardProfile(true));
    Device volume(u"\\Storage Card\\VOL:");
    // Asked with the record's size only: the size needed comes back with the error.
    std::vector<BYTE> out(16, 0);
    ASSERT_EQ(volume.control(IOCTL_DISK_GET_STORAGEID, {}, out), DWORD(ERROR_INSUFFICIENT_BUFFER));
    const DWORD needed = wordAt(out, 0);
    EXPECT_EQ(needed, 16u + 5 + 21); // record, "Test" and 0, 20 serial characters and 0
    out.assign(needed, 0xFF);
    ASSERT_EQ(volume.control(IOCTL_DISK_GET_STORAGEID, {}, out), 0u);
    ASSERT_EQ(out.size(), needed);
    EXPECT_EQ(wordAt(out, 0), needed);
    EXPECT_EQ(wordAt(out, 4), 0u) << "both texts valid";
    EXPECT_EQ(wordAt(out, 8), 16u);
    EXPECT_EQ(wordAt(out, 12), 21u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&out[16])), "eTts");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&out[21])), "            2143BADC");
    out.assign(15, 0);
    EXPECT_EQ(volume.control(IOCTL_DISK_GET_STORAGEID, {}, out), DWORD(ERROR_INVALID_PARAMETER));

    // An odd-length text is padded with a space; a disk answers with its card's texts.
    struct Case {
        const char16_t* volume;
        const char16_t* disk;
        Identity identity;
    } cases[] = {
        {u"\\Storage Card\\VOL:", u"DSK1:", {"Test", "1234ABCD"}},
        {u"\\SD Card\\VOL:", u"DSK2:", {"Maker ", "00C0FFEE"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.identity.manufacturer);
        Device cardVolume(c.volume);
        Device disk(c.disk);
        Identity fromVolume = readIdentity(cardVolume);
        EXPECT_EQ(fromVolume.manufacturer, c.identity.manufacturer);
        EXPECT_EQ(fromVolume.serial, c.identity.serial);
        Identity fromDisk = readIdentity(disk);
        EXPECT_EQ(fromDisk.manufacturer, fromVolume.manufacturer);
        EXPECT_EQ(fromDisk.serial, fromVolume.serial);
        std::vector<BYTE> unused(VOLUME_PARAMETERS_SIZE);
        EXPECT_EQ(disk.control(IOCTL_DISK_GET_VOLUME_PARAMETERS, {}, unused), DWORD(ERROR_NOT_SUPPORTED));
    }
    // Disks follow the inserted cards: with the first card out, DSK1: is the second.
    ASSERT_EQ(emulator::removeStorageCard(u"Storage Card"), DWORD(ERROR_SUCCESS));
    Device disk(u"DSK1:");
    EXPECT_EQ(readIdentity(disk).serial, "00C0FFEE");
}

TEST(VolumeControl, VolumeParametersHoldTheBootSector)
{
    // The test card: 16384 sectors of 512 bytes, 63 hidden; FAT16, 8 sectors per cluster, one
    // reserved sector, two FATs, 512 root entries (32 sectors). 16321 volume sectors leave
    // 16288 after the reserved and root sectors: two FATs of 8 sectors hold 2034 clusters.
    TestDevice device(cardProfile());
    Device volume(u"\\Storage Card\\VOL:");
    const std::vector<BYTE> b = volumeParameters(volume);
    struct Field {
        const char* name;
        size_t offset, size;
        DWORD value;
    } fields[] = {
        {"bytes per sector", 11, 2, 512},
        {"sectors per cluster", 13, 1, 8},
        {"reserved sectors", 14, 2, 1},
        {"FATs", 16, 1, 2},
        {"root entries", 17, 2, 512},
        {"total sectors", 19, 2, 16321},
        {"sectors per FAT", 22, 2, 8},
        {"sectors per track", 24, 2, 63},
        {"heads", 26, 2, 2},
        {"hidden sectors", 28, 4, 63},
        {"large total sectors", 32, 4, 0},
        {"volume serial", 39, 4, 0x1234ABCD},
    };
    for (const auto& f : fields) {
        SCOPED_TRACE(f.name);
        EXPECT_EQ(f.size == 1 ? b[f.offset] : f.size == 2 ? halfAt(b, f.offset) : wordAt(b, f.offset), f.value);
    }
    EXPECT_EQ(std::string(b.begin() + 54, b.begin() + 62), "FAT16   ");
    EXPECT_EQ(clustersOf(b), 2034u);

    struct Size {
        DWORD bytes;
        DWORD error;
    } sizes[] = {{0, ERROR_INVALID_PARAMETER}, {359, ERROR_INSUFFICIENT_BUFFER}};
    for (const auto& s : sizes) {
        std::vector<BYTE> out(s.bytes);
        EXPECT_EQ(volume.control(IOCTL_DISK_GET_VOLUME_PARAMETERS, {}, out), s.error) << s.bytes;
        out.assign(s.bytes * FREE_SPACE_SIZE / VOLUME_PARAMETERS_SIZE, 0);
        EXPECT_EQ(volume.control(IOCTL_DISK_GET_FREE_SPACE, {}, out), s.error) << s.bytes;
    }
}

TEST(VolumeControl, FreeClustersFollowTheCardsFiles)
{
    TestDevice device(cardProfile());
    Device volume(u"\\Storage Card\\VOL:");
    std::vector<BYTE> counts = freeSpace(volume);
    EXPECT_EQ(wordAt(counts, 0), 8u) << "sectors per cluster";
    EXPECT_EQ(wordAt(counts, 4), 512u) << "bytes per sector";
    EXPECT_EQ(wordAt(counts, 8), 2034u) << "free clusters";
    EXPECT_EQ(wordAt(counts, 12), 2034u) << "usable clusters";
    ASSERT_TRUE(writeFile(u"\\Storage Card\\five.bin", std::string(5000, 'x')));
    ASSERT_TRUE(writeFile(u"\\object-store.bin", std::string(50000, 'x')));
    counts = freeSpace(volume);
    EXPECT_EQ(wordAt(counts, 8), 2032u) << "5000 bytes take two clusters";
    EXPECT_EQ(wordAt(counts, 12), 2034u);
}

TEST(VolumeControl, FormatErasesOnlyTheCardAndLaysItOutAnew)
{
    TestDevice device(cardProfile(true));
    ASSERT_TRUE(CreateDirectoryW(u"\\Storage Card\\DCIM", nullptr));
    ASSERT_TRUE(writeFile(u"\\Storage Card\\DCIM\\a.jpg", std::string(9000, 'a')));
    ASSERT_TRUE(SetFileAttributesW(u"\\Storage Card\\DCIM\\a.jpg", FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(writeFile(u"\\Storage Card\\top.txt", "top"));
    ASSERT_TRUE(writeFile(u"\\kept.txt", "kept"));
    ASSERT_TRUE(writeFile(u"\\SD Card\\other.txt", "other"));
    {
        Device volume(u"\\Storage Card\\VOL:");
        std::vector<BYTE> none;
        ASSERT_EQ(volume.control(IOCTL_DISK_FORMAT_VOLUME, formatOptions(68), none), 0u) << "quick FAT12";
        // FAT12 on 16321 sectors: the smallest clusters that keep the count below 4085 are of
        // 4 sectors.
        const std::vector<BYTE> b = volumeParameters(volume);
        EXPECT_EQ(b[13], 4);
        EXPECT_EQ(b[16], 1) << "no backup FAT asked for";
        EXPECT_EQ(std::string(b.begin() + 54, b.begin() + 62), "FAT12   ");
        const DWORD clusters = clustersOf(b);
        EXPECT_LT(clusters, 4085u);
        EXPECT_GT(clusters, 4000u);
        std::vector<BYTE> counts = freeSpace(volume);
        EXPECT_EQ(wordAt(counts, 8), clusters) << "the card is empty";
        EXPECT_EQ(wordAt(counts, 12), clusters);
    }
    EXPECT_FALSE(exists(u"\\Storage Card\\DCIM"));
    EXPECT_FALSE(exists(u"\\Storage Card\\top.txt"));
    EXPECT_TRUE(exists(u"\\Storage Card"));
    EXPECT_EQ(readFile(u"\\kept.txt"), "kept");
    EXPECT_EQ(readFile(u"\\SD Card\\other.txt"), "other");
    ULARGE_INTEGER total {}, free {};
    ASSERT_TRUE(GetDiskFreeSpaceExW(u"\\Storage Card", nullptr, &total, &free));
    EXPECT_EQ(free.QuadPart, total.QuadPart);
    // A new file of the old name starts with no attribute record.
    ASSERT_TRUE(CreateDirectoryW(u"\\Storage Card\\DCIM", nullptr));
    ASSERT_TRUE(writeFile(u"\\Storage Card\\DCIM\\a.jpg", "new"));
    EXPECT_EQ(GetFileAttributesW(u"\\Storage Card\\DCIM\\a.jpg"), DWORD(FILE_ATTRIBUTE_ARCHIVE));

    const emulator::FatGeometry saved = geometryInIni(device);
    EXPECT_EQ(saved.fatBits, 12u);
    EXPECT_EQ(saved.sectorsPerCluster, 4u);
    EXPECT_EQ(saved.fatCount, 1u);
    device.reboot();
    Device volume(u"\\Storage Card\\VOL:");
    EXPECT_EQ(volumeParameters(volume)[13], 4) << "the new layout holds across boots";
}

TEST(VolumeControl, FatTypeBoundaries)
{
    // Volume sectors that give, with the format's layout, exactly the cluster counts around the
    // type boundaries: FAT16 (1 reserved, 32 root sectors, 2 FATs of 16 sectors, 1 sector per
    // cluster) holds 4084 or 4085 clusters; FAT32 (32 reserved, 2 FATs of 512 sectors) 65524
    // or 65525.
    struct Case {
        DWORD sectors;
        DWORD options;
        DWORD error;
        DWORD clusters;
    } cases[] = {
        {4149, 132 + FORMAT_VOLUME_BACKUP_FAT, ERROR_INVALID_PARAMETER, 0},
        {4150, 132 + FORMAT_VOLUME_BACKUP_FAT, ERROR_SUCCESS, 4085},
        {4150, 68 + FORMAT_VOLUME_BACKUP_FAT, ERROR_SUCCESS, 2051},
        {66580, 260 + FORMAT_VOLUME_BACKUP_FAT, ERROR_INVALID_PARAMETER, 0},
        {66581, 260 + FORMAT_VOLUME_BACKUP_FAT, ERROR_SUCCESS, 65525},
        {66581, 132, ERROR_SUCCESS, 33209},
        {600000, 68, ERROR_INVALID_PARAMETER, 0}, // FAT12 cannot span 300 MB
        {600000, FORMAT_VOLUME_BACKUP_FAT, ERROR_INVALID_PARAMETER, 0}, // no type
        {600000, FORMAT_VOLUME_FAT12 | FORMAT_VOLUME_FAT32, ERROR_INVALID_PARAMETER, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.sectors) + " sectors, options " + std::to_string(c.options));
        TestDevice device(cardOfSectors(c.sectors));
        ASSERT_TRUE(writeFile(u"\\Storage Card\\a.txt", "a"));
        const emulator::FatGeometry before = geometryInIni(device);
        Device volume(u"\\Storage Card\\VOL:");
        std::vector<BYTE> none;
        EXPECT_EQ(volume.control(IOCTL_DISK_FORMAT_VOLUME, formatOptions(c.options), none), c.error);
        if (c.error) {
            EXPECT_TRUE(exists(u"\\Storage Card\\a.txt")) << "a refused format changes nothing";
            EXPECT_EQ(geometryInIni(device).sectorsPerCluster, before.sectorsPerCluster);
            continue;
        }
        const std::vector<BYTE> b = volumeParameters(volume);
        EXPECT_EQ(clustersOf(b), c.clusters);
        EXPECT_EQ(wordAt(freeSpace(volume), 12), c.clusters);
        EXPECT_EQ(b[16], c.options & FORMAT_VOLUME_BACKUP_FAT ? 2 : 1);
        EXPECT_FALSE(exists(u"\\Storage Card\\a.txt"));
        if (c.options & FORMAT_VOLUME_FAT32) { // FAT32 keeps its totals in the 32-bit fields
            EXPECT_EQ(halfAt(b, 19), 0u);
            EXPECT_EQ(wordAt(b, 32), c.sectors);
            EXPECT_EQ(halfAt(b, 22), 0u);
            EXPECT_EQ(wordAt(b, 36), 512u);
            EXPECT_EQ(halfAt(b, 14), 32u);
            EXPECT_EQ(halfAt(b, 17), 0u);
            EXPECT_EQ(std::string(b.begin() + 82, b.begin() + 90), "FAT32   ");
        }
    }
}

TEST(VolumeControl, FormatAndLowLevelFormatRefuseOpenFiles)
{
    TestDevice device(cardProfile());
    HANDLE open
        = CreateFileW(u"\\Storage Card\\open.txt", GENERIC_READ, FILE_SHARE_READ, nullptr, CREATE_NEW, 0, nullptr);
    ASSERT_NE(open, INVALID_HANDLE_VALUE);
    ASSERT_TRUE(writeFile(u"\\Storage Card\\other.txt", "other"));
    Device volume(u"\\Storage Card\\VOL:");
    std::vector<BYTE> none;
    EXPECT_EQ(volume.control(IOCTL_DISK_FORMAT_VOLUME, formatOptions(68), none), DWORD(ERROR_SHARING_VIOLATION));
    EXPECT_EQ(volume.control(IOCTL_DISK_FORMAT_MEDIA, {}, none), DWORD(ERROR_SHARING_VIOLATION));
    EXPECT_TRUE(exists(u"\\Storage Card\\other.txt"));
    EXPECT_EQ(geometryInIni(device).fatBits, 16u);
    CloseHandle(open);

    EXPECT_EQ(volume.control(IOCTL_DISK_FORMAT_MEDIA, {}, none), 0u);
    EXPECT_FALSE(exists(u"\\Storage Card\\other.txt"));
    EXPECT_FALSE(exists(u"\\Storage Card\\open.txt"));
    EXPECT_EQ(geometryInIni(device).sectorsPerCluster, 8u) << "a low-level format keeps the layout";
}

TEST(VolumeControl, ScanAndUnknownCodes)
{
    TestDevice device(cardProfile());
    Device volume(u"\\Storage Card\\VOL:");
    std::vector<BYTE> out(4, 0xFF);
    EXPECT_EQ(volume.control(IOCTL_DISK_SCAN_VOLUME, {6, 0, 0, 0}, out), 0u);
    ASSERT_EQ(out.size(), 4u);
    EXPECT_EQ(wordAt(out, 0), 0u) << "no errors found";
    out.assign(4, 0);
    EXPECT_EQ(volume.control(IOCTL_DISK_SCAN_VOLUME, {}, out), DWORD(ERROR_INVALID_PARAMETER));
    for (DWORD code : {0u, 0x00070000u, 0x00071C28u, DWORD(CTL_CODE(IOCTL_DISK_BASE, 0x80, 0, 0))}) {
        out.assign(16, 0);
        EXPECT_EQ(volume.control(code, {}, out), DWORD(ERROR_NOT_SUPPORTED)) << code;
    }
}

} // namespace
