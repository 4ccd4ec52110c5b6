// Reading the command line's switches.
#include "CommandLine.h"

#include "AppState.h"

StartRequest readCommandLine(std::u16string_view text)
{
    const auto holds = [&](std::u16string_view word) { return text.find(word) != std::u16string_view::npos; };
    StartRequest request;
    request.install = holds(u"/INSTALL");
    if (holds(u"-Q"))
        request.runMode = quickCleanRun;
    if (holds(u"-Free"))
        request.runMode = reclaimRun;
    if (holds(u"-reset")) {
        request.runMode = quickCleanRun;
        request.resetStart = true;
    }
    request.timeChange = holds(u"AppRunAfterTimeChange");
    return request;
}
