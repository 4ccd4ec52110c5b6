// A skinned push button of a dialog: its caption is a string id, kept as its window text (so
// scripts and readers find it by text), and the look draws it.
#pragma once

#include "BaseWnd.h"
#include "FrameworkLook.h"

class SkinnedButton : public BaseWnd {
public:
    ButtonFace face = ButtonFace::push;
    ButtonIcon icon;

    // Attaches to the dialog's control `id` and gives it the caption of string `captionId`.
    void attachTo(HWND dialog, int id, int captionId);
    LRESULT onDrawItem(int id, DRAWITEMSTRUCT* item) override;
};
