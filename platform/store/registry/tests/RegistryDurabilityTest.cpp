// A writer process killed at random moments never costs a flushed batch, and never leaves a
// batch half-written: registry.db opens afterwards with every batch it reported.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <random>
#include <string_view>

#include "DurabilityBatch.h"
#include "TestDevice.h"

extern char** environ;

namespace {

// Where to kill the writer: once it reported `flushes` finished flushes, or, when `fraction`
// is set, that far into a later flush, measured in ticks against the flush before it (a flush
// shorter than that is let through and the next one tried).
struct KillPoint {
    int flushes;
    double fraction;
};

// Starts the writer on the image from batch `first` and kills it at the kill point. Returns
// how many flushes it reported finished, or -1 when it ended before the kill point.
int runWriterUntil(const std::filesystem::path& image, DWORD first, KillPoint at)
{
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    std::string imageArg = image.string(), firstArg = std::to_string(first);
    char* argv[] = {const_cast<char*>(REGISTRY_WRITER), imageArg.data(), firstArg.data(), nullptr};
    pid_t pid = 0;
    int spawned = posix_spawn(&pid, REGISTRY_WRITER, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    int done = 0, ticks = 0, lastFlushTicks = 0, targetTicks = 0;
    bool inFlush = false;
    auto reached = [&] {
        return done >= at.flushes && (at.fraction == 0 || (targetTicks && inFlush && ticks >= targetTicks));
    };
    std::string output;
    char buffer[4096];
    while (spawned == 0 && !reached()) {
        ssize_t got = read(pipeFds[0], buffer, sizeof buffer);
        if (got <= 0)
            break;
        output.append(buffer, static_cast<size_t>(got));
        size_t start = 0;
        for (size_t end; !reached() && (end = output.find('\n', start)) != std::string::npos; start = end + 1) {
            std::string_view line(output.data() + start, end - start);
            if (line.starts_with("flush")) {
                inFlush = true;
                ticks = 0;
                if (done >= at.flushes)
                    targetTicks = std::max(1, static_cast<int>(at.fraction * lastFlushTicks));
            } else if (line.starts_with("done")) {
                inFlush = false;
                lastFlushTicks = ticks;
                ++done;
            } else if (inFlush) {
                ++ticks;
            }
        }
        output.erase(0, start);
    }
    close(pipeFds[0]);
    if (spawned != 0)
        return -1;
    kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    return reached() ? done : -1;
}

// How many parts of the batch are in the registry: its own key, the value in it and each value
// in its group key, with the right bytes. 0 when absent, kValuesPerBatch + 2 when whole.
DWORD partsPresent(DWORD batch)
{
    DWORD parts = 0;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, durability::batchKey(batch).c_str(), 0, 0, &key) == ERROR_SUCCESS) {
        DWORD stored = 0, size = 4;
        ++parts;
        if (RegQueryValueExW(key, u"Batch", nullptr, nullptr, reinterpret_cast<BYTE*>(&stored), &size) ==
                ERROR_SUCCESS &&
            stored == batch)
            ++parts;
        RegCloseKey(key);
    }
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, durability::groupKey(batch).c_str(), 0, 0, &key) != ERROR_SUCCESS)
        return parts;
    for (DWORD i = 0; i < durability::kValuesPerBatch; ++i) {
        std::vector<BYTE> expected = durability::valueData(batch, i), data(expected.size() + 1);
        DWORD size = static_cast<DWORD>(data.size());
        if (RegQueryValueExW(key, durability::valueName(batch, i).c_str(), nullptr, nullptr, data.data(), &size) ==
                ERROR_SUCCESS &&
            std::equal(expected.begin(), expected.end(), data.begin(), data.begin() + size))
            ++parts;
    }
    RegCloseKey(key);
    return parts;
}

// Shuts the booted image down when a round ends, failed checks included.
struct ShutdownAtEnd {
    ~ShutdownAtEnd() { emulator::shutdownDevice(); }
};

TEST(RegistryDurability, KilledWriterKeepsEveryFlushedBatch)
{
    constexpr DWORD kWhole = durability::kValuesPerBatch + 2;
    testing_support::TempFolder folder;
    const auto image = folder.path() / "device";
    testing_support::makeBareImage(image, testing_support::smallProfile());
    const unsigned seed = std::random_device{}();
    SCOPED_TRACE(testing::Message() << "seed " << seed);
    std::mt19937 random(seed);

    DWORD next = 0;  // the first batch not in the registry
    for (int round = 0; round < 10; ++round) {
        // The first round is killed at once, perhaps while registry.db is being made; later
        // ones after a random number of flushes, most of them at a random moment of a flush.
        KillPoint at{0, 0};
        if (round > 0)
            at = {std::uniform_int_distribution<int>(1, 10)(random),
                  round % 3 == 0 ? 0 : std::uniform_real_distribution<double>(0, 1)(random)};
        const int reported = runWriterUntil(image, next, at);
        ASSERT_GE(reported, at.flushes) << "the writer ended early";

        std::string error;
        ASSERT_TRUE(emulator::bootDevice(image, {}, error)) << error;
        ShutdownAtEnd shutdown;
        for (DWORD batch = 0; batch < next + static_cast<DWORD>(reported); ++batch)
            ASSERT_EQ(partsPresent(batch), kWhole) << "reported batch " << batch << " in round " << round;
        next += static_cast<DWORD>(reported);
        // Batches flushed after the last report are whole; the one the kill cut is absent.
        while (partsPresent(next) == kWhole)
            ++next;
        EXPECT_EQ(partsPresent(next), 0u) << "batch " << next << " is half-written";
    }
    EXPECT_GT(next, 0u);
}

}  // namespace
