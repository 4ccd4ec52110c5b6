// The file dialog's layout in dialog units of a 240x320 screen: the name edit, the folder and
// type combo boxes, the file list filling the middle, OK and Cancel at the bottom.
#include "FileDialog.h"

namespace ce::shell {
namespace {

constexpr WORD labelId = 0xFFFF;
constexpr DWORD comboStyle = CBS_DROPDOWNLIST | WS_VSCROLL | WS_VISIBLE | WS_TABSTOP;

constexpr CeDialogControl fileDialogControls[] = {
    {u"STATIC", u"Name:", labelId, SS_LEFT | WS_VISIBLE, 0, 4, 6, 40, 14},
    {u"EDIT", nullptr, edt1, ES_AUTOHSCROLL | WS_BORDER | WS_VISIBLE | WS_TABSTOP, 0, 48, 4, 188, 18},
    {u"STATIC", u"Folder:", labelId, SS_LEFT | WS_VISIBLE, 0, 4, 28, 40, 14},
    {u"COMBOBOX", nullptr, cmb2, comboStyle, 0, 48, 26, 188, 120},
    {u"STATIC", u"Type:", labelId, SS_LEFT | WS_VISIBLE, 0, 4, 50, 40, 14},
    {u"COMBOBOX", nullptr, cmb1, comboStyle, 0, 48, 48, 188, 100},
    {u"LISTBOX", nullptr, lst1,
        LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_VISIBLE | WS_TABSTOP, 0, 4, 72, 232, 214},
    {u"BUTTON", u"OK", IDOK, BS_DEFPUSHBUTTON | WS_VISIBLE | WS_TABSTOP, 0, 4, 292, 112, 22},
    {u"BUTTON", u"Cancel", IDCANCEL, BS_PUSHBUTTON | WS_VISIBLE | WS_TABSTOP, 0, 124, 292, 112, 22},
};

} // namespace

CeDialogTemplate fileDialogTemplate(const char16_t* title)
{
    return {WS_POPUP | WS_CAPTION | DS_MODALFRAME, 0, 0, 0, 240, 320, title, nullptr, 0, fileDialogControls};
}

} // namespace ce::shell
