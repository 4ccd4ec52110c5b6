// The memory division: fixed from CE 5 on; on CE 4.21 a change moves RAM between the object
// store and program memory, stays over a soft reset and goes back to the profile at a cold boot.
#include <gtest/gtest.h>

#include "TestDevice.h"
#include "emulator/Reset.h"
#include "windows.h"

using testing_support::TestDevice;

namespace {

emulator::Profile profileOf(DWORD major, DWORD minor)
{
    emulator::Profile profile = testing_support::smallProfile();
    profile.osMajor = major;
    profile.osMinor = minor;
    return profile;
}

struct Division {
    DWORD storePages = 0, ramPages = 0, pageSize = 0;
};

Division division()
{
    Division d;
    EXPECT_TRUE(GetSystemMemoryDivision(&d.storePages, &d.ramPages, &d.pageSize));
    return d;
}

SIZE_T totalPhysical()
{
    MEMORYSTATUS status{};
    GlobalMemoryStatus(&status);
    return status.dwTotalPhys;
}

TEST(MemoryDivision, RefusedFromCe5On)
{
    for (const auto& profile : {profileOf(5, 1), profileOf(5, 2), profileOf(6, 0)}) {
        SCOPED_TRACE(std::to_string(profile.osMajor) + "." + std::to_string(profile.osMinor));
        TestDevice device(profile);
        const Division before = division();
        SetLastError(0);
        EXPECT_EQ(static_cast<DWORD>(SYSMEM_FAILED), SetSystemMemoryDivision(before.storePages + 256));
        EXPECT_EQ(static_cast<DWORD>(ERROR_NOT_SUPPORTED), GetLastError());
        EXPECT_EQ(before.storePages, division().storePages);
    }
}

TEST(MemoryDivision, MovesProgramMemoryOnCe421)
{
    const emulator::Profile profile = profileOf(4, 21);
    TestDevice device(profile);
    const Division before = division();
    ASSERT_EQ(profile.storeBytes / profile.pageSize, before.storePages);
    const SIZE_T programBytes = totalPhysical();

    const struct {
        const char* name;
        DWORD storePages;
        DWORD result;
    } cases[] = {
        {"larger store", before.storePages + 512, SYSMEM_CHANGED},
        {"smaller store", before.storePages - 256, SYSMEM_CHANGED},
        {"no store", 0, SYSMEM_FAILED},
        {"all of RAM", static_cast<DWORD>(profile.ramBytes / profile.pageSize), SYSMEM_FAILED},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Division previous = division();
        EXPECT_EQ(c.result, SetSystemMemoryDivision(c.storePages));
        const DWORD storePages = c.result == SYSMEM_CHANGED ? c.storePages : previous.storePages;
        const Division now = division();
        EXPECT_EQ(storePages, now.storePages);
        EXPECT_EQ(before.storePages + before.ramPages, now.storePages + now.ramPages);
        // What the store gains, program memory loses.
        EXPECT_EQ(static_cast<LONGLONG>(programBytes) - (LONGLONG{storePages} - before.storePages) * profile.pageSize,
                  static_cast<LONGLONG>(totalPhysical()));
    }
}

TEST(MemoryDivision, KeptOverSoftResetAndBackToTheProfileAtColdBoot)
{
    const emulator::Profile profile = profileOf(4, 21);
    TestDevice device(profile);
    const DWORD profilePages = division().storePages;
    ASSERT_EQ(static_cast<DWORD>(SYSMEM_CHANGED), SetSystemMemoryDivision(profilePages + 300));
    const SIZE_T moved = totalPhysical();

    ASSERT_TRUE(emulator::softResetDevice().done);
    EXPECT_EQ(profilePages + 300, division().storePages);
    EXPECT_EQ(moved, totalPhysical());

    device.reboot();
    EXPECT_EQ(profilePages, division().storePages);
}

// The object store's size must follow the division as program memory does. Off until the file
// system takes the store size from the division (see the report of this change).
TEST(MemoryDivision, StoreInformationFollowsTheDivision)
{
    TestDevice device(profileOf(4, 21));
    const Division before = division();
    ASSERT_EQ(static_cast<DWORD>(SYSMEM_CHANGED), SetSystemMemoryDivision(before.storePages + 512));
    STORE_INFORMATION store{};
    ASSERT_TRUE(GetStoreInformation(&store));
    EXPECT_EQ(ULONGLONG{before.storePages + 512} * before.pageSize, store.dwStoreSize);
}

}  // namespace
