// The file dialog shared by GetOpenFileNameW and GetSaveFileNameW: what one call's dialog
// knows while it runs, its template and its dialog procedure.
#pragma once

#include <string>
#include <vector>

#include "FileTypes.h"
#include "FolderListing.h"
#include "ceresource.h"
#include "commdlg.h"
#include "windows.h"

namespace ce::shell {

struct FileDialogSession {
    FileDialogSession(const OPENFILENAMEW& request, bool saving) : request(request), saving(saving) {}

    const OPENFILENAMEW& request;
    bool saving = false;
    std::u16string title;
    std::vector<FileType> types;
    size_t typeIndex = 0;
    // Wildcards typed in the name edit (or given as the start name) list by them, not the type.
    std::vector<std::u16string> typedPatterns;
    std::u16string folder;
    std::u16string startName;
    std::vector<FolderEntry> entries; // what the file list shows, row for row
    std::u16string chosenPath;        // set when the dialog ends with IDOK
};

// The dialog's template: the whole screen's width, controls in tab order. Its controls live in
// static storage; the title is the caller's.
CeDialogTemplate fileDialogTemplate(const char16_t* title);

// The dialog procedure; WM_INITDIALOG's lParam is the FileDialogSession.
INT_PTR fileDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace ce::shell
