// The worker loop. No cleaning job exists yet: each signalled job ends at once, clearing the busy
// and cancel flags as a finished job does.
#include "CleaningWorker.h"

#include "AppState.h"

DWORD WINAPI cleaningWorkerThread(LPVOID)
{
    CleaningWorker& worker = appState().worker;
    ReleaseSemaphore(worker.started, 1, nullptr);
    while (WaitForSingleObject(worker.jobEvent, INFINITE) == WAIT_OBJECT_0) {
        WaitForSingleObject(worker.lock, INFINITE);
        appState().workerBusy = false;
        appState().cancelRequested = false;
        ReleaseMutex(worker.lock);
    }
    return 0;
}
