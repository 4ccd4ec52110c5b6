// Whether a device program is idle: every thread of it waits and finds nothing in its queue.
#pragma once

#include "windef.h"

namespace ce::automation {

enum class ProgramState { Busy, Idle, Ended };

ProgramState programState(DWORD processId);

// Lets the device run until the program is idle (seen so twice in a row) or has ended.
ProgramState settleProgram(DWORD processId);

} // namespace ce::automation
