// The windows of simulated programs: a program whose description has windows runs one device
// thread (in place of its first described thread) that makes them and answers their messages.
#pragma once

#include <memory>

#include "kernel/Process.h"

namespace ce {

// Starts the window thread of simulated `process` and returns once its windows exist (or the
// thread ended first). Messages other threads send to the caller are answered meanwhile, so
// the new windows' activation cannot deadlock with it. Needs a device that answers calls:
// the boot programs get theirs from a device part that starts after them.
void startWindowThread(const std::shared_ptr<Process>& process);

}  // namespace ce
