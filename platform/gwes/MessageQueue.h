// The workings behind the message calls: what a queue holds for its thread (in Win32's order:
// sent, posted, quit, paint, timer), delivering sent messages, and the waits for input.
#pragma once

#include <vector>

#include "GwesState.h"
#include "kernel/Waitable.h"

namespace ce::gwes {

// The QS_* kinds of input waiting in a queue now. Called with gwesLock() held.
DWORD inputStatus(const MessageQueue& queue);

// The first visible window of the thread waiting for WM_PAINT that `filter` (null: any)
// admits, or null. Called with gwesLock() held.
HWND paintCandidate(DWORD threadId, HWND filter);

// Calls the window procedures for the messages other threads sent to the calling thread.
void deliverSentMessages();

// Takes (or with remove false, copies) the next message of the calling thread's queue within
// the filters. False when there is none.
bool nextMessage(MSG& msg, HWND filter, UINT filterMin, UINT filterMax, bool remove);

// Waits for `objects` (all or any) or, when wakeMask is not 0, for input of those kinds in the
// calling thread's queue (reported as WAIT_OBJECT_0 + objects.size()). Timers due meanwhile
// end the wait: the queue's next timer bounds each wait, so virtual time moves to it.
DWORD waitForInput(std::vector<Waitable*> objects, bool all, DWORD wakeMask, DWORD milliseconds);

} // namespace ce::gwes
