// Reclaiming memory: closing programs, asking windows to free memory, compacting heaps, and the
// free-memory figures and their text.
#pragma once

#include <string>

#include "windows.h"

// Closes the running programs but Kelvara and ActiveSync; comes with the running-program list.
void closeAllPrograms();
// Posts WM_HIBERNATE to every top-level window.
void hibernateAll();
// Compacts the heaps of every process; comes with the running-program list.
void compactAllHeaps();
// The available physical memory in bytes.
DWORD freePhysicalMemory();
// Bytes as megabytes: the whole megabytes, a point and the hundredths ("3.25").
std::u16string formatMegabytes(DWORD bytes);
