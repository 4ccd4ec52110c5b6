// The device's ANSI code page, Windows-1252: narrow text in %hs conversions and CP_ACP.
#pragma once

namespace ce {

// Every byte has a character; the five bytes 1252 leaves undefined map to the C1 controls.
char16_t windows1252ToUtf16(unsigned char byte);
// False when the character has no byte in the code page.
bool utf16ToWindows1252(char16_t c, unsigned char& byte);

}  // namespace ce
