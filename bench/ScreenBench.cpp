// Screen composition on a 480x640 device with ten top-level windows (each painted once): how
// many full-screen recompositions a second, taken as a front-end takes them (captureScreen:
// desktop, windows in z-order, the title bar, then the host's copy). The goal is 200 or more.
#include <benchmark/benchmark.h>

#include <string>

#include "TestDevice.h"
#include "emulator/Screen.h"
#include "windows.h"

namespace {

LRESULT CALLBACK paintProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_PAINT)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    PAINTSTRUCT paint {};
    HDC dc = BeginPaint(hwnd, &paint);
    HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(GetWindowLongW(hwnd, GWL_USERDATA)));
    FillRect(dc, &paint.rcPaint, brush);
    DeleteObject(brush);
    EndPaint(hwnd, &paint);
    return 0;
}

void BM_ComposeScreenWithTenWindows(benchmark::State& state)
{
    emulator::Profile profile = testing_support::smallProfile();
    profile.screenWidth = 480;
    profile.screenHeight = 640;
    profile.screenDpi = 192;
    testing_support::TestDevice device(profile);
    WNDCLASSW wc {};
    wc.lpfnWndProc = paintProc;
    wc.lpszClassName = u"BenchWindow";
    RegisterClassW(&wc);
    // Five full-screen windows under five smaller overlapping ones.
    for (int i = 0; i < 10; ++i) {
        const bool full = i < 5;
        HWND hwnd = CreateWindowExW(0, u"BenchWindow", u"Window", WS_VISIBLE, full ? 0 : 20 * i, full ? 52 : 40 * i,
            full ? 480 : 300, full ? 536 : 260, nullptr, nullptr, nullptr, nullptr);
        SetWindowLongW(hwnd, GWL_USERDATA, static_cast<LONG>(RGB(20 * i, 255 - 20 * i, 128)));
    }
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&msg);
    for (auto _ : state)
        benchmark::DoNotOptimize(emulator::captureScreen());
    state.counters["frames_per_second"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ComposeScreenWithTenWindows)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
