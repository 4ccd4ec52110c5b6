// The colour chooser's layout in dialog units of a 240x320 screen: the basic colours (eight
// to a row), the custom colours, "Define Custom Colors", the red/green/blue edits with "Add to
// Custom Colors" below them, and OK and Cancel at the bottom.
#include "ColorDialog.h"

namespace ce::shell {

const std::array<COLORREF, basicColorCount> basicColors = {
    RGB(255, 128, 128), RGB(255, 255, 128), RGB(128, 255, 128), RGB(0, 255, 128),
    RGB(128, 255, 255), RGB(0, 128, 255), RGB(255, 128, 192), RGB(255, 128, 255),
    RGB(255, 0, 0), RGB(255, 255, 0), RGB(128, 255, 0), RGB(0, 255, 64),
    RGB(0, 255, 255), RGB(0, 128, 192), RGB(128, 128, 192), RGB(255, 0, 255),
    RGB(128, 64, 64), RGB(255, 128, 64), RGB(0, 255, 0), RGB(0, 128, 128),
    RGB(0, 64, 128), RGB(128, 128, 255), RGB(128, 0, 64), RGB(255, 0, 128),
    RGB(128, 0, 0), RGB(255, 128, 0), RGB(0, 128, 0), RGB(0, 128, 64),
    RGB(0, 0, 255), RGB(0, 0, 160), RGB(128, 0, 128), RGB(128, 0, 255),
    RGB(64, 0, 0), RGB(128, 64, 0), RGB(0, 64, 0), RGB(0, 64, 64),
    RGB(0, 0, 128), RGB(0, 0, 64), RGB(64, 0, 64), RGB(64, 0, 128),
    RGB(0, 0, 0), RGB(128, 128, 0), RGB(128, 128, 64), RGB(128, 128, 128),
    RGB(64, 128, 128), RGB(192, 192, 192), RGB(64, 64, 64), RGB(255, 255, 255),
};

namespace {

constexpr WORD labelId = 0xFFFF;
constexpr DWORD swatchStyle = BS_PUSHBUTTON | WS_VISIBLE | WS_TABSTOP;
constexpr DWORD editStyle = ES_NUMBER | ES_AUTOHSCROLL | WS_BORDER | WS_VISIBLE | WS_TABSTOP;
constexpr short swatchesTop = 18;
constexpr short customTop = 160;

constexpr CeDialogControl fixedControls[] = {
    {u"STATIC", u"Basic colors:", labelId, SS_LEFT | WS_VISIBLE, 0, 4, 4, 232, 12},
    {u"STATIC", u"Custom colors:", labelId, SS_LEFT | WS_VISIBLE, 0, 4, 146, 232, 12},
    {u"BUTTON", u"Define Custom Colors >>", COLOR_MIX, BS_PUSHBUTTON | WS_VISIBLE | WS_TABSTOP, 0, 4, 204, 232, 20},
    {u"STATIC", u"Red:", labelOfEdit(COLOR_RED), SS_LEFT | WS_VISIBLE, 0, 4, 230, 30, 14},
    {u"EDIT", nullptr, COLOR_RED, editStyle, 0, 36, 228, 40, 18},
    {u"STATIC", u"Green:", labelOfEdit(COLOR_GREEN), SS_LEFT | WS_VISIBLE, 0, 80, 230, 34, 14},
    {u"EDIT", nullptr, COLOR_GREEN, editStyle, 0, 116, 228, 40, 18},
    {u"STATIC", u"Blue:", labelOfEdit(COLOR_BLUE), SS_LEFT | WS_VISIBLE, 0, 162, 230, 30, 14},
    {u"EDIT", nullptr, COLOR_BLUE, editStyle, 0, 196, 228, 40, 18},
    {u"BUTTON", u"Add to Custom Colors", COLOR_ADD, BS_PUSHBUTTON | WS_VISIBLE | WS_TABSTOP, 0, 4, 252, 232, 20},
    {u"BUTTON", u"OK", IDOK, BS_DEFPUSHBUTTON | WS_VISIBLE | WS_TABSTOP, 0, 4, 292, 112, 22},
    {u"BUTTON", u"Cancel", IDCANCEL, BS_PUSHBUTTON | WS_VISIBLE | WS_TABSTOP, 0, 124, 292, 112, 22},
};

// A colour button: eight to a row, 26x18 each.
constexpr CeDialogControl swatch(WORD id, size_t index, short top)
{
    return {u"BUTTON", u"", id, swatchStyle, 0, static_cast<short>(4 + (index % 8) * 29),
        static_cast<short>(top + (index / 8) * 21), 26, 18};
}

constexpr auto colorDialogControls = [] {
    std::array<CeDialogControl, basicColorCount + customColorCount + std::size(fixedControls)> controls {};
    size_t at = 0;
    controls[at++] = fixedControls[0];
    for (size_t i = 0; i < basicColorCount; ++i)
        controls[at++] = swatch(static_cast<WORD>(COLOR_BASIC0 + i), i, swatchesTop);
    controls[at++] = fixedControls[1];
    for (size_t i = 0; i < customColorCount; ++i)
        controls[at++] = swatch(static_cast<WORD>(COLOR_CUSTOM0 + i), i, customTop);
    for (size_t i = 2; i < std::size(fixedControls); ++i)
        controls[at++] = fixedControls[i];
    return controls;
}();

} // namespace

CeDialogTemplate colorDialogTemplate()
{
    return {WS_POPUP | WS_CAPTION | DS_MODALFRAME, 0, 0, 0, 240, 320, u"Color", nullptr, 0, colorDialogControls};
}

} // namespace ce::shell
