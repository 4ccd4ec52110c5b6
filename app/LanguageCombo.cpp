// Filling a language combo box from the language list and the Language setting.
#include "LanguageCombo.h"

#include "Settings.h"

void fillLanguageCombo(HWND combo, const LanguageList& languages)
{
    int selected = 0;
    for (size_t at = 0; at < languages.size(); ++at) {
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(languages[at].displayName.c_str()));
        if (languages[at].fileName == settings().language)
            selected = static_cast<int>(at);
    }
    SendMessageW(combo, CB_SETCURSEL, selected, 0);
}
