// Power requests: SetSystemPowerState calls and power-key presses are recorded in order; bad
// requests are refused; a soft reset keeps the record and a cold boot starts a new one.
#include <gtest/gtest.h>

#include "TestDevice.h"
#include "emulator/Power.h"
#include "emulator/Reset.h"
#include "pm.h"
#include "windows.h"
#include "winuser.h"

using testing_support::TestDevice;

namespace {

TEST(Power, RequestsAreRecordedInOrder)
{
    TestDevice device;
    EXPECT_TRUE(emulator::powerRequests().empty());
    EXPECT_EQ(static_cast<DWORD>(ERROR_SUCCESS), SetSystemPowerState(nullptr, POWER_STATE_ON, 0));
    keybd_event(VK_OFF, 0, 0, 0);
    keybd_event(VK_OFF, 0, KEYEVENTF_KEYUP, 0);  // the release asks nothing more
    keybd_event('A', 0, 0, 0);                   // other keys are no power request
    EXPECT_EQ(static_cast<DWORD>(ERROR_SUCCESS), SetSystemPowerState(u"suspend", POWER_STATE_ON, POWER_FORCE));
    EXPECT_EQ(static_cast<DWORD>(ERROR_SUCCESS), SetSystemPowerState(nullptr, POWER_STATE_SUSPEND | 0x5, 0));

    const std::vector<emulator::PowerRequest> expected = {
        {u"", POWER_STATE_ON, 0, false},
        {u"", POWER_STATE_OFF, 0, true},
        {u"suspend", POWER_STATE_ON, POWER_FORCE, false},
        {u"", POWER_STATE_SUSPEND | 0x5, 0, false},
    };
    EXPECT_EQ(expected, emulator::powerRequests());
}

TEST(Power, RequestsWithoutAStateAreRefused)
{
    TestDevice device;
    const struct {
        const char* name;
        LPCWSTR state;
        DWORD flags;
    } cases[] = {
        {"no name, no state flag", nullptr, 0x0000FFFF},
        {"empty name", u"", POWER_STATE_ON},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetLastError(0);
        EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), SetSystemPowerState(c.state, c.flags, 0));
        EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
    }
    EXPECT_TRUE(emulator::powerRequests().empty());
}

TEST(Power, SoftResetKeepsTheRecordAndColdBootClearsIt)
{
    TestDevice device;
    keybd_event(VK_OFF, 0, 0, 0);
    ASSERT_TRUE(emulator::softResetDevice().done);
    EXPECT_EQ(1u, emulator::powerRequests().size());
    device.reboot();
    EXPECT_TRUE(emulator::powerRequests().empty());
}

TEST(Power, NoRequestWithoutADevice)
{
    SetLastError(0);
    EXPECT_EQ(static_cast<DWORD>(ERROR_NOT_READY), SetSystemPowerState(nullptr, POWER_STATE_ON, 0));
}

}  // namespace
