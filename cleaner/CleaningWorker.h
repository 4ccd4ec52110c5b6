// The cleaning worker thread: it runs the jobs the windows hand it, one at a time.
#pragma once

#include "windows.h"

// The thread's procedure: reports by the worker's semaphore that it runs, then waits for jobs.
DWORD WINAPI cleaningWorkerThread(LPVOID);
