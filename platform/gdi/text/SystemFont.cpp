// The system font: Tahoma at 8 points, the size of the device's dialogs and lists, described at
// 96 dpi (realizedLogFont sizes it for the screen where it is used).
#include "gdi/objects/GdiObjects.h"

namespace ce::gdi {

LOGFONTW systemFont()
{
    LOGFONTW font {};
    font.lfHeight = -11;
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = CLEARTYPE_QUALITY;
    const char16_t face[] = u"Tahoma";
    std::copy(std::begin(face), std::end(face), font.lfFaceName);
    return font;
}

} // namespace ce::gdi
