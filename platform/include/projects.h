// Storage-card enumeration of the note-project library (note_prj.dll, exports 7 and 8).
#pragma once

#include "winbase.h"

// The first mountable file system: a find record of its root folder. Close with FindClose.
WINBASEAPI HANDLE FindFirstFlashCard(LPWIN32_FIND_DATAW lpFindFlashData);
WINBASEAPI BOOL FindNextFlashCard(HANDLE hFlashCard, LPWIN32_FIND_DATAW lpFindFlashData);
