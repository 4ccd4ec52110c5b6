// Databases of a volume: creating them (and the descriptions refused), opening by name or id,
// finding them, their figures from CeOidGetInfoEx, and deleting them, also while open.
#include "DatabaseTestSupport.h"
#include "TestDevice.h"
#include "emulator/Device.h"
#include "kfuncs.h"

namespace {

using namespace database_test;

class CatalogueTest : public ::testing::Test {
protected:
    testing_support::TestDevice device;
    CEGUID volume = volumeGuid(u"\\pim.vol");
};

SORTORDERSPECEX sortOn(std::vector<CEPROPID> props, WORD keyFlags = 0)
{
    SORTORDERSPECEX sort {};
    sort.wVersion = SORTORDERSPECEX_VERSION;
    sort.wKeyFlags = keyFlags;
    sort.wNumProps = static_cast<WORD>(props.size());
    for (size_t i = 0; i < props.size() && i < CEDB_MAXSORTPROP; ++i) {
        sort.rgPropID[i] = props[i];
        sort.rgdwFlags[i] = CEDB_SORT_CASEINSENSITIVE;
    }
    return sort;
}

TEST_F(CatalogueTest, CreationRefusesBadDescriptions)
{
    createDatabase(volume, u"Contacts Database");
    const SORTORDERSPECEX byName = sortOn({MAKEPROPID(1, CEVT_LPWSTR)});
    CEDBASEINFOEX unnamed = describe(u"Unnamed");
    unnamed.dwFlags &= ~CEDB_VALIDNAME;
    const struct {
        const char* what;
        CEDBASEINFOEX info;
        DWORD error;
    } cases[] = {
        {"the same name", describe(u"Contacts Database"), ERROR_DUP_NAME},
        {"the same name in other case", describe(u"CONTACTS database"), ERROR_DUP_NAME},
        {"32 characters", describe(std::u16string(32, u'x')), ERROR_INVALID_PARAMETER},
        {"an empty name", describe(u""), ERROR_INVALID_PARAMETER},
        {"no valid name", unnamed, ERROR_INVALID_PARAMETER},
        {"five sort orders", describe(u"Five", 0, {byName, byName, byName, byName, byName}), ERROR_INVALID_PARAMETER},
        {"four sort properties", describe(u"Four", 0, {sortOn({1, 2, 3, 4})}), ERROR_INVALID_PARAMETER},
        {"a sort property of no type", describe(u"Typeless", 0, {sortOn({MAKEPROPID(1, 7)})}), ERROR_INVALID_PARAMETER},
    };
    for (auto c : cases) {
        SetLastError(0);
        EXPECT_EQ(0u, CeCreateDatabaseEx2(&volume, &c.info)) << c.what;
        EXPECT_EQ(c.error, GetLastError()) << c.what;
    }
    CEDBASEINFOEX longest = describe(std::u16string(31, u'x'));
    EXPECT_NE(0u, CeCreateDatabaseEx2(&volume, &longest));
}

TEST_F(CatalogueTest, ADescriptionComesBackAsCreated)
{
    const SORTORDERSPECEX sorts[]
        = {sortOn({MAKEPROPID(1, CEVT_LPWSTR), MAKEPROPID(2, CEVT_FILETIME)}, CEDB_SORT_DESCENDING),
            sortOn({MAKEPROPID(3, CEVT_UI4)})};
    CEDBASEINFOEX info = describe(u"Appointments Database", 0x1234, {sorts[0], sorts[1]});
    info.dwFlags |= CEDB_SYSTEMDB | CEDB_NOCOMPRESS;
    CEOID oid = CeCreateDatabaseEx2(&volume, &info);
    ASSERT_NE(0u, oid);
    HANDLE handle = openDatabase(volume, oid);
    CEDBASEINFOEX read {};
    ASSERT_TRUE(CeGetDBInformationByHandle(handle, &read));
    CloseHandle(handle);
    EXPECT_EQ(std::u16string(u"Appointments Database"), read.szDbaseName);
    EXPECT_EQ(0x1234u, read.dwDbaseType);
    EXPECT_EQ(CEDB_VALIDCREATE | CEDB_VALIDMODTIME | CEDB_SYSTEMDB | CEDB_NOCOMPRESS, read.dwFlags);
    ASSERT_EQ(2, read.wNumSortOrder);
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(0, std::memcmp(&sorts[i], &read.rgSortSpecs[i], sizeof sorts[i])) << "sort order " << i;
}

TEST_F(CatalogueTest, DatabasesOpenByIdOrByNameInAnyCase)
{
    const CEOID oid = createDatabase(volume, u"Tasks Database");
    const struct {
        const char* what;
        CEOID oid;
        const char16_t* name;
        bool anyVolume;
        DWORD error;
    } cases[] = {
        {"by id", oid, nullptr, false, 0},
        {"by name", 0, u"Tasks Database", false, 0},
        {"by name in other case", 0, u"tASKS dATABASE", false, 0},
        {"by name on any volume", 0, u"Tasks Database", true, 0},
        {"unknown name", 0, u"Notes", false, ERROR_FILE_NOT_FOUND},
        {"unknown id", oid + 100, nullptr, false, ERROR_INVALID_PARAMETER},
        {"neither id nor name", 0, nullptr, false, ERROR_INVALID_PARAMETER},
    };
    for (const auto& c : cases) {
        CEGUID guid = volume;
        if (c.anyVolume)
            CREATE_INVALIDGUID(&guid);
        CEOID asked = c.oid;
        std::u16string name = c.name ? c.name : u"";
        HANDLE handle = CeOpenDatabaseEx2(&guid, &asked, c.name ? name.data() : nullptr, nullptr, 0, nullptr);
        if (c.error) {
            EXPECT_EQ(INVALID_HANDLE_VALUE, handle) << c.what;
            EXPECT_EQ(c.error, GetLastError()) << c.what;
            continue;
        }
        EXPECT_NE(INVALID_HANDLE_VALUE, handle) << c.what;
        EXPECT_EQ(oid, asked) << c.what;
        CloseHandle(handle);
    }
}

TEST_F(CatalogueTest, FindingListsDatabasesInCreationOrderByType)
{
    const std::vector<CEOID> made
        = {createDatabase(volume, u"B", 7), createDatabase(volume, u"A", 8), createDatabase(volume, u"C", 7)};
    const struct {
        DWORD type;
        std::vector<CEOID> expected;
    } cases[] = {{0, made}, {7, {made[0], made[2]}}, {9, {}}};
    for (const auto& c : cases) {
        HANDLE find = CeFindFirstDatabaseEx(&volume, c.type);
        ASSERT_NE(INVALID_HANDLE_VALUE, find);
        std::vector<CEOID> found;
        CEGUID where {};
        for (CEOID oid; (oid = CeFindNextDatabaseEx(find, &where)) != 0;) {
            found.push_back(oid);
            EXPECT_EQ(0, std::memcmp(&where, &volume, sizeof where));
        }
        EXPECT_EQ(static_cast<DWORD>(ERROR_NO_MORE_ITEMS), GetLastError());
        EXPECT_EQ(c.expected, found) << "type " << c.type;
        CloseHandle(find);
    }
}

TEST_F(CatalogueTest, ObjectInformationFollowsTheRecordsAndTheClock)
{
    const CEOID oid = createDatabase(volume, u"Notes");
    const CEDBASEINFOEX empty = databaseInfo(volume, oid);
    EXPECT_EQ(0u, empty.dwNumRecords);
    EXPECT_EQ(0u, empty.dwSize);
    emulator::advanceDeviceClock(60 * 60 * 1000);
    HANDLE handle = openDatabase(volume, oid);
    std::vector<BYTE> bytes(5000, 1);
    CEPROPVAL value = blobValue(1, bytes);
    const CEOID record = CeWriteRecordProps(handle, 0, 1, &value);
    CeWriteRecordProps(handle, 0, 1, &value);
    const CEDBASEINFOEX filled = databaseInfo(volume, oid);
    EXPECT_EQ(2u, filled.dwNumRecords);
    EXPECT_GE(filled.dwSize, 2 * bytes.size());
    const auto ticks = [](const FILETIME& t) { return (ULONGLONG {t.dwHighDateTime} << 32) | t.dwLowDateTime; };
    EXPECT_EQ(ticks(empty.ftLastModified) + 60ull * 60 * 10000000, ticks(filled.ftLastModified));

    CEOIDINFOEX info {};
    ASSERT_TRUE(CeOidGetInfoEx(&volume, record, &info));
    EXPECT_EQ(OBJTYPE_RECORD, info.wObjType);
    EXPECT_EQ(oid, info.infRecord.oidParent);
    EXPECT_TRUE(CeDeleteRecord(handle, record));
    EXPECT_EQ(filled.dwSize / 2, databaseInfo(volume, oid).dwSize);
    EXPECT_FALSE(CeOidGetInfoEx(&volume, record, &info));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
    CloseHandle(handle);
}

TEST_F(CatalogueTest, AnOpenDatabaseCannotBeDeleted)
{
    const CEOID oid = createDatabase(volume, u"Inbox");
    HANDLE handle = openDatabase(volume, oid);
    CEPROPVAL value = numberValue(1, CEVT_I4, 1);
    const CEOID record = CeWriteRecordProps(handle, 0, 1, &value);
    EXPECT_FALSE(CeDeleteDatabaseEx(&volume, oid));
    EXPECT_EQ(static_cast<DWORD>(ERROR_SHARING_VIOLATION), GetLastError());
    CloseHandle(handle);
    EXPECT_TRUE(CeDeleteDatabaseEx(&volume, oid));
    CEOIDINFOEX info {};
    EXPECT_FALSE(CeOidGetInfoEx(&volume, oid, &info));
    EXPECT_FALSE(CeOidGetInfoEx(&volume, record, &info));
    EXPECT_FALSE(CeDeleteDatabaseEx(&volume, oid));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
    // The name is free again.
    EXPECT_NE(0u, createDatabase(volume, u"Inbox"));
}

TEST(SimulatedProgramDatabaseTest, ADatabaseASimulatedProgramHoldsCannotBeDeletedUntilItEnds)
{
    emulator::Profile profile = testing_support::smallProfile();
    profile.otherSections.push_back({"program.poutlook",
        {{"OpenDatabase", "\\pim.vol|Contacts Database"}, {"OpenDatabase1", "\\pim.vol|Missing Database"}}});
    testing_support::TestDevice device(profile);
    CEGUID volume = volumeGuid(u"\\pim.vol");
    const CEOID oid = createDatabase(volume, u"Contacts Database");
    PROCESS_INFORMATION process {};
    ASSERT_TRUE(CreateProcessW(
        u"\\Windows\\poutlook.exe", nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, nullptr, &process));
    EXPECT_FALSE(CeDeleteDatabaseEx(&volume, oid));
    EXPECT_EQ(static_cast<DWORD>(ERROR_SHARING_VIOLATION), GetLastError());
    ASSERT_TRUE(TerminateProcess(process.hProcess, 0));
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(process.hProcess, INFINITE));
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    EXPECT_TRUE(CeDeleteDatabaseEx(&volume, oid)) << GetLastError();
}

TEST(SimulatedProgramDatabaseTest, AProgramStartedAtBootHoldsItsDatabaseFromBoot)
{
    emulator::Profile profile = testing_support::smallProfile();
    profile.otherSections.push_back(
        {"program.calendar", {{"AtBoot", "1"}, {"OpenDatabase", "\\PIM.VOL|appointments database"}}});
    testing_support::TestDevice device(profile);
    CEGUID volume = volumeGuid(u"\\pim.vol");
    const CEOID held = createDatabase(volume, u"Appointments Database"), free = createDatabase(volume, u"Tasks");
    device.reboot();
    volume = volumeGuid(u"\\pim.vol");
    EXPECT_FALSE(CeDeleteDatabaseEx(&volume, held));
    EXPECT_EQ(static_cast<DWORD>(ERROR_SHARING_VIOLATION), GetLastError());
    EXPECT_TRUE(CeDeleteDatabaseEx(&volume, free));
}

TEST(SimulatedProgramDatabaseTest, BadOpenDatabaseValuesFailTheBoot)
{
    const std::string values[]
        = {"\\pim.vol", "pim.vol|Contacts", "\\pim.vol|", "\\pim.vol|" + std::string(32, 'x'), "\\pim.vol|a|b"};
    for (const auto& value : values) {
        emulator::Profile profile = testing_support::smallProfile();
        profile.otherSections.push_back({"program.poutlook", {{"OpenDatabase2", value}}});
        EXPECT_THROW(testing_support::TestDevice device(profile), std::runtime_error) << value;
    }
}

} // namespace
