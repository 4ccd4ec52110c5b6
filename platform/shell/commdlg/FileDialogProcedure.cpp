// What the file dialog does with taps and keys: listing a folder, moving between folders and
// types, and checking the name given with OK before the dialog ends.
#include <algorithm>

#include "DevicePaths.h"
#include "FileDialog.h"
#include "SessionDialog.h"

namespace ce::shell {
namespace {

std::u16string dialogItemText(HWND dialog, int id)
{
    HWND item = GetDlgItem(dialog, id);
    std::u16string text(static_cast<size_t>(std::max(GetWindowTextLengthW(item), 0)) + 1, u'\0');
    text.resize(static_cast<size_t>(std::max(GetWindowTextW(item, text.data(), static_cast<int>(text.size())), 0)));
    return text;
}

const std::vector<std::u16string>& patternsShown(const FileDialogSession& session)
{
    if (!session.typedPatterns.empty())
        return session.typedPatterns;
    return session.types.empty() ? everyNamePatterns() : session.types[session.typeIndex].patterns;
}

void showEntries(HWND dialog, FileDialogSession& session)
{
    session.entries = listFolder(session.folder, patternsShown(session));
    HWND list = GetDlgItem(dialog, lst1);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (const FolderEntry& entry : session.entries) {
        const LRESULT row = SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.name.c_str()));
        SendMessageW(list, LB_SETITEMDATA, static_cast<WPARAM>(row), entry.isFolder ? 1 : 0);
    }
}

void showFolder(HWND dialog, FileDialogSession& session)
{
    HWND folders = GetDlgItem(dialog, cmb2);
    SendMessageW(folders, CB_RESETCONTENT, 0, 0);
    const auto chain = folderChain(session.folder);
    for (const std::u16string& folder : chain)
        SendMessageW(folders, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(folder.c_str()));
    SendMessageW(folders, CB_SETCURSEL, chain.size() - 1, 0);
    showEntries(dialog, session);
}

bool enterFolder(HWND dialog, FileDialogSession& session, const std::u16string& folder)
{
    if (!folderExists(folder))
        return false;
    session.folder = storedSpelling(folder);
    showFolder(dialog, session);
    return true;
}

const FolderEntry* selectedEntry(HWND dialog, const FileDialogSession& session)
{
    const LRESULT row = SendDlgItemMessageW(dialog, lst1, LB_GETCURSEL, 0, 0);
    if (row < 0 || static_cast<size_t>(row) >= session.entries.size())
        return nullptr;
    return &session.entries[static_cast<size_t>(row)];
}

std::u16string trimmed(const std::u16string& text)
{
    const size_t first = text.find_first_not_of(u' ');
    return first == std::u16string::npos ? std::u16string {} : text.substr(first, text.find_last_not_of(u' ') + 1 - first);
}

std::u16string withDefaultExtension(std::u16string path, LPCWSTR defaultExtension)
{
    if (defaultExtension && *defaultExtension && extensionOffset(path) == path.size())
        (path += u'.') += defaultExtension;
    return path;
}

int tell(HWND dialog, const FileDialogSession& session, const std::u16string& text, UINT type)
{
    return MessageBoxW(dialog, text.c_str(), session.title.c_str(), type | MB_ICONEXCLAMATION);
}

// OK: a folder is entered, wildcards filter the list, and a file name ends the dialog once
// the checks the caller asked for pass; a failed check keeps the dialog open.
void acceptName(HWND dialog, FileDialogSession& session)
{
    const std::u16string typed = trimmed(dialogItemText(dialog, edt1));
    if (typed.empty()) {
        if (const FolderEntry* entry = selectedEntry(dialog, session); entry && entry->isFolder)
            enterFolder(dialog, session, joinPath(session.folder, entry->name));
        return;
    }
    if (hasWildcard(typed)) {
        session.typedPatterns = patternsOf(typed);
        showEntries(dialog, session);
        return;
    }
    if (hasBadNameCharacter(typed)) {
        tell(dialog, session, typed + u"\nThis file name is not valid.", MB_OK);
        return;
    }
    const std::u16string given = typed == u".." ? parentOf(session.folder)
        : typed.front() == u'\\'                ? fullPathOf(typed)
                                                : fullPathOf(joinPath(session.folder, typed));
    if (folderExists(given)) {
        enterFolder(dialog, session, given);
        SetDlgItemTextW(dialog, edt1, u"");
        return;
    }
    const std::u16string path = withDefaultExtension(given, session.request.lpstrDefExt);
    const DWORD flags = session.request.Flags;
    if ((flags & (OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST)) && !folderExists(parentOf(path))) {
        tell(dialog, session, path + u"\nFolder not found.\nCheck the path and try again.", MB_OK);
        return;
    }
    if ((flags & OFN_FILEMUSTEXIST) && !fileExists(path)) {
        tell(dialog, session, path + u"\nFile not found.\nCheck the name and try again.", MB_OK);
        return;
    }
    if (session.saving && (flags & OFN_OVERWRITEPROMPT) && fileExists(path)
        && tell(dialog, session, path + u" already exists.\nDo you want to replace it?", MB_YESNO) != IDYES)
        return;
    session.chosenPath = path;
    EndDialog(dialog, IDOK);
}

void initialise(HWND dialog, FileDialogSession& session)
{
    for (const FileType& type : session.types)
        SendDlgItemMessageW(dialog, cmb1, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(type.name.c_str()));
    SendDlgItemMessageW(dialog, cmb1, CB_SETCURSEL, session.typeIndex, 0);
    SetDlgItemTextW(dialog, edt1, session.startName.c_str());
    showFolder(dialog, session);
}

void chooseType(HWND dialog, FileDialogSession& session)
{
    const LRESULT index = SendDlgItemMessageW(dialog, cmb1, CB_GETCURSEL, 0, 0);
    if (index < 0 || static_cast<size_t>(index) >= session.types.size())
        return;
    session.typeIndex = static_cast<size_t>(index);
    session.typedPatterns.clear();
    showEntries(dialog, session);
}

void chooseFolder(HWND dialog, FileDialogSession& session)
{
    const LRESULT index = SendDlgItemMessageW(dialog, cmb2, CB_GETCURSEL, 0, 0);
    const auto chain = folderChain(session.folder);
    if (index >= 0 && static_cast<size_t>(index) < chain.size())
        enterFolder(dialog, session, chain[static_cast<size_t>(index)]);
}

// A tap on a file names it; a double tap enters a folder or takes the file.
void listEvent(HWND dialog, FileDialogSession& session, WORD code)
{
    const FolderEntry* entry = selectedEntry(dialog, session);
    if (!entry)
        return;
    if (code == LBN_DBLCLK && entry->isFolder) {
        enterFolder(dialog, session, joinPath(session.folder, entry->name));
        return;
    }
    if (!entry->isFolder && (code == LBN_SELCHANGE || code == LBN_DBLCLK))
        SetDlgItemTextW(dialog, edt1, entry->name.c_str());
    if (!entry->isFolder && code == LBN_DBLCLK)
        acceptName(dialog, session);
}

void command(HWND dialog, FileDialogSession& session, WORD id, WORD code)
{
    switch (id) {
    case IDOK:
        acceptName(dialog, session);
        break;
    case IDCANCEL:
        EndDialog(dialog, IDCANCEL);
        break;
    case cmb1:
        if (code == CBN_SELCHANGE)
            chooseType(dialog, session);
        break;
    case cmb2:
        if (code == CBN_SELCHANGE)
            chooseFolder(dialog, session);
        break;
    case lst1:
        listEvent(dialog, session, code);
        break;
    default:
        break;
    }
}

} // namespace

INT_PTR fileDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    return sessionDialogProc<FileDialogSession, initialise, command>(dialog, message, wParam, lParam);
}

} // namespace ce::shell
