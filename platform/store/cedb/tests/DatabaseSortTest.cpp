// Reading a database in the order of one of its sort orders: by type, descending, case, and
// records lacking the property first or last; changes while reading; orders it does not have.
#include "DatabaseTestSupport.h"
#include "TestDevice.h"

namespace {

using namespace database_test;

constexpr CEPROPID name = MAKEPROPID(1, CEVT_LPWSTR), number = MAKEPROPID(2, CEVT_I4);

SORTORDERSPECEX sortOn(std::vector<std::pair<CEPROPID, DWORD>> props)
{
    SORTORDERSPECEX sort {};
    sort.wVersion = SORTORDERSPECEX_VERSION;
    sort.wNumProps = static_cast<WORD>(props.size());
    for (size_t i = 0; i < props.size(); ++i) {
        sort.rgPropID[i] = props[i].first;
        sort.rgdwFlags[i] = props[i].second;
    }
    return sort;
}

class SortTest : public ::testing::Test {
protected:
    SortTest()
    {
        CEDBASEINFOEX info = describe(u"People", 0, sorts);
        oid = CeCreateDatabaseEx2(&volume, &info);
        HANDLE handle = openDatabase(volume, oid);
        // name, number (none where empty / 0x7FFFFFFF)
        const std::pair<const char16_t*, LONG> people[]
            = {{u"bob", 5}, {u"Alice", -3}, {u"carol", 0x7FFFFFFF}, {nullptr, 10}, {u"alice", 7}, {u"Bob", 1}};
        for (const auto& [text, value] : people) {
            std::vector<CEPROPVAL> values;
            if (text)
                values.push_back(textValue(1, text));
            if (value != 0x7FFFFFFF)
                values.push_back(numberValue(2, CEVT_I4, static_cast<DWORD>(value)));
            records.push_back(CeWriteRecordProps(handle, 0, static_cast<WORD>(values.size()), values.data()));
        }
        CloseHandle(handle);
    }

    HANDLE openSorted(SORTORDERSPECEX sort)
    {
        CEOID asked = oid;
        return CeOpenDatabaseEx2(&volume, &asked, nullptr, &sort, CEDB_AUTOINCREMENT, nullptr);
    }

    std::vector<size_t> readOrder(HANDLE handle)
    {
        std::vector<size_t> order;
        for (const auto& record : readAll(handle))
            order.push_back(
                static_cast<size_t>(std::find(records.begin(), records.end(), record.oid) - records.begin()));
        return order;
    }

    testing_support::TestDevice device;
    CEGUID volume = volumeGuid(u"\\pim.vol");
    const std::vector<SORTORDERSPECEX> sorts = {
        sortOn({{name, CEDB_SORT_CASEINSENSITIVE}}),
        sortOn({{number, CEDB_SORT_DESCENDING | CEDB_SORT_UNKNOWNFIRST}}),
        sortOn({{name, 0}, {number, 0}}),
    };
    CEOID oid = 0;
    std::vector<CEOID> records;
};

TEST_F(SortTest, EachSortOrderGivesItsOrder)
{
    const std::vector<std::vector<size_t>> expected = {
        {1, 4, 0, 5, 2, 3}, // Alice, alice, bob, Bob (equal: creation order), carol, no name last
        {2, 3, 4, 0, 5, 1}, // no number first, then 10, 7, 5, 1, -3
        {1, 5, 4, 0, 2, 3}, // case counts: Alice, Bob, alice, bob, carol, no name
    };
    for (size_t i = 0; i < sorts.size(); ++i) {
        HANDLE handle = openSorted(sorts[i]);
        ASSERT_NE(INVALID_HANDLE_VALUE, handle) << i;
        EXPECT_EQ(expected[i], readOrder(handle)) << "sort order " << i;
        CloseHandle(handle);
    }
}

TEST_F(SortTest, ReadingGoesOnFromTheCurrentRecordAfterChanges)
{
    HANDLE handle = openSorted(sorts[1]);
    EXPECT_EQ(records[2], readRecord(handle).oid);
    EXPECT_EQ(records[3], readRecord(handle).oid);
    CEPROPVAL value = numberValue(2, CEVT_I4, 8);
    const CEOID added = CeWriteRecordProps(handle, 0, 1, &value); // sorts before the current record
    EXPECT_TRUE(CeDeleteRecord(handle, records[4])); // the current record
    EXPECT_EQ(records[0], readRecord(handle).oid);
    DWORD index = 0;
    EXPECT_EQ(added, CeSeekDatabaseEx(handle, CEDB_SEEK_BEGINNING, 2, 1, &index));
    EXPECT_EQ(added, readRecord(handle).oid);
    EXPECT_EQ(records[1], CeSeekDatabaseEx(handle, CEDB_SEEK_CEOID, records[1], 1, nullptr));
    EXPECT_EQ(records[1], readRecord(handle).oid);
    EXPECT_EQ(0u, readRecord(handle).oid);
    CloseHandle(handle);
}

TEST_F(SortTest, OnlyTheDatabasesOwnSortOrdersOpenIt)
{
    const SORTORDERSPECEX others[]
        = {sortOn({{number, 0}}), sortOn({{name, CEDB_SORT_DESCENDING}}), sortOn({{MAKEPROPID(3, CEVT_UI2), 0}})};
    for (const auto& sort : others) {
        EXPECT_EQ(INVALID_HANDLE_VALUE, openSorted(sort));
        EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
    }
    HANDLE unsorted = openSorted(sortOn({}));
    EXPECT_EQ((std::vector<size_t> {0, 1, 2, 3, 4, 5}), readOrder(unsorted));
    CloseHandle(unsorted);
}

} // namespace
