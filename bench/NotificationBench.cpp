// Notification queue speed on a test device holding 10,000 notifications (timed ones in the
// future, event registrations, user alerts): reading every one back as the product does, the
// size first and then the record, and listing the handles. Also what registering them costs.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "TestDevice.h"
#include "notify.h"
#include "windows.h"

namespace {

constexpr int kNotifications = 10000;

void addNotification(int i)
{
    std::u16string application = u"\\Program Files\\App" + std::u16string(1, static_cast<char16_t>(u'A' + i % 26)) +
                                 u"\\program.exe";
    std::u16string arguments = u"-run " + std::u16string(1, static_cast<char16_t>(u'0' + i % 10));
    std::u16string title = u"Reminder";
    CE_NOTIFICATION_TRIGGER trigger{sizeof trigger, CNT_TIME, 0, application.data(), arguments.data(),
                                    {2030, 1, 0, 1, 8, 0, 0, 0}, {}};
    CE_USER_NOTIFICATION user{PUN_DIALOG, title.data(), nullptr, nullptr, 0, 0};
    switch (i % 3) {
    case 0:
        CeSetUserNotificationEx(nullptr, &trigger, nullptr);
        break;
    case 1:
        trigger.dwType = CNT_EVENT;
        trigger.dwEvent = NOTIFICATION_EVENT_RS232_DETECTED;
        CeSetUserNotificationEx(nullptr, &trigger, nullptr);
        break;
    default:
        trigger.dwType = CNT_PERIOD;
        trigger.stEndTime = trigger.stStartTime;
        CeSetUserNotificationEx(nullptr, &trigger, &user);
        break;
    }
}

// Each registration commits its own transaction, as the device keeps every change it reports.
// Runs first: the read benchmarks then keep their device booted to the end.
void BM_RegisterNotifications(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        {
            testing_support::TestDevice device;
            state.ResumeTiming();
            for (int i = 0; i < kNotifications; ++i)
                addNotification(i);
            state.PauseTiming();
        }
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kNotifications);
}
BENCHMARK(BM_RegisterNotifications)->Unit(benchmark::kMillisecond)->Iterations(1);

// One device with the notifications, made once for the read benchmarks.
testing_support::TestDevice& filledDevice()
{
    static auto device = [] {
        auto made = std::make_unique<testing_support::TestDevice>();
        for (int i = 0; i < kNotifications; ++i)
            addNotification(i);
        return made;
    }();
    return *device;
}

std::vector<HANDLE> allHandles()
{
    DWORD needed = 0;
    CeGetUserNotificationHandles(nullptr, 0, &needed);
    std::vector<HANDLE> handles(needed);
    CeGetUserNotificationHandles(handles.data(), needed, &needed);
    return handles;
}

void BM_ReadEveryNotification(benchmark::State& state)
{
    filledDevice();
    const std::vector<HANDLE> handles = allHandles();
    std::vector<ULONGLONG> buffer(64);
    for (auto _ : state) {
        DWORD bytes = 0;
        for (HANDLE handle : handles) {
            DWORD needed = 0;
            CeGetUserNotification(handle, 0, &needed, nullptr);
            if (needed > buffer.size() * sizeof(ULONGLONG))
                buffer.resize(needed / sizeof(ULONGLONG) + 1);
            CeGetUserNotification(handle, needed, &needed, reinterpret_cast<BYTE*>(buffer.data()));
            bytes += needed;
        }
        benchmark::DoNotOptimize(bytes);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(handles.size()));
}
BENCHMARK(BM_ReadEveryNotification)->Unit(benchmark::kMillisecond);

void BM_ListHandles(benchmark::State& state)
{
    filledDevice();
    for (auto _ : state)
        benchmark::DoNotOptimize(allHandles());
}
BENCHMARK(BM_ListHandles)->Unit(benchmark::kMicrosecond);


}  // namespace

BENCHMARK_MAIN();
