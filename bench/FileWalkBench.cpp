// Walking a large device folder tree: 100,000 files of 0-4 KB in 2,000 folders up to six deep,
// made once per run in a temporary image. The device walk goes depth-first with
// FindFirstFileExW / FindNextFileW and reads each entry's attributes and size; the yardstick
// walks the same host tree with std::filesystem::recursive_directory_iterator and file_size.
// Goal: the device walk takes at most 1.5 times the yardstick's time.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "TestDevice.h"
#include "windows.h"

namespace {

constexpr int kFolders = 2000;
constexpr int kFiles = 100000;
constexpr int kDeepest = 6;
constexpr size_t kLargestFile = 4096;

struct WalkTotals {
    ULONGLONG files = 0;
    ULONGLONG folders = 0;
    ULONGLONG bytes = 0;
    bool operator==(const WalkTotals&) const = default;
};

// A small deterministic generator, so every run walks the same tree.
class Sequence {
public:
    uint32_t next()
    {
        m_state = m_state * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<uint32_t>(m_state >> 33);
    }

private:
    uint64_t m_state = 0x4B454C56;
};

// Makes the tree under `top` (which counts as depth 0) and gives its totals.
WalkTotals makeTree(const std::filesystem::path& top)
{
    Sequence sequence;
    WalkTotals totals;
    std::vector<std::filesystem::path> folders;
    std::vector<int> depths;
    std::filesystem::create_directories(top);
    for (int i = 0; i < kFolders; ++i) {
        // The parent: the top (index folders.size()) or an earlier folder not yet six deep.
        size_t parent;
        do
            parent = sequence.next() % (folders.size() + 1);
        while (parent < folders.size() && depths[parent] >= kDeepest);
        bool underTop = parent == folders.size();
        folders.push_back((underTop ? top : folders[parent]) / ("Folder" + std::to_string(i)));
        depths.push_back(underTop ? 1 : depths[parent] + 1);
        std::filesystem::create_directory(folders.back());
        ++totals.folders;
    }
    std::string content(kLargestFile, 'k');
    for (int i = 0; i < kFiles; ++i) {
        size_t size = sequence.next() % (kLargestFile + 1);
        std::filesystem::path file = folders[i % kFolders] / ("File" + std::to_string(i) + ".dat");
        int fd = open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0 || write(fd, content.data(), size) != static_cast<ssize_t>(size))
            throw std::runtime_error("cannot write " + file.string());
        close(fd);
        ++totals.files;
        totals.bytes += size;
    }
    return totals;
}

void walkDevice(std::u16string& folder, WalkTotals& totals)
{
    size_t length = folder.size();
    folder += u"\\*";
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileExW(folder.c_str(), FindExInfoStandard, &data, FindExSearchNameMatch, nullptr, 0);
    folder.resize(length);
    if (find == INVALID_HANDLE_VALUE)
        return;
    do {
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            ++totals.folders;
            folder += u'\\';
            folder += data.cFileName;
            walkDevice(folder, totals);
            folder.resize(length);
        } else {
            ++totals.files;
            totals.bytes += (ULONGLONG(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
        }
    } while (FindNextFileW(find, &data));
    FindClose(find);
}

WalkTotals walkHost(const std::filesystem::path& top)
{
    WalkTotals totals;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(top)) {
        if (entry.is_directory()) {
            ++totals.folders;
        } else {
            ++totals.files;
            totals.bytes += entry.file_size();
        }
    }
    return totals;
}

void reportWalk(benchmark::State& state, const WalkTotals& walked, const WalkTotals& expected)
{
    if (!(walked == expected))
        state.SkipWithError("the walk did not see the whole tree");
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * (expected.files + expected.folders)));
}

// Keeps each benchmark's real time per iteration for the closing comparison.
class ComparingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            times[run.run_name.function_name] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
};

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    testing_support::TestDevice dev;
    std::filesystem::path top = dev.hostPath(u"\\Tree");
    std::fprintf(stderr, "making %d files in %d folders...\n", kFiles, kFolders);
    const WalkTotals expected = makeTree(top);
    walkHost(top);  // both walks start with the tree in the host's caches

    benchmark::RegisterBenchmark("DeviceFindWalk",
        [&](benchmark::State& state) {
            WalkTotals walked;
            for (auto _ : state) {
                walked = WalkTotals();
                std::u16string folder = u"\\Tree";
                walkDevice(folder, walked);
            }
            reportWalk(state, walked, expected);
        })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->MinTime(3.0);
    benchmark::RegisterBenchmark("HostFilesystemWalk",
        [&](benchmark::State& state) {
            WalkTotals walked;
            for (auto _ : state)
                walked = walkHost(top);
            reportWalk(state, walked, expected);
        })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->MinTime(3.0);

    ComparingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    double device = reporter.times["DeviceFindWalk"];
    double host = reporter.times["HostFilesystemWalk"];
    if (device > 0 && host > 0)
        std::printf("device walk / std::filesystem walk: %.2f (goal: at most 1.50)\n", device / host);
    return 0;
}
