// The look's colours: the custom colours of the settings and the theme colours that stand behind
// the placeholder colours of the skin slots.
#pragma once

#include "Settings.h"
#include "windows.h"

// Placeholders in the colour words of skin slots, replaced by theme colours when the look is built.
inline constexpr COLORREF firstPlaceholder = 0xFF00FF;
inline constexpr COLORREF secondPlaceholder = 0xFE00FF;
inline constexpr COLORREF thirdPlaceholder = 0xFD00FF;

// A colour setting whose top byte is set gives its low 24 bits, moved off black and off the key
// colour (black 0x020202, 0xFF00FF 0xFF02FF); any other gives the fallback.
COLORREF resolveCustomColour(DWORD setting, COLORREF fallback);

// The theme colour behind a placeholder (matched on the low 24 bits; the top byte, an effect's
// amount, is kept); any other colour comes back unchanged.
COLORREF placeholderColour(COLORREF placeholder);

struct LookColours {
    COLORREF backgroundHighlight = 0;
    COLORREF buttonHighlight = 0;
    COLORREF controlText = 0;
    COLORREF titleText = 0;
};

// The colours of the settings, each custom one or its default (theme colours resolved).
LookColours lookColours(const Settings& settings);
