// Records through the SDK calls: every property type written and read back exactly, the read
// buffer (fixed and growing), replacing and deleting properties, deleting records, seeking.
#include <cfloat>
#include <climits>

#include "DatabaseTestSupport.h"
#include "TestDevice.h"

namespace {

using namespace database_test;

class RecordTest : public ::testing::Test {
protected:
    RecordTest()
    {
        volume = volumeGuid(u"\\pim.vol");
        oid = createDatabase(volume, u"Records");
        handle = openDatabase(volume, oid);
    }
    ~RecordTest() override { CloseHandle(handle); }

    CEOID write(std::vector<CEPROPVAL> values, CEOID record = 0)
    {
        return CeWriteRecordProps(handle, record, static_cast<WORD>(values.size()), values.data());
    }

    testing_support::TestDevice device;
    CEGUID volume {};
    CEOID oid = 0;
    HANDLE handle = nullptr;
};

CEPROPVAL doubleValue(WORD number, double value)
{
    CEPROPVAL prop {};
    prop.propid = MAKEPROPID(number, CEVT_R8);
    prop.val.dblVal = value;
    return prop;
}

CEPROPVAL timeValue(WORD number, DWORD low, DWORD high)
{
    CEPROPVAL prop {};
    prop.propid = MAKEPROPID(number, CEVT_FILETIME);
    prop.val.filetime = {low, high};
    return prop;
}

TEST_F(RecordTest, EveryPropertyTypeRoundTripsExactly)
{
    std::vector<BYTE> empty, three {0x0a, 0xff, 0x00}, big(1 << 20);
    for (size_t i = 0; i < big.size(); ++i)
        big[i] = static_cast<BYTE>(i * 7 + (i >> 9));
    const std::u16string longText(40000, u'\u00e9'), noText, contact = u"Contact: Ann",
                                                             surrogates = u"a\U0001F600\xd800z";
    const std::vector<std::vector<CEPROPVAL>> records = {
        {numberValue(1, CEVT_I2, 0x8000), numberValue(2, CEVT_UI2, 0xFFFF), numberValue(3, CEVT_I4, 0x80000000u),
            numberValue(4, CEVT_UI4, 0xFFFFFFFFu), numberValue(5, CEVT_BOOL, 0xFFFFFFFFu), numberValue(6, CEVT_BOOL, 0),
            numberValue(7, CEVT_AUTO_I4, 123456789)},
        {doubleValue(1, 3.141592653589793), doubleValue(2, -0.0), doubleValue(3, DBL_MAX), doubleValue(4, DBL_MIN),
            timeValue(5, 0x12345678u, 0x01C43000u), timeValue(6, 0xFFFFFFFFu, 0x7FFFFFFFu)},
        {textValue(1, noText.c_str()), textValue(2, contact.c_str()), textValue(3, surrogates.c_str()),
            textValue(4, longText.c_str())},
        {blobValue(1, empty), blobValue(2, three), blobValue(3, big), blobValue(4, three, CEVT_STREAM),
            blobValue(5, three, CEVT_RECID), blobValue(6, empty, CEVT_AUTO_I8)},
        {},
    };
    std::vector<CEOID> written;
    for (auto values : records) {
        written.push_back(write(values));
        EXPECT_NE(0u, written.back()) << GetLastError();
    }
    CloseHandle(handle);
    handle = openDatabase(volume, oid);
    const auto read = readAll(handle);
    ASSERT_EQ(records.size(), read.size());
    for (size_t r = 0; r < records.size(); ++r) {
        SCOPED_TRACE("record " + std::to_string(r));
        EXPECT_EQ(written[r], read[r].oid);
        ASSERT_EQ(records[r].size(), read[r].properties.size());
        for (size_t p = 0; p < records[r].size(); ++p)
            EXPECT_EQ(propertyOf(records[r][p]), read[r].properties[p]) << "property " << p;
    }
}

TEST_F(RecordTest, AReadLaysValuesOutAsOneBlockWithTextsTerminated)
{
    std::vector<BYTE> bytes {1, 2, 3};
    write({textValue(1, u"abc"), blobValue(2, bytes), numberValue(3, CEVT_I4, 5)});
    LPBYTE buffer = nullptr;
    DWORD size = 0;
    WORD count = 0;
    ASSERT_NE(0u, CeReadRecordPropsEx(handle, CEDB_ALLOWREALLOC, &count, nullptr, &buffer, &size, nullptr));
    ASSERT_EQ(3, count);
    EXPECT_EQ(3 * sizeof(CEPROPVAL) + 8 + 3, size);
    auto* values = reinterpret_cast<CEPROPVAL*>(buffer);
    for (const CEPROPVAL& value : {values[0], values[1]}) {
        const BYTE* pointer = TypeFromPropID(value.propid) == CEVT_LPWSTR ? reinterpret_cast<BYTE*>(value.val.lpwstr)
                                                                          : value.val.blob.lpb;
        EXPECT_GE(pointer, buffer + 3 * sizeof(CEPROPVAL));
        EXPECT_LE(pointer, buffer + size);
    }
    EXPECT_EQ(u'\0', values[0].val.lpwstr[3]);
    EXPECT_EQ(5, values[2].val.lVal);
    LocalFree(buffer);
}

TEST_F(RecordTest, AFixedBufferTooSmallReportsTheSizeAndKeepsThePosition)
{
    std::vector<BYTE> large(20000, 0x5a);
    const CEOID first = write({blobValue(1, large)});
    const CEOID second = write({numberValue(1, CEVT_I4, 2)});
    BYTE fixed[10240];
    LPBYTE buffer = fixed;
    DWORD size = sizeof fixed;
    WORD count = 0;
    EXPECT_EQ(0u, CeReadRecordPropsEx(handle, 0, &count, nullptr, &buffer, &size, nullptr));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER), GetLastError());
    EXPECT_EQ(sizeof(CEPROPVAL) + large.size(), size);
    EXPECT_EQ(fixed, buffer);

    // The same record is still next: a growing buffer gets it.
    LPBYTE grown = static_cast<LPBYTE>(LocalAlloc(LMEM_FIXED, 16));
    DWORD grownSize = 16;
    EXPECT_EQ(first, CeReadRecordPropsEx(handle, CEDB_ALLOWREALLOC, &count, nullptr, &grown, &grownSize, nullptr));
    EXPECT_EQ(sizeof(CEPROPVAL) + large.size(), grownSize);
    EXPECT_EQ(0, std::memcmp(reinterpret_cast<CEPROPVAL*>(grown)->val.blob.lpb, large.data(), large.size()));
    LocalFree(grown);

    size = sizeof fixed;
    EXPECT_EQ(second, CeReadRecordPropsEx(handle, 0, &count, nullptr, &buffer, &size, nullptr));
    EXPECT_EQ(0u, CeReadRecordPropsEx(handle, 0, &count, nullptr, &buffer, &size, nullptr));
    EXPECT_EQ(static_cast<DWORD>(ERROR_NO_MORE_ITEMS), GetLastError());
}

TEST_F(RecordTest, WritesReplaceKeepAndDeleteProperties)
{
    const CEOID record = write({numberValue(1, CEVT_I4, 1), textValue(2, u"old"), numberValue(3, CEVT_UI2, 3)});
    EXPECT_EQ(record, write({textValue(2, u"new and longer"), numberValue(4, CEVT_UI4, 4)}, record));
    CEPROPVAL removal = numberValue(1, CEVT_I4, 0);
    removal.wFlags = CEDB_PROPDELETE;
    EXPECT_EQ(record, write({removal}, record));
    const auto read = readAll(handle);
    ASSERT_EQ(1u, read.size());
    const std::vector<Property> expected = {propertyOf(textValue(2, u"new and longer")),
        propertyOf(numberValue(3, CEVT_UI2, 3)), propertyOf(numberValue(4, CEVT_UI4, 4))};
    EXPECT_EQ(expected, read[0].properties);
}

TEST_F(RecordTest, WritesThatCannotBeDoneFailWithoutChangingAnything)
{
    const CEOID record = write({numberValue(1, CEVT_I4, 1)});
    const CEOID otherDatabase = createDatabase(volume, u"Other");
    HANDLE other = openDatabase(volume, otherDatabase);
    const CEOID foreign = CeWriteRecordProps(other, 0, 0, nullptr);
    CloseHandle(other);
    CEPROPVAL unknownType = numberValue(1, 4, 0), nullText = textValue(2, u"");
    nullText.val.lpwstr = nullptr;
    struct {
        const char* what;
        CEOID record;
        CEPROPVAL value;
    } cases[] = {
        {"missing record", record + 1000, numberValue(1, CEVT_I4, 2)},
        {"record of another database", foreign, numberValue(1, CEVT_I4, 2)},
        {"the database's own id", oid, numberValue(1, CEVT_I4, 2)},
        {"unknown type", record, unknownType},
        {"null text", record, nullText},
    };
    for (auto& c : cases) {
        SetLastError(0);
        EXPECT_EQ(0u, CeWriteRecordProps(handle, c.record, 1, &c.value)) << c.what;
        EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError()) << c.what;
    }
    const auto read = readAll(handle);
    ASSERT_EQ(1u, read.size());
    EXPECT_EQ(std::vector<Property> {propertyOf(numberValue(1, CEVT_I4, 1))}, read[0].properties);
}

TEST_F(RecordTest, DeletedRecordsAreGoneAndTheReadMovesPastThem)
{
    std::vector<CEOID> records;
    for (DWORD i = 0; i < 5; ++i)
        records.push_back(write({numberValue(1, CEVT_UI4, i)}));
    EXPECT_EQ(records[0], readRecord(handle).oid);
    EXPECT_TRUE(CeDeleteRecord(handle, records[1]));
    EXPECT_TRUE(CeDeleteRecord(handle, records[3]));
    EXPECT_FALSE(CeDeleteRecord(handle, records[3]));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
    std::vector<CEOID> rest;
    for (const auto& record : readAll(handle))
        rest.push_back(record.oid);
    EXPECT_EQ((std::vector<CEOID> {records[2], records[4]}), rest);
    EXPECT_EQ(3u, databaseInfo(volume, oid).dwNumRecords);
}

TEST_F(RecordTest, ChosenPropertiesComeInTheAskedOrderAndMissingOnesAreFlagged)
{
    write({numberValue(1, CEVT_I4, 10), textValue(2, u"two")});
    CEPROPID wanted[] = {MAKEPROPID(2, CEVT_LPWSTR), MAKEPROPID(9, CEVT_I4), MAKEPROPID(1, CEVT_I4)};
    LPBYTE buffer = nullptr;
    DWORD size = 0;
    WORD count = 3;
    ASSERT_NE(0u, CeReadRecordPropsEx(handle, CEDB_ALLOWREALLOC, &count, wanted, &buffer, &size, nullptr));
    auto* values = reinterpret_cast<CEPROPVAL*>(buffer);
    EXPECT_EQ(std::u16string(u"two"), values[0].val.lpwstr);
    EXPECT_EQ(wanted[1], values[1].propid);
    EXPECT_EQ(CEDB_PROPNOTFOUND, values[1].wFlags);
    EXPECT_EQ(10, values[2].val.lVal);
    EXPECT_EQ(0, values[2].wFlags);
    LocalFree(buffer);
}

TEST_F(RecordTest, WithoutAutoIncrementReadsStayOnTheRecordUntilASeek)
{
    std::vector<CEOID> records;
    for (DWORD i = 0; i < 3; ++i)
        records.push_back(write({numberValue(1, CEVT_UI4, i)}));
    HANDLE fixed = openDatabase(volume, oid, 0);
    EXPECT_EQ(records[0], readRecord(fixed).oid);
    EXPECT_EQ(records[0], readRecord(fixed).oid);
    DWORD index = 0;
    EXPECT_EQ(records[2], CeSeekDatabaseEx(fixed, CEDB_SEEK_BEGINNING, 2, 1, &index));
    EXPECT_EQ(2u, index);
    EXPECT_EQ(records[2], readRecord(fixed).oid);
    EXPECT_EQ(records[1], CeSeekDatabaseEx(fixed, CEDB_SEEK_CEOID, records[1], 1, nullptr));
    EXPECT_EQ(records[1], readRecord(fixed).oid);
    EXPECT_EQ(0u, CeSeekDatabaseEx(fixed, CEDB_SEEK_BEGINNING, 3, 1, nullptr));
    EXPECT_EQ(static_cast<DWORD>(ERROR_NO_MORE_ITEMS), GetLastError());
    CloseHandle(fixed);
}

TEST_F(RecordTest, RecordsWrittenWhileReadingAreFoundInCreationOrder)
{
    const CEOID first = write({numberValue(1, CEVT_UI4, 1)});
    EXPECT_EQ(first, readRecord(handle).oid);
    const CEOID second = write({numberValue(1, CEVT_UI4, 2)});
    EXPECT_EQ(second, readRecord(handle).oid);
    EXPECT_EQ(0u, readRecord(handle).oid);
}

} // namespace
