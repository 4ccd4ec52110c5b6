// Font objects: CreateFontIndirectW, what the engine is asked for a LOGFONT, and the system
// font sized for the screen.
#include <algorithm>
#include <cstring>

#include "TextFonts.h"
#include "gwes/Screen.h"

namespace ce::gdi {

FontEngine& fontEngine()
{
    static FontEngine engine;
    return engine;
}

LOGFONTW realizedLogFont(const FontObject& font)
{
    LOGFONTW logFont = font.logFont;
    if (font.stock)
        logFont.lfHeight = ce::gwes::scaledForScreen(logFont.lfHeight);
    return logFont;
}

FontRequest fontRequestOf(const LOGFONTW& logFont)
{
    FontRequest request;
    const WCHAR* face = logFont.lfFaceName;
    request.face.assign(face, std::find(face, face + LF_FACESIZE, u'\0'));
    request.height = logFont.lfHeight;
    request.weight = logFont.lfWeight;
    request.italic = logFont.lfItalic != 0;
    request.antialiased = logFont.lfQuality != NONANTIALIASED_QUALITY;
    return request;
}

FontRequest selectedFontRequest(const DeviceContext& dc)
{
    auto font = objectOf<FontObject>(dc.font, OBJ_FONT);
    if (!font)
        font = objectOf<FontObject>(stockObject(SYSTEM_FONT), OBJ_FONT);
    return fontRequestOf(realizedLogFont(*font));
}

int fontObjectInfo(const FontObject& font, int c, void* pv)
{
    if (!pv)
        return sizeof(LOGFONTW);
    if (c < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const LOGFONTW logFont = realizedLogFont(font);
    const int copied = std::min(c, static_cast<int>(sizeof logFont));
    std::memcpy(pv, &logFont, static_cast<std::size_t>(copied));
    return copied;
}

} // namespace ce::gdi

using namespace ce::gdi;

HFONT CreateFontIndirectW(const LOGFONTW* lplf)
{
    if (!lplf) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto font = std::make_shared<FontObject>();
    font->type = OBJ_FONT;
    font->logFont = *lplf;
    font->logFont.lfFaceName[LF_FACESIZE - 1] = u'\0';
    std::lock_guard guard(gdiLock());
    return static_cast<HFONT>(addObject(std::move(font)));
}
