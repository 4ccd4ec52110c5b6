// 100,000 records written into one database volume and read back through the SDK calls,
// against plain SQLite writing and reading the same rows (one row per record holding the
// same property bytes) with the same durable commit. The goal: at most twice the yardstick.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstring>
#include <string>
#include <vector>

#include "TestDevice.h"
#include "windbase.h"

namespace {

constexpr int kRecords = 100000;
const std::u16string kName = u"Contact 0123456789";

// A contact-like record: a number, a name, a time and a small byte block.
struct RecordValues {
    CEPROPVAL values[4] = {};
    BYTE bytes[16] = {};

    explicit RecordValues(DWORD i)
    {
        std::memset(bytes, static_cast<int>(i & 0xFF), sizeof bytes);
        values[0].propid = MAKEPROPID(1, CEVT_UI4);
        values[0].val.ulVal = i;
        values[1].propid = MAKEPROPID(2, CEVT_LPWSTR);
        values[1].val.lpwstr = const_cast<LPWSTR>(kName.c_str());
        values[2].propid = MAKEPROPID(3, CEVT_FILETIME);
        values[2].val.filetime = {i, 0x01C43107u};
        values[3].propid = MAKEPROPID(4, CEVT_BLOB);
        values[3].val.blob = {sizeof bytes, bytes};
    }
};

CEGUID firstVolume()
{
    CEGUID guid;
    CREATE_INVALIDGUID(&guid);
    WCHAR name[MAX_PATH];
    CeEnumDBVolumes(&guid, name, MAX_PATH);
    return guid;
}

void deviceDatabase(benchmark::State& state)
{
    testing_support::TestDevice device;
    CEGUID volume = firstVolume();
    int run = 0;
    for (auto _ : state) {
        CEDBASEINFOEX info {};
        info.dwFlags = CEDB_VALIDNAME;
        const std::u16string name = u"Bench " + std::u16string(1, static_cast<char16_t>(u'A' + run++));
        name.copy(info.szDbaseName, name.size());
        CEOID oid = CeCreateDatabaseEx2(&volume, &info);
        HANDLE database = CeOpenDatabaseEx2(&volume, &oid, nullptr, nullptr, CEDB_AUTOINCREMENT, nullptr);
        for (DWORD i = 0; i < kRecords; ++i) {
            RecordValues record(i);
            CeWriteRecordProps(database, 0, 4, record.values);
        }
        CeFlushDBVol(&volume);
        LPBYTE buffer = nullptr;
        DWORD size = 0;
        WORD count = 0;
        int read = 0;
        while (CeReadRecordPropsEx(database, CEDB_ALLOWREALLOC, &count, nullptr, &buffer, &size, nullptr) != 0)
            ++read;
        LocalFree(buffer);
        CloseHandle(database);
        if (read != kRecords)
            state.SkipWithError("records missing");
        state.PauseTiming();
        CeDeleteDatabaseEx(&volume, oid);
        CeFlushDBVol(&volume);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
}

// The same property bytes the volume stores for a record.
std::vector<BYTE> packedRecord(DWORD i)
{
    std::vector<BYTE> packed;
    auto add = [&](const void* data, size_t size) {
        packed.insert(packed.end(), static_cast<const BYTE*>(data), static_cast<const BYTE*>(data) + size);
    };
    const RecordValues record(i);
    const DWORD textBytes = static_cast<DWORD>(kName.size() * 2), blobBytes = sizeof record.bytes;
    add(&record.values[0].propid, 4);
    add(&i, 4);
    add(&record.values[1].propid, 4);
    add(&textBytes, 4);
    add(kName.data(), textBytes);
    add(&record.values[2].propid, 4);
    add(&record.values[2].val.filetime, 8);
    add(&record.values[3].propid, 4);
    add(&blobBytes, 4);
    add(record.bytes, blobBytes);
    return packed;
}

void plainSqlite(benchmark::State& state)
{
    testing_support::TempFolder folder;
    sqlite3* db = nullptr;
    sqlite3_open((folder.path() / "plain.db").c_str(), &db);
    sqlite3_exec(db, "PRAGMA synchronous = FULL", nullptr, nullptr, nullptr);
    for (auto _ : state) {
        sqlite3_exec(
            db, "CREATE TABLE records(id INTEGER PRIMARY KEY, props BLOB NOT NULL); BEGIN", nullptr, nullptr, nullptr);
        sqlite3_stmt* insert = nullptr;
        sqlite3_prepare_v2(db, "INSERT INTO records(id, props) VALUES(?, ?)", -1, &insert, nullptr);
        for (DWORD i = 0; i < kRecords; ++i) {
            const std::vector<BYTE> packed = packedRecord(i);
            sqlite3_bind_int64(insert, 1, i + 1);
            sqlite3_bind_blob(insert, 2, packed.data(), static_cast<int>(packed.size()), SQLITE_TRANSIENT);
            sqlite3_step(insert);
            sqlite3_reset(insert);
        }
        sqlite3_finalize(insert);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_stmt* select = nullptr;
        sqlite3_prepare_v2(db, "SELECT id, props FROM records ORDER BY id", -1, &select, nullptr);
        std::vector<BYTE> copy;
        int read = 0;
        while (sqlite3_step(select) == SQLITE_ROW) {
            auto data = static_cast<const BYTE*>(sqlite3_column_blob(select, 1));
            copy.assign(data, data + sqlite3_column_bytes(select, 1));
            benchmark::DoNotOptimize(copy.data());
            ++read;
        }
        sqlite3_finalize(select);
        if (read != kRecords)
            state.SkipWithError("rows missing");
        state.PauseTiming();
        sqlite3_exec(db, "DROP TABLE records", nullptr, nullptr, nullptr);
        state.ResumeTiming();
    }
    sqlite3_close(db);
    state.SetItemsProcessed(state.iterations() * kRecords);
}

BENCHMARK(deviceDatabase)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(plainSqlite)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

BENCHMARK_MAIN();
