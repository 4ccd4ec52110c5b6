// startWorker: the worker's handles in the application state, then the thread, which reports by
// the semaphore that it is ready for jobs.
#include "StartWorker.h"

#include "AppState.h"
#include "CleaningWorker.h"

void startWorker()
{
    CleaningWorker& worker = appState().worker;
    worker.jobEvent = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    worker.lock = CreateMutexW(nullptr, FALSE, nullptr);
    worker.started = CreateSemaphoreW(nullptr, 0, 1, nullptr);
    worker.thread = CreateThread(nullptr, 0, cleaningWorkerThread, nullptr, 0, nullptr);
    if (worker.thread)
        WaitForSingleObject(worker.started, INFINITE);
}
