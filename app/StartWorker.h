// Starting the cleaning worker thread of the interactive program and the quick clean.
#pragma once

// Makes the worker's event, mutex and semaphore, starts the thread and returns once it runs.
void startWorker();
