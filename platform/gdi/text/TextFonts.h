// Fonts as GDI realizes them for text: the process's one font engine, a font object's LOGFONT
// as drawn (the stock system font sized for the screen), what the engine is asked for, and
// GetObjectW's answer for fonts. Called with gdiLock() held.
#pragma once

#include "ceapi.h"
#include "gdi/fonts/FontEngine.h"
#include "gdi/objects/GdiObjects.h"

namespace ce::gdi {

FontEngine& fontEngine();

// The font's LOGFONT as text is drawn with it. The stock system font is described at 96 dpi and
// scaled here, at use, because stock objects are made once per process while the screen's dpi
// comes with the device that boots.
LOGFONTW realizedLogFont(const FontObject& font);

FontRequest fontRequestOf(const LOGFONTW& logFont);

// What the device context's selected font asks of the engine.
FontRequest selectedFontRequest(const DeviceContext& dc);

// GetObjectW for a font: the LOGFONTW's size with a null pv, else the bytes copied (at most c);
// 0 with ERROR_INVALID_PARAMETER for a negative c. Exported for tests.
CEAPI int fontObjectInfo(const FontObject& font, int c, void* pv);

} // namespace ce::gdi
