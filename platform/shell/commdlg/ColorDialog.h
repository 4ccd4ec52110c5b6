// The colour chooser's dialog: its palette, its template and the ids of its parts.
#pragma once

#include <array>

#include "ceresource.h"
#include "commdlg.h"
#include "windows.h"

namespace ce::shell {

inline constexpr size_t basicColorCount = 48;
inline constexpr size_t customColorCount = 16;

// The basic colours, row by row (six rows of eight), as the dialog's buttons show them.
extern const std::array<COLORREF, basicColorCount> basicColors;

// The labels in front of the red, green and blue edits, shown and hidden with them.
constexpr WORD labelOfEdit(WORD edit)
{
    return static_cast<WORD>(edit + 0x10);
}

// The dialog's template; its controls live in static storage.
CeDialogTemplate colorDialogTemplate();

} // namespace ce::shell
