// Programs the device started by itself during one command (a notification that fired, a raised
// event, the StartUp folder after a soft reset). Program images run to their end before the
// command ends; simulated programs never end, so they join the running record and keep running
// at the next commands, as programs started by `cedevice run` do.
#pragma once

#include <set>
#include <string>

#include "windef.h"

namespace cedevice {

// The ids of the processes running now: what a later settleStartedPrograms compares against.
std::set<DWORD> runningProcessIds();

// Waits until every program image started since `before` was taken has ended (and those that
// they started), and adds every simulated program started since then to the running record.
// Returns how many programs it found.
size_t settleStartedPrograms(const std::string& image, const std::set<DWORD>& before);

}  // namespace cedevice
