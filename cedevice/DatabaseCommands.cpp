// Placeholder: being written in this change.
#include "CommandSupport.h"
#include "Commands.h"

namespace cedevice {

void runDbList(const CommandLine&, std::ostream&)
{
    throw CommandError("not built yet");
}

void runDbDump(const CommandLine&, std::ostream&)
{
    throw CommandError("not built yet");
}

}  // namespace cedevice
