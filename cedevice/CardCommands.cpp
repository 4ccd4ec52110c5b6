// Placeholder: being written in this change.
#include "CommandSupport.h"
#include "Commands.h"

namespace cedevice {

void runCardInsert(const CommandLine&, std::ostream&)
{
    throw CommandError("not built yet");
}

void runCardRemove(const CommandLine&, std::ostream&)
{
    throw CommandError("not built yet");
}

}  // namespace cedevice
