// Starting and ending device processes of the test program image: CreateProcessW, a wait for
// its end and CloseHandle, 1,000 processes per iteration in a virtual-time device. Each start
// loads a private copy of the image and runs WinMain on a new device thread.
// Goal: under 2 ms per process.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "TestDevice.h"
#include "windows.h"

namespace {

constexpr int kProcesses = 1000;
constexpr const WCHAR* kProgram = u"\\Program Files\\Test\\TestProgram.exe";

bool runOnce(std::u16string& commandLine)
{
    PROCESS_INFORMATION started {};
    if (!CreateProcessW(kProgram, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, nullptr, &started))
        return false;
    DWORD exitCode = 0;
    bool ended = WaitForSingleObject(started.hProcess, INFINITE) == WAIT_OBJECT_0
        && GetExitCodeProcess(started.hProcess, &exitCode) && exitCode == 7;
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return ended;
}

void startAndEndProcesses(benchmark::State& state)
{
    testing_support::TestDevice device;
    std::filesystem::path target = device.hostPath(kProgram);
    std::filesystem::create_directories(target.parent_path());
    std::filesystem::copy_file(TEST_PROGRAM_IMAGE, target);
    std::u16string commandLine = u"exit 7";
    for (auto _ : state) {
        for (int i = 0; i < kProcesses; ++i) {
            if (!runOnce(commandLine)) {
                state.SkipWithError("a process did not start or end as expected");
                return;
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * kProcesses);
    state.counters["time_per_process"] = benchmark::Counter(static_cast<double>(state.iterations() * kProcesses),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

} // namespace

BENCHMARK(startAndEndProcesses)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
