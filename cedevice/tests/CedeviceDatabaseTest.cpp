// cedevice db list and db dump against a fresh image.
#include <fstream>

#include "CedeviceTestSupport.h"
#include "windbase.h"

namespace cedevice_test {
namespace {

using DatabaseTest = ImageTest;

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        result.push_back(line);
    return result;
}

// Boots the image and writes two records into "Tasks Database" of \pim.vol.
void writeTasks(const std::string& image)
{
    emulator::BootOptions options;
    options.virtualTime = true;
    std::string error;
    ASSERT_TRUE(emulator::bootDevice(image, options, error)) << error;
    CEGUID volume;
    CREATE_INVALIDGUID(&volume);
    CEOID oid = 0;
    std::u16string name = u"tasks database", text = u"Buy milk";
    HANDLE database = CeOpenDatabaseEx2(&volume, &oid, name.data(), nullptr, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, database);
    BYTE bytes[] = {0x0a, 0xff, 0x00};
    CEPROPVAL values[5] = {};
    values[0].propid = MAKEPROPID(1, CEVT_LPWSTR);
    values[0].val.lpwstr = text.data();
    values[1].propid = MAKEPROPID(2, CEVT_I2);
    values[1].val.iVal = -5;
    values[2].propid = MAKEPROPID(3, CEVT_BLOB);
    values[2].val.blob = {3, bytes};
    values[3].propid = MAKEPROPID(4, CEVT_FILETIME);
    values[3].val.filetime = {0x28ab17d0u, 0x01c43107u}; // 3 May 2004 12:07:09.005 UTC
    values[4].propid = MAKEPROPID(5, CEVT_BOOL);
    values[4].val.boolVal = -1;
    EXPECT_NE(0u, CeWriteRecordProps(database, 0, 5, values));
    CEPROPVAL number {};
    number.propid = MAKEPROPID(7, CEVT_R8);
    number.val.dblVal = 0.5;
    EXPECT_NE(0u, CeWriteRecordProps(database, 0, 1, &number));
    CloseHandle(database);
    emulator::shutdownDevice();
}

TEST_F(DatabaseTest, ListShowsTheFreshSystemDatabasesInAlignedColumns)
{
    const auto shown = lines(succeeds({"db", image, "list"}));
    ASSERT_GE(shown.size(), 9u);
    EXPECT_EQ(0u, shown[0].find("VOLUME"));
    EXPECT_EQ(0u, shown[1].find("\\pim.vol"));
    EXPECT_NE(std::string::npos, shown[1].find("(3 databases)"));
    for (const char* name :
        {"Contacts Database", "Appointments Database", "Tasks Database", "pmailFolders", "pmailMsgClasses"}) {
        const auto row = std::find_if(
            shown.begin(), shown.end(), [&](const std::string& line) { return line.find(name) != std::string::npos; });
        ASSERT_NE(shown.end(), row) << name;
        EXPECT_NE(std::string::npos, row->find("system")) << name;
    }
    // Figures are right-aligned under their headings.
    const size_t recordsEnd = shown[0].find("RECORDS") + 6, sizeEnd = shown[0].find("SIZE") + 3;
    for (size_t i = 1; i < 9; ++i) {
        if (shown[i][0] != ' ')
            continue; // a volume's row
        EXPECT_EQ('0', shown[i].at(recordsEnd)) << shown[i];
        EXPECT_EQ(' ', shown[i].at(recordsEnd + 1)) << shown[i];
        EXPECT_EQ('0', shown[i].at(sizeEnd)) << shown[i];
    }
}

TEST_F(DatabaseTest, ListCountsRecordsAndSizes)
{
    writeTasks(image);
    const auto shown = lines(succeeds({"db", image, "list"}));
    const auto row = std::find_if(shown.begin(), shown.end(),
        [](const std::string& line) { return line.find("Tasks Database") != std::string::npos; });
    ASSERT_NE(shown.end(), row);
    const size_t recordsEnd = shown[0].find("RECORDS") + 6, sizeEnd = shown[0].find("SIZE") + 3;
    EXPECT_EQ("   2 ", row->substr(recordsEnd - 3, 5));
    // Packed properties: text 4 + 4 + 16, I2 4 + 2, blob 4 + 4 + 3, time 4 + 8, bool 4 + 4; R8 4 + 8.
    EXPECT_EQ("73", row->substr(sizeEnd - 1, 2));
}

TEST_F(DatabaseTest, DumpShowsEveryRecordWithTypedValues)
{
    writeTasks(image);
    const std::string shown = succeeds({"db", image, "dump", "PIM.VOL", "Tasks Database"});
    const auto rows = lines(shown);
    ASSERT_EQ(9u, rows.size()) << shown;
    EXPECT_EQ(0u, rows[0].find("Record 0x"));
    EXPECT_EQ("  1  LPWSTR    \"Buy milk\"", rows[1]);
    EXPECT_EQ("  2  I2        -5", rows[2]);
    EXPECT_EQ("  3  BLOB      3 bytes: 0a ff 00", rows[3]);
    EXPECT_EQ("  4  FILETIME  2004-05-03 12:07:09.005 UTC", rows[4]);
    EXPECT_EQ("  5  BOOL      true (-1)", rows[5]);
    EXPECT_EQ(0u, rows[6].find("Record 0x"));
    EXPECT_EQ("  7  R8  0.5", rows[7]);
    EXPECT_EQ("2 records", rows[8]);
}

TEST_F(DatabaseTest, UnknownVolumesAndDatabasesAreErrors)
{
    EXPECT_EQ("cedevice: no mounted database volume \\nothing.vol\n",
        fails({"db", image, "dump", "nothing.vol", "Tasks Database"}));
    EXPECT_EQ("cedevice: no database \"Notes\" on \\pim.vol\n", fails({"db", image, "dump", "\\pim.vol", "Notes"}));
}

TEST_F(DatabaseTest, AFileThatIsNotAVolumeIsListedAsNotMounted)
{
    std::ofstream(emulator::imageRootFolder(image) / "cemail.vol", std::ios::trunc) << "not a volume";
    const std::string shown = succeeds({"db", image, "list"});
    EXPECT_EQ(std::string::npos, shown.find("pmailFolders"));
    EXPECT_NE(std::string::npos, shown.find("\\cemail.vol: not mounted"));
}

} // namespace
} // namespace cedevice_test
