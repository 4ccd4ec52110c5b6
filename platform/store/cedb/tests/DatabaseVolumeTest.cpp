// Volumes: enumeration, GUIDs and object ids that last across reboots, the system's hold on
// mounted volume files, and files that are not volumes left alone at boot.
#include <fstream>

#include <sqlite3.h>

#include "DatabaseTestSupport.h"
#include "TestDevice.h"
#include "emulator/Device.h"

namespace {

using namespace database_test;

std::vector<std::u16string> volumeNames()
{
    std::vector<std::u16string> names;
    CEGUID guid;
    CREATE_INVALIDGUID(&guid);
    WCHAR name[MAX_PATH];
    while (CeEnumDBVolumes(&guid, name, MAX_PATH))
        names.push_back(name);
    EXPECT_EQ(static_cast<DWORD>(ERROR_NO_MORE_ITEMS), GetLastError());
    return names;
}

std::string fileBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void bootAgain(const std::filesystem::path& image)
{
    std::string error;
    emulator::BootOptions options;
    options.virtualTime = true;
    ASSERT_TRUE(emulator::bootDevice(image, options, error)) << error;
}

TEST(VolumeTest, VolumesEnumerateInProfileOrderWithTheirPaths)
{
    testing_support::TestDevice device;
    EXPECT_EQ((std::vector<std::u16string> {u"\\pim.vol", u"\\cemail.vol"}), volumeNames());

    CEGUID guid;
    CREATE_INVALIDGUID(&guid);
    const CEGUID start = guid;
    WCHAR small[9];
    EXPECT_FALSE(CeEnumDBVolumes(&guid, small, 8));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER), GetLastError());
    EXPECT_EQ(0, std::memcmp(&start, &guid, sizeof guid));
    EXPECT_TRUE(CeEnumDBVolumes(&guid, small, 9));
    EXPECT_EQ(std::u16string(u"\\pim.vol"), small);
    EXPECT_FALSE(CHECK_INVALIDGUID(&guid) || CHECK_SYSTEMGUID(&guid));
}

TEST(VolumeTest, GuidsObjectIdsAndRecordsLastAcrossReboots)
{
    testing_support::TestDevice device;
    const CEGUID pim = volumeGuid(u"\\pim.vol"), mail = volumeGuid(u"\\cemail.vol");
    EXPECT_NE(0, std::memcmp(&pim, &mail, sizeof pim));
    const CEOID oid = createDatabase(pim, u"Contacts Database", 3);
    HANDLE handle = openDatabase(pim, oid);
    std::vector<CEOID> records;
    for (DWORD i = 0; i < 3; ++i) {
        const std::u16string name = u"Name " + std::u16string(1, static_cast<char16_t>(u'A' + i));
        CEPROPVAL value = textValue(1, name.c_str());
        records.push_back(CeWriteRecordProps(handle, 0, 1, &value));
    }
    CloseHandle(handle); // the last close of the volume commits
    device.reboot();

    const CEGUID pimAgain = volumeGuid(u"\\pim.vol");
    EXPECT_EQ(0, std::memcmp(&pim, &pimAgain, sizeof pim));
    const CEDBASEINFOEX info = databaseInfo(pimAgain, oid);
    EXPECT_EQ(std::u16string(u"Contacts Database"), info.szDbaseName);
    EXPECT_EQ(3u, info.dwNumRecords);
    handle = openDatabase(pimAgain, oid);
    std::vector<CEOID> read;
    for (const auto& record : readAll(handle))
        read.push_back(record.oid);
    EXPECT_EQ(records, read);
    // Ids are never given out twice in a volume.
    CEPROPVAL value = numberValue(1, CEVT_I4, 1);
    EXPECT_GT(CeWriteRecordProps(handle, 0, 1, &value), records.back());
    CloseHandle(handle);
}

TEST(VolumeTest, AMountedVolumeFileCannotBeDeleted)
{
    testing_support::TestDevice device;
    EXPECT_FALSE(DeleteFileW(u"\\pim.vol"));
    EXPECT_EQ(static_cast<DWORD>(ERROR_SHARING_VIOLATION), GetLastError());
    EXPECT_EQ(INVALID_HANDLE_VALUE,
        CreateFileW(u"\\cemail.vol", GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    EXPECT_TRUE(std::filesystem::exists(device.hostPath(u"\\pim.vol")));
}

TEST(VolumeTest, TheVolumeFileTakesTheDeviceTimeOfItsLastFlushedChange)
{
    testing_support::TestDevice device;
    emulator::advanceDeviceClock(3 * 24 * 3600 * 1000ull);
    CEGUID pim = volumeGuid(u"\\pim.vol");
    createDatabase(pim, u"Notes");
    ASSERT_TRUE(CeFlushDBVol(&pim));
    SYSTEMTIME now {};
    GetSystemTime(&now);
    FILETIME expected {};
    SystemTimeToFileTime(&now, &expected);
    WIN32_FIND_DATAW found {};
    HANDLE find = FindFirstFileW(u"\\pim.vol", &found);
    ASSERT_NE(INVALID_HANDLE_VALUE, find);
    FindClose(find);
    const auto seconds
        = [](const FILETIME& t) { return ((ULONGLONG {t.dwHighDateTime} << 32) | t.dwLowDateTime) / 10000000; };
    EXPECT_EQ(seconds(expected), seconds(found.ftLastWriteTime));
}

TEST(VolumeTest, FilesThatAreNotVolumesStayUnmountedAndUntouched)
{
    testing_support::TestDevice device;
    emulator::shutdownDevice();
    const std::string garbage(8192, '\x5a');
    std::ofstream(device.hostPath(u"\\pim.vol"), std::ios::binary | std::ios::trunc) << garbage;
    std::filesystem::remove(device.hostPath(u"\\cemail.vol"));
    sqlite3* foreign = nullptr;
    ASSERT_EQ(SQLITE_OK, sqlite3_open(device.hostPath(u"\\cemail.vol").c_str(), &foreign));
    sqlite3_exec(foreign, "CREATE TABLE mail(id INTEGER); INSERT INTO mail VALUES(7)", nullptr, nullptr, nullptr);
    sqlite3_close(foreign);
    const std::string foreignBytes = fileBytes(device.hostPath(u"\\cemail.vol"));

    bootAgain(device.image());
    EXPECT_EQ(std::vector<std::u16string> {}, volumeNames());
    CEGUID none;
    CREATE_INVALIDGUID(&none);
    CEDBASEINFOEX info = describe(u"Any");
    EXPECT_EQ(0u, CeCreateDatabaseEx2(&none, &info));
    emulator::shutdownDevice();
    EXPECT_EQ(garbage, fileBytes(device.hostPath(u"\\pim.vol")));
    EXPECT_EQ(foreignBytes, fileBytes(device.hostPath(u"\\cemail.vol")));
    bootAgain(device.image());
}

TEST(VolumeTest, ADamagedRecordReadsAsInvalidDataAndTheNextOneStillReads)
{
    testing_support::TestDevice device;
    CEGUID pim = volumeGuid(u"\\pim.vol");
    const CEOID oid = createDatabase(pim, u"Notes");
    HANDLE handle = openDatabase(pim, oid);
    CEPROPVAL value = numberValue(1, CEVT_I4, 1);
    const CEOID damaged = CeWriteRecordProps(handle, 0, 1, &value), sound = CeWriteRecordProps(handle, 0, 1, &value);
    CloseHandle(handle);
    emulator::shutdownDevice();
    sqlite3* db = nullptr;
    ASSERT_EQ(SQLITE_OK, sqlite3_open(device.hostPath(u"\\pim.vol").c_str(), &db));
    // A property of type I4 cut short; rows are keyed with the record id in the low 32 bits.
    const std::string sql
        = "UPDATE records SET props = x'0300010000' WHERE (key & 4294967295) = " + std::to_string(damaged);
    ASSERT_EQ(SQLITE_OK, sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr));
    sqlite3_close(db);

    bootAgain(device.image());
    pim = volumeGuid(u"\\pim.vol");
    handle = openDatabase(pim, oid);
    EXPECT_EQ(0u, readRecord(handle).oid);
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_DATA), GetLastError());
    EXPECT_EQ(damaged, CeSeekDatabaseEx(handle, CEDB_SEEK_BEGINNING, 0, 1, nullptr));
    EXPECT_EQ(sound, CeSeekDatabaseEx(handle, CEDB_SEEK_BEGINNING, 1, 1, nullptr));
    EXPECT_EQ(sound, readRecord(handle).oid);
    CloseHandle(handle);
}

TEST(VolumeTest, AVolumeMissingAtBootIsMadeEmpty)
{
    testing_support::TestDevice device;
    emulator::shutdownDevice();
    std::filesystem::remove(device.hostPath(u"\\cemail.vol"));
    bootAgain(device.image());
    EXPECT_EQ((std::vector<std::u16string> {u"\\pim.vol", u"\\cemail.vol"}), volumeNames());
    CEGUID mail = volumeGuid(u"\\cemail.vol");
    HANDLE find = CeFindFirstDatabaseEx(&mail, 0);
    EXPECT_EQ(0u, CeFindNextDatabaseEx(find, nullptr));
    CloseHandle(find);
}

} // namespace
