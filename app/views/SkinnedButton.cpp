// Skinned buttons: the caption from the string table, the drawing from the look.
#include "SkinnedButton.h"

#include "FrameworkLook.h"
#include "StringTable.h"

void SkinnedButton::attachTo(HWND dialog, int id, int captionId)
{
    HWND button = GetDlgItem(dialog, id);
    if (!button)
        return;
    attach(*this, button);
    const char16_t* caption = getString(captionId);
    SetWindowTextW(button, caption ? caption : u"");
}

LRESULT SkinnedButton::onDrawItem(int, DRAWITEMSTRUCT* item)
{
    if (!item)
        return 0;
    frameworkLook().drawButton(*item, face, icon);
    return TRUE;
}
