// registry.db across boots: flushed and unflushed changes, deletions, damaged files, and the
// registry used from several threads at once.
#include "RegistryTestSupport.h"

#include <fstream>
#include <thread>

namespace registry_test {
namespace {

TEST_F(RegistryTest, ChangesSurviveAReboot)
{
    HKEY key = createKey(HKEY_LOCAL_MACHINE, u"Keep\\Me");
    ASSERT_EQ(setDword(key, u"Flushed", 1), ERROR_SUCCESS);
    RegCloseKey(createKey(HKEY_LOCAL_MACHINE, u"Keep\\Gone\\Deep"));
    ASSERT_EQ(RegFlushKey(HKEY_CURRENT_USER), ERROR_SUCCESS);  // any key flushes everything
    ASSERT_EQ(setDword(key, u"Flushed", 2), ERROR_SUCCESS);
    ASSERT_EQ(setDword(key, u"Second", 3), ERROR_SUCCESS);
    ASSERT_EQ(RegDeleteKeyW(HKEY_LOCAL_MACHINE, u"Keep\\Gone"), ERROR_SUCCESS);
    ASSERT_EQ(RegFlushKey(key), ERROR_SUCCESS);
    ASSERT_EQ(RegFlushKey(key), ERROR_SUCCESS);  // nothing left to write
    ASSERT_EQ(setDword(key, u"Unflushed", 4), ERROR_SUCCESS);

    dev.reboot();
    EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE);
    key = createKey(HKEY_LOCAL_MACHINE, u"Keep\\Me");
    EXPECT_EQ(valueNames(key), (Names{u"Flushed", u"Second", u"Unflushed"}));
    EXPECT_EQ(queryBytes(key, u"Flushed"), (std::vector<BYTE>{2, 0, 0, 0}));
    HKEY keep = createKey(HKEY_LOCAL_MACHINE, u"Keep");
    EXPECT_EQ(subKeyNames(keep), Names{u"Me"});
    RegCloseKey(keep);

    // Keys and values made after the reboot follow the loaded ones.
    ASSERT_EQ(setDword(key, u"Later", 5), ERROR_SUCCESS);
    RegCloseKey(createKey(HKEY_LOCAL_MACHINE, u"Keep\\Again"));
    dev.reboot();
    key = createKey(HKEY_LOCAL_MACHINE, u"Keep");
    EXPECT_EQ(subKeyNames(key), (Names{u"Me", u"Again"}));
    RegCloseKey(key);
    key = createKey(HKEY_LOCAL_MACHINE, u"Keep\\Me");
    EXPECT_EQ(valueNames(key).back(), u"Later");
    RegCloseKey(key);
}

TEST(RegistryDatabase, DamagedFileFailsTheBootClearly)
{
    testing_support::TempFolder folder;
    auto image = folder.path() / "device";
    testing_support::makeBareImage(image, testing_support::smallProfile());
    std::ofstream(image / "registry.db") << std::string(4096, 'x');
    std::string error;
    EXPECT_FALSE(emulator::bootDevice(image, {}, error));
    EXPECT_NE(error.find("registry.db"), std::string::npos) << error;
    EXPECT_FALSE(emulator::deviceBooted());
}

TEST_F(RegistryTest, ManyThreadsShareTheRegistry)
{
    constexpr unsigned kThreads = 4, kKeys = 200;
    std::vector<std::thread> threads;
    for (unsigned t = 0; t < kThreads; ++t) {
        threads.emplace_back([t] {
            for (unsigned i = 0; i < kKeys; ++i) {
                HKEY key = createKey(HKEY_LOCAL_MACHINE, u"Threads\\T" + number(t) + u"\\K" + number(i));
                EXPECT_EQ(setDword(key, u"i", static_cast<DWORD>(i)), ERROR_SUCCESS);
                HKEY shared = createKey(HKEY_LOCAL_MACHINE, u"Threads");
                subKeyNames(shared);
                RegCloseKey(shared);
                if (i % 50 == 0) {
                    EXPECT_EQ(RegFlushKey(key), ERROR_SUCCESS);
                }
                RegCloseKey(key);
            }
        });
    }
    for (auto& thread : threads)
        thread.join();
    DWORD subKeys = 0;
    for (unsigned t = 0; t < kThreads; ++t) {
        HKEY key = createKey(HKEY_LOCAL_MACHINE, u"Threads\\T" + number(t));
        EXPECT_EQ(RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, nullptr, nullptr,
                                   nullptr, nullptr, nullptr),
                  ERROR_SUCCESS);
        EXPECT_EQ(subKeys, static_cast<DWORD>(kKeys));
        RegCloseKey(key);
    }
}

}  // namespace
}  // namespace registry_test
