// The menus' font, made from the system font's description so that it follows the screen's dpi.
#include "MenuFont.h"

namespace ce::shell {

HFONT createMenuFont(bool bold)
{
    LOGFONTW font {};
    if (!GetObjectW(GetStockObject(SYSTEM_FONT), sizeof font, &font))
        return nullptr;
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    return CreateFontIndirectW(&font);
}

MenuFontSelection::MenuFontSelection(HDC dc, bool bold)
    : dc_(dc)
    , font_(createMenuFont(bold))
    , previous_(SelectObject(dc, font_ ? static_cast<HGDIOBJ>(font_) : GetStockObject(SYSTEM_FONT)))
{
}

MenuFontSelection::~MenuFontSelection()
{
    SelectObject(dc_, previous_);
    if (font_)
        DeleteObject(font_);
}

} // namespace ce::shell
