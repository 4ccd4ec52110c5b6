// A host process killed after CeFlushDBVol keeps what was flushed and loses what came after,
// and the volume opens cleanly afterwards.
#include <spawn.h>
#include <sys/wait.h>

#include "DatabaseTestSupport.h"
#include "TestDevice.h"
#include "emulator/Device.h"

extern char** environ;

namespace {

using namespace database_test;

int runWriter(const std::filesystem::path& image, int first, int flushed, int unflushed, int padding)
{
    std::string imageArg = image.string(), firstArg = std::to_string(first), flushedArg = std::to_string(flushed),
                unflushedArg = std::to_string(unflushed), paddingArg = std::to_string(padding);
    char* argv[] = {const_cast<char*>(DATABASE_WRITER), imageArg.data(), firstArg.data(), flushedArg.data(),
        unflushedArg.data(), paddingArg.data(), nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, DATABASE_WRITER, nullptr, nullptr, argv, environ) != 0)
        return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(DurabilityTest, AKillAfterAFlushKeepsExactlyTheFlushedRecords)
{
    testing_support::TempFolder folder;
    const auto image = folder.path() / "device";
    testing_support::makeBareImage(image, testing_support::smallProfile());
    // Each run loses its unflushed records, so the next one numbers on from its flushed ones.
    // The last run's unflushed records (32 MB) cannot stay in the cache: they reach the volume
    // file before the kill, and the boot rolls them back from the journal.
    const struct {
        int flushed;
        int unflushed;
        int padding;
    } runs[] = {{50, 30, 0}, {0, 10, 0}, {1200, 700, 100}, {20, 500, 65536}};
    int expected = 0;
    for (const auto& run : runs) {
        ASSERT_EQ(0, runWriter(image, expected, run.flushed, run.unflushed, run.padding));
        expected += run.flushed;
    }
    // The journal left by the kill lies outside the device's files.
    EXPECT_FALSE(std::filesystem::is_empty(image / "volume-journals"));
    EXPECT_FALSE(std::filesystem::exists(emulator::imageRootFolder(image) / "pim.vol-journal"));
    std::string error;
    emulator::BootOptions options;
    options.virtualTime = true;
    ASSERT_TRUE(emulator::bootDevice(image, options, error)) << error;
    CEGUID volume = volumeGuid(u"\\pim.vol");
    CEOID oid = 0;
    std::u16string name = u"Durable";
    HANDLE database = CeOpenDatabaseEx2(&volume, &oid, name.data(), nullptr, CEDB_AUTOINCREMENT, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, database);
    const auto records = readAll(database);
    ASSERT_EQ(static_cast<size_t>(expected), records.size());
    for (size_t i = 0; i < records.size(); ++i)
        EXPECT_EQ(propertyOf(numberValue(1, CEVT_UI4, static_cast<DWORD>(i))), records[i].properties.at(0));
    EXPECT_EQ(static_cast<DWORD>(expected), databaseInfo(volume, oid).dwNumRecords);
    CloseHandle(database);
    emulator::shutdownDevice();
}

} // namespace
