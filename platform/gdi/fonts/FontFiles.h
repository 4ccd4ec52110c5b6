// The device's fonts as host files: which DejaVu file stands for a requested face, weight and
// slant. The device has Tahoma (its system font) and Courier New; any other name gets the system
// font, as the device's font mapper does for faces it does not have.
// Exported for GDI's font calls and for tests.
#pragma once

#include <string>
#include <string_view>

#include "ceapi.h"
#include "windef.h"

namespace ce::gdi {

struct FontFile {
    std::u16string faceName;  // the device face it stands for: u"Tahoma" or u"Courier New"
    std::string path;         // host path (UTF-8)
    bool bold = false;        // the file's own style, which may differ from the request
    bool italic = false;      // when a styled file is missing
};

// The folder holding the font files: $KELVARA_FONT_DIR when set (tests), else the system's
// DejaVu folder.
CEAPI std::string fontFolder();

// The file for a request. Weights of 600 and above take the bold file; a missing bold or
// oblique file falls back to the plain one. ERROR_FILE_NOT_FOUND when no file is left, with
// `file.path` naming the plain file that was looked for.
CEAPI DWORD findFontFile(std::u16string_view face, int weight, bool italic, FontFile& file);

}  // namespace ce::gdi
