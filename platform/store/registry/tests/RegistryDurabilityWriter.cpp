// Helper of the durability test: boots an image and writes numbered batches of registry
// changes, flushing after each. It prints "flush N" as it starts flushing batch N and "done N"
// once RegFlushKey returned; while a flush runs, a second thread prints "t" lines as fast as it
// can, so that the test can kill the writer at a chosen moment inside a flush.
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "DurabilityBatch.h"
#include "TestDevice.h"
#include "emulator/Device.h"

namespace {

std::atomic<bool> flushing{false};
std::atomic<bool> finished{false};

// One write per line, so lines from the two threads never mix.
void say(const std::string& line)
{
    if (write(STDOUT_FILENO, line.data(), line.size()) != static_cast<ssize_t>(line.size()))
        std::_Exit(3);
}

void tick()
{
    for (;;) {
        flushing.wait(false);
        if (finished)
            return;
        while (flushing)
            say("t\n");
    }
}

bool writeBatch(DWORD batch)
{
    HKEY group = nullptr, own = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, durability::groupKey(batch).c_str(), 0, nullptr, 0, 0, nullptr, &group,
                        nullptr) != ERROR_SUCCESS ||
        RegCreateKeyExW(HKEY_LOCAL_MACHINE, durability::batchKey(batch).c_str(), 0, nullptr, 0, 0, nullptr, &own,
                        nullptr) != ERROR_SUCCESS)
        return false;
    bool ok = RegSetValueExW(own, u"Batch", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&batch), 4) == ERROR_SUCCESS;
    for (DWORD i = 0; ok && i < durability::kValuesPerBatch; ++i) {
        std::vector<BYTE> data = durability::valueData(batch, i);
        ok = RegSetValueExW(group, durability::valueName(batch, i).c_str(), 0, REG_BINARY, data.data(),
                            static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
    }
    RegCloseKey(own);
    RegCloseKey(group);
    return ok;
}

int writeBatches(DWORD first)
{
    // Runs until killed; the cap only guards against a test that forgot to.
    for (DWORD batch = first; batch < first + 100000; ++batch) {
        if (!writeBatch(batch)) {
            std::fprintf(stderr, "batch %u failed\n", batch);
            return 1;
        }
        say("flush " + std::to_string(batch) + "\n");
        flushing = true;
        flushing.notify_one();
        LONG flushed = RegFlushKey(HKEY_LOCAL_MACHINE);
        flushing = false;
        if (flushed != ERROR_SUCCESS) {
            std::fprintf(stderr, "flushing batch %u failed\n", batch);
            return 1;
        }
        say("done " + std::to_string(batch) + "\n");
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s IMAGE FIRST-BATCH\n", argv[0]);
        return 2;
    }
    if (!testing_support::bootOrReport(argv[1]))
        return 1;
    std::thread ticker(tick);
    int result = writeBatches(static_cast<DWORD>(std::strtoul(argv[2], nullptr, 10)));
    finished = true;
    flushing = true;
    flushing.notify_one();
    ticker.join();
    emulator::shutdownDevice();
    return result;
}
