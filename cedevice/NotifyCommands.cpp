// Placeholder: being written in this change.
#include "CommandSupport.h"
#include "Commands.h"

namespace cedevice {

void runNotifyList(const CommandLine&, std::ostream&)
{
    throw CommandError("not built yet");
}

void runNotifyAddTime(const CommandLine&, std::ostream&)
{
    throw CommandError("not built yet");
}

void runNotifyAddEvent(const CommandLine&, std::ostream&)
{
    throw CommandError("not built yet");
}

void runNotifyClear(const CommandLine&, std::ostream&)
{
    throw CommandError("not built yet");
}

void runEvent(const CommandLine&, std::ostream&)
{
    throw CommandError("not built yet");
}

void runTimeGet(const CommandLine&, std::ostream&)
{
    throw CommandError("not built yet");
}

void runTimeSet(const CommandLine&, std::ostream&)
{
    throw CommandError("not built yet");
}

void runTimeAdvance(const CommandLine&, std::ostream&)
{
    throw CommandError("not built yet");
}

}  // namespace cedevice
