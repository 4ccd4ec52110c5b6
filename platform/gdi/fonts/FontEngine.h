// The device's font engine: the device fonts read by FreeType, sized by the Win32 rules for
// LOGFONT heights, measured as GDI measures (whole-pixel hinted advances, no kerning) and drawn
// into coverage masks that GDI blends in the text colour. One engine serves every thread: the
// FreeType library and the faces (each file opened once) are guarded by one lock.
// Exported for GDI's text calls and for tests.
#pragma once

#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "ceapi.h"
#include "windef.h"

struct FT_LibraryRec_;
struct FT_FaceRec_;

namespace ce::gdi {

// What a LOGFONT asks for.
struct FontRequest {
    std::u16string face;
    // Logical units as LOGFONT.lfHeight: negative = character height (the em size in pixels),
    // positive = cell height (ascent + descent), 0 = a character height of 12 pixels.
    int height = 0;
    int weight = 0;  // FW_*; 600 and above take the bold file
    bool italic = false;
    bool antialiased = true;  // false: 1-bit glyphs, hinted for them
};

// Heights beyond this many pixels either way are refused (ERROR_INVALID_PARAMETER): the
// device's screens are far smaller, and masks that size would not fit in memory.
constexpr int maxFontHeight = 2048;

// TEXTMETRIC's fields for the resolved size, in pixels.
struct FontMetrics {
    LONG tmHeight = 0;           // tmAscent + tmDescent
    LONG tmAscent = 0;           // OS/2 usWinAscent scaled (to the em or to the cell)
    LONG tmDescent = 0;          // OS/2 usWinDescent scaled; for a cell height, the rest of it
    LONG tmInternalLeading = 0;  // tmHeight minus the em size
    LONG tmExternalLeading = 0;  // always 0
    LONG tmAveCharWidth = 0;     // OS/2 xAvgCharWidth scaled, as Win32 does for TrueType fonts
    LONG tmMaxCharWidth = 0;     // the widest advance (hhea advanceWidthMax) scaled
    LONG tmWeight = 0;           // the weight of the file used (OS/2 usWeightClass)
    bool tmItalic = false;       // whether the file used is slanted
    std::u16string faceName;     // the device face used: u"Tahoma" or u"Courier New"
};

// Text drawn as coverage: `width` × `height` bytes, row by row, 0 = no ink, 255 = full ink.
// The width is the text's extent, the height tmHeight; the baseline is at row `baseline`
// (tmAscent). Ink that a glyph puts outside those bounds is clipped.
struct GlyphRun {
    int width = 0;
    int height = 0;
    int baseline = 0;
    std::vector<std::uint8_t> coverage;
};

// Every call returns ERROR_SUCCESS, ERROR_FILE_NOT_FOUND (the font file is missing),
// ERROR_BAD_FORMAT (the file is not a scalable font with an OS/2 table) or
// ERROR_INVALID_PARAMETER (a height beyond maxFontHeight).
//
// Text is UTF-16: a surrogate pair is one character, drawn and measured at its first unit;
// CR, LF and tab have no width and no ink; characters the font lacks draw its missing glyph.
class CEAPI FontEngine {
public:
    FontEngine();
    ~FontEngine();
    FontEngine(const FontEngine&) = delete;
    FontEngine& operator=(const FontEngine&) = delete;

    DWORD metrics(const FontRequest& request, FontMetrics& metrics);
    // cx = the sum of the advances, cy = tmHeight.
    DWORD textExtent(const FontRequest& request, std::u16string_view text, SIZE& extent);
    // One advance per UTF-16 unit (0 for the second unit of a pair), for GetTextExtentExPoint.
    DWORD advanceWidths(const FontRequest& request, std::u16string_view text, std::vector<int>& advances);
    // `advances`, when given, holds one advance per UTF-16 unit (ExtTextOut's lpDx): the pen
    // moves by them instead of the font's, and the run is their sum wide.
    DWORD renderText(const FontRequest& request, std::u16string_view text, GlyphRun& run,
                     const int* advances = nullptr);

private:
    struct SizedFace;

    // Under the lock, sizes the face for a request and hands it to `work` (on success).
    template <class Work>
    DWORD withSizedFace(const FontRequest& request, Work work);
    // Opens (once) and sizes the face for a request; the caller holds m_lock.
    DWORD sizedFace(const FontRequest& request, SizedFace& sized);
    DWORD openFace(const std::string& path, FT_FaceRec_*& face);

    std::mutex m_lock;
    FT_LibraryRec_* m_library = nullptr;
    std::map<std::string, FT_FaceRec_*> m_faces;  // by host path
};

}  // namespace ce::gdi
