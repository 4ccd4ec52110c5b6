// Helper of the durability test: boots an image, registers the notifications its arguments
// name (one run-at-time entry per application, at a fixed time), prints each handle, and then
// kills itself without any shutdown, as a host process dies when it is killed.
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "TestDevice.h"
#include "emulator/Text.h"
#include "notify.h"

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s IMAGE APP...\n", argv[0]);
        return 2;
    }
    if (!testing_support::bootOrReport(argv[1]))
        return 1;
    for (int i = 2; i < argc; ++i) {
        std::u16string application = emulator::fromUtf8(argv[i]);
        CE_NOTIFICATION_TRIGGER trigger{sizeof trigger, CNT_TIME, 0, application.data(), nullptr, {2027, 6, 0, 1, 8, 30, 0, 0}, {}};
        HANDLE handle = CeSetUserNotificationEx(nullptr, &trigger, nullptr);
        if (!handle)
            return 1;
        std::printf("%lu\n", static_cast<unsigned long>(reinterpret_cast<uintptr_t>(handle)));
    }
    std::fflush(stdout);
    kill(getpid(), SIGKILL);
    return 3;
}
