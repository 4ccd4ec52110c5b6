// Registry speed, each benchmark on a fresh temporary image: making 100,000 keys with 300,000
// values and flushing them once (beside plain SQLite inserting the same rows in one
// transaction), enumerating the whole tree depth-first by index, and opening random 5-deep
// paths. Goals: at most twice plain SQLite, under 2 s, at least 50,000 opens a second.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <random>
#include <string>
#include <vector>

#include "TestDevice.h"
#include "windows.h"

namespace {

constexpr size_t kKeys = 100000;
constexpr size_t kFanOut = 10;
constexpr size_t kDepth = 5;

struct BenchKey {
    std::u16string path;  // from HKEY_LOCAL_MACHINE
    size_t parent;        // index of the parent key, or kKeys for a top-level key
    size_t depth;
};

std::u16string number(size_t n)
{
    std::string digits = std::to_string(n);
    return std::u16string(digits.begin(), digits.end());
}

// The benchmark tree: ten children per key, five levels, made depth-first until there are
// kKeys keys.
const std::vector<BenchKey>& benchKeys()
{
    static const std::vector<BenchKey> keys = [] {
        std::vector<BenchKey> made;
        made.reserve(kKeys);
        auto grow = [&](auto& self, size_t parent, const std::u16string& prefix, size_t depth) -> void {
            for (size_t i = 0; i < kFanOut && made.size() < kKeys; ++i) {
                size_t index = made.size();
                made.push_back({prefix + u"Node" + number(i) + u"_" + number(depth), parent, depth});
                if (depth < kDepth)
                    self(self, index, made[index].path + u"\\", depth + 1);
            }
        };
        grow(grow, kKeys, u"", 1);
        return made;
    }();
    return keys;
}

struct BenchValue {
    const char16_t* name;
    DWORD type;
    std::vector<BYTE> data;
};

// The three values every key holds: a string, a number and some bytes.
std::vector<BenchValue> valuesOf(size_t index)
{
    std::u16string text = u"Item number " + number(index);
    auto textBytes = reinterpret_cast<const BYTE*>(text.c_str());
    DWORD dword = static_cast<DWORD>(index);
    auto dwordBytes = reinterpret_cast<const BYTE*>(&dword);
    std::vector<BYTE> binary(16);
    for (size_t i = 0; i < binary.size(); ++i)
        binary[i] = static_cast<BYTE>(index + i);
    return {{u"Name", REG_SZ, {textBytes, textBytes + (text.size() + 1) * 2}},
            {u"Size", REG_DWORD, {dwordBytes, dwordBytes + 4}},
            {u"Data", REG_BINARY, binary}};
}

bool createTree()
{
    const auto& keys = benchKeys();
    for (size_t i = 0; i < keys.size(); ++i) {
        HKEY key = nullptr;
        if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, keys[i].path.c_str(), 0, nullptr, 0, 0, nullptr, &key, nullptr) !=
            ERROR_SUCCESS)
            return false;
        for (const BenchValue& value : valuesOf(i))
            if (RegSetValueExW(key, value.name, 0, value.type, value.data.data(),
                               static_cast<DWORD>(value.data.size())) != ERROR_SUCCESS)
                return false;
        RegCloseKey(key);
    }
    return RegFlushKey(HKEY_LOCAL_MACHINE) == ERROR_SUCCESS;
}

void BM_CreateAndFlush(benchmark::State& state)
{
    benchKeys();
    for (auto _ : state) {
        state.PauseTiming();
        auto device = std::make_unique<testing_support::TestDevice>();
        state.ResumeTiming();
        if (!createTree())
            state.SkipWithError("creating the tree failed");
        state.PauseTiming();
        device.reset();
        state.ResumeTiming();
    }
}

// The same rows into plain SQLite, one transaction, as the measure for BM_CreateAndFlush.
void BM_PlainSqliteInsert(benchmark::State& state)
{
    const auto& keys = benchKeys();
    std::vector<std::vector<BenchValue>> values;
    for (size_t i = 0; i < keys.size(); ++i)
        values.push_back(valuesOf(i));
    for (auto _ : state) {
        state.PauseTiming();
        testing_support::TempFolder folder;
        sqlite3* db = nullptr;
        sqlite3_open((folder.path() / "plain.db").c_str(), &db);
        sqlite3_exec(db,
                     "PRAGMA encoding = 'UTF-16le'; PRAGMA journal_mode = WAL; PRAGMA synchronous = FULL;"
                     "CREATE TABLE k(id INTEGER PRIMARY KEY, parent INTEGER, name TEXT);"
                     "CREATE TABLE v(id INTEGER PRIMARY KEY, key INTEGER, name TEXT, type INTEGER, data BLOB);",
                     nullptr, nullptr, nullptr);
        sqlite3_stmt* putKey = nullptr;
        sqlite3_stmt* putValue = nullptr;
        sqlite3_prepare_v2(db, "INSERT INTO k VALUES(?, ?, ?)", -1, &putKey, nullptr);
        sqlite3_prepare_v2(db, "INSERT INTO v VALUES(?, ?, ?, ?, ?)", -1, &putValue, nullptr);
        state.ResumeTiming();

        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        int64_t valueId = 1;
        for (size_t i = 0; i < keys.size(); ++i) {
            std::u16string_view name = keys[i].path;
            name = name.substr(name.rfind(u'\\') + 1);
            sqlite3_bind_int64(putKey, 1, static_cast<int64_t>(i + 5));
            sqlite3_bind_int64(putKey, 2, static_cast<int64_t>(keys[i].parent + 5));
            sqlite3_bind_text16(putKey, 3, name.data(), static_cast<int>(name.size() * 2), SQLITE_STATIC);
            sqlite3_step(putKey);
            sqlite3_reset(putKey);
            for (const BenchValue& value : values[i]) {
                sqlite3_bind_int64(putValue, 1, valueId++);
                sqlite3_bind_int64(putValue, 2, static_cast<int64_t>(i + 5));
                sqlite3_bind_text16(putValue, 3, value.name, -1, SQLITE_STATIC);
                sqlite3_bind_int64(putValue, 4, value.type);
                sqlite3_bind_blob(putValue, 5, value.data.data(), static_cast<int>(value.data.size()), SQLITE_STATIC);
                sqlite3_step(putValue);
                sqlite3_reset(putValue);
            }
        }
        if (sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK)
            state.SkipWithError(sqlite3_errmsg(db));

        state.PauseTiming();
        sqlite3_finalize(putKey);
        sqlite3_finalize(putValue);
        sqlite3_close(db);
        state.ResumeTiming();
    }
}

// Enumerates the key's values and sub-keys by index, opening each sub-key in turn.
void enumerate(HKEY key, size_t& keys, size_t& values)
{
    WCHAR name[256];
    BYTE data[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = 256, size = sizeof data, type = 0;
        if (RegEnumValueW(key, i, name, &length, nullptr, &type, data, &size) != ERROR_SUCCESS)
            break;
        ++values;
    }
    for (DWORD i = 0;; ++i) {
        DWORD length = 256;
        if (RegEnumKeyExW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        HKEY child = nullptr;
        if (RegOpenKeyExW(key, name, 0, 0, &child) != ERROR_SUCCESS)
            break;
        ++keys;
        enumerate(child, keys, values);
        RegCloseKey(child);
    }
}

void BM_EnumerateAll(benchmark::State& state)
{
    testing_support::TestDevice device;
    if (!createTree()) {
        state.SkipWithError("creating the tree failed");
        return;
    }
    device.reboot();  // enumerate what was loaded from registry.db
    for (auto _ : state) {
        size_t keys = 0, values = 0;
        enumerate(HKEY_LOCAL_MACHINE, keys, values);
        if (keys != kKeys || values != kKeys * 3)
            state.SkipWithError("the enumeration missed keys or values");
    }
}

void BM_OpenRandomPaths(benchmark::State& state)
{
    testing_support::TestDevice device;
    if (!createTree()) {
        state.SkipWithError("creating the tree failed");
        return;
    }
    std::vector<const char16_t*> deep;
    for (const BenchKey& key : benchKeys())
        if (key.depth == kDepth)
            deep.push_back(key.path.c_str());
    std::mt19937 random(42);
    std::vector<const char16_t*> order(1 << 16);
    for (auto& path : order)
        path = deep[std::uniform_int_distribution<size_t>(0, deep.size() - 1)(random)];
    size_t next = 0;
    for (auto _ : state) {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, order[next++ & 0xFFFF], 0, 0, &key) != ERROR_SUCCESS) {
            state.SkipWithError("open failed");
            break;
        }
        RegCloseKey(key);
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
}

BENCHMARK(BM_CreateAndFlush)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_PlainSqliteInsert)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_EnumerateAll)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_OpenRandomPaths);

}  // namespace

BENCHMARK_MAIN();
