// FreeType behind the device's font engine: face cache, Win32 sizing, measuring and drawing.
#include "gdi/fonts/FontEngine.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>

#include "gdi/fonts/FontFiles.h"
#include "winerror.h"

namespace ce::gdi {

struct FontEngine::SizedFace {
    FT_Face face = nullptr;
    FT_Int32 loadFlags = FT_LOAD_TARGET_NORMAL;
    FT_Render_Mode renderMode = FT_RENDER_MODE_NORMAL;
    FontMetrics metrics;
};

namespace {

// What a LOGFONT height of 0 gets.
constexpr int defaultCharacterHeight = 12;

// The widest run that caller-given advances may ask for: GDI's coordinate range, which keeps a
// bad advance from asking for a mask beyond memory.
constexpr long maxAdvancedWidth = 32767;

// value × to / from, rounded; font units never scale below 0.
long scaledRounded(long value, long to, long from)
{
    return (std::max(0L, value) * to + from / 2) / from;
}

// The character at `text[at]` and the units it takes; a lone surrogate stands for itself
// (the font has no glyph for it, so it draws the missing glyph).
char32_t characterAt(std::u16string_view text, std::size_t at, std::size_t& units)
{
    const char16_t first = text[at];
    units = 1;
    if (first >= 0xD800 && first <= 0xDBFF && at + 1 < text.size()) {
        const char16_t second = text[at + 1];
        if (second >= 0xDC00 && second <= 0xDFFF) {
            units = 2;
            return 0x10000 + ((char32_t(first) - 0xD800) << 10) + (char32_t(second) - 0xDC00);
        }
    }
    return first;
}

// Line and tab characters are layout's business (DrawText), not glyphs.
bool takesNoSpace(char32_t c)
{
    return c == u'\r' || c == u'\n' || c == u'\t';
}

// Whole pixels, as GDI advances the pen.
int advanceOf(FT_GlyphSlot glyph)
{
    return glyph ? int((glyph->advance.x + 32) >> 6) : 0;
}

// Loads the glyph of each character in turn and calls visit(unit index, glyph or null).
template <class Visit>
void forEachGlyph(const FT_Face face, FT_Int32 loadFlags, std::u16string_view text, Visit visit)
{
    std::size_t units = 1;
    for (std::size_t at = 0; at < text.size(); at += units) {
        const char32_t c = characterAt(text, at, units);
        const bool loaded = !takesNoSpace(c) && FT_Load_Glyph(face, FT_Get_Char_Index(face, c), loadFlags) == 0;
        visit(at, loaded ? face->glyph : nullptr);
    }
}

int textWidth(const FT_Face face, FT_Int32 loadFlags, std::u16string_view text)
{
    int width = 0;
    forEachGlyph(face, loadFlags, text, [&](std::size_t, FT_GlyphSlot glyph) { width += advanceOf(glyph); });
    return width;
}

// Puts a rendered glyph's coverage into the run with its top-left pixel at (left, top),
// keeping the stronger value where glyphs overlap.
void drawGlyph(const FT_Bitmap& bitmap, int left, int top, GlyphRun& run)
{
    const bool mono = bitmap.pixel_mode == FT_PIXEL_MODE_MONO;
    for (unsigned row = 0; row < bitmap.rows; ++row) {
        const int y = top + int(row);
        if (y < 0 || y >= run.height)
            continue;
        const unsigned char* source = bitmap.buffer + std::ptrdiff_t(row) * bitmap.pitch;
        for (unsigned column = 0; column < bitmap.width; ++column) {
            const int x = left + int(column);
            if (x < 0 || x >= run.width)
                continue;
            const std::uint8_t value = mono ? ((source[column >> 3] >> (7 - (column & 7))) & 1) * 255 : source[column];
            std::uint8_t& target = run.coverage[std::size_t(y) * std::size_t(run.width) + std::size_t(x)];
            target = std::max(target, value);
        }
    }
}

}  // namespace

FontEngine::FontEngine()
{
    if (FT_Init_FreeType(&m_library) != 0)
        m_library = nullptr;
}

FontEngine::~FontEngine()
{
    for (auto& [path, face] : m_faces)
        FT_Done_Face(face);
    if (m_library)
        FT_Done_FreeType(m_library);
}

DWORD FontEngine::openFace(const std::string& path, FT_Face& face)
{
    if (auto open = m_faces.find(path); open != m_faces.end()) {
        face = open->second;
        return ERROR_SUCCESS;
    }
    const FT_Error error = FT_New_Face(m_library, path.c_str(), 0, &face);
    if (error == FT_Err_Cannot_Open_Resource)
        return ERROR_FILE_NOT_FOUND;
    if (error != 0)
        return ERROR_BAD_FORMAT;
    // Sizing needs the Windows metrics of the OS/2 table and outlines to scale.
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (!FT_IS_SCALABLE(face) || !os2 || face->units_per_EM == 0 || os2->usWinAscent + os2->usWinDescent == 0) {
        FT_Done_Face(face);
        return ERROR_BAD_FORMAT;
    }
    m_faces.emplace(path, face);
    return ERROR_SUCCESS;
}

DWORD FontEngine::sizedFace(const FontRequest& request, SizedFace& sized)
{
    if (request.height < -maxFontHeight || request.height > maxFontHeight)
        return ERROR_INVALID_PARAMETER;
    if (!m_library)
        return ERROR_NOT_ENOUGH_MEMORY;
    FontFile file;
    if (const DWORD error = findFontFile(request.face, request.weight, request.italic, file))
        return error;
    FT_Face face = nullptr;
    if (const DWORD error = openFace(file.path, face))
        return error;

    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    const long unitsPerEm = face->units_per_EM;
    const long cell = long(os2->usWinAscent) + long(os2->usWinDescent);
    // Win32: a negative height is the em size; a positive one is the cell, so the em is scaled
    // down by the font's cell-to-em ratio.
    const int height = request.height == 0 ? -defaultCharacterHeight : request.height;
    const long pixelsPerEm = height < 0 ? -height : std::max(1L, scaledRounded(height, unitsPerEm, cell));
    if (FT_Set_Pixel_Sizes(face, 0, FT_UInt(pixelsPerEm)) != 0)
        return ERROR_BAD_FORMAT;
    const auto scaled = [&](long units) { return LONG(scaledRounded(units, pixelsPerEm, unitsPerEm)); };

    sized.face = face;
    sized.loadFlags = request.antialiased ? FT_LOAD_TARGET_NORMAL : FT_LOAD_TARGET_MONO;
    sized.renderMode = request.antialiased ? FT_RENDER_MODE_NORMAL : FT_RENDER_MODE_MONO;
    FontMetrics& metrics = sized.metrics;
    // A cell height is met exactly, the em (rounded to whole pixels for hinting) only nearly.
    metrics.tmAscent = height > 0 ? LONG(scaledRounded(os2->usWinAscent, height, cell)) : scaled(os2->usWinAscent);
    metrics.tmDescent = height > 0 ? height - metrics.tmAscent : scaled(os2->usWinDescent);
    metrics.tmHeight = metrics.tmAscent + metrics.tmDescent;
    metrics.tmInternalLeading = std::max(0L, long(metrics.tmHeight) - pixelsPerEm);
    metrics.tmExternalLeading = 0;
    metrics.tmAveCharWidth = scaled(os2->xAvgCharWidth);
    metrics.tmMaxCharWidth = scaled(face->max_advance_width);
    metrics.tmWeight = os2->usWeightClass;
    metrics.tmItalic = file.italic;
    metrics.faceName = file.faceName;
    return ERROR_SUCCESS;
}

template <class Work>
DWORD FontEngine::withSizedFace(const FontRequest& request, Work work)
{
    std::lock_guard lock(m_lock);
    SizedFace sized;
    const DWORD error = sizedFace(request, sized);
    if (error == ERROR_SUCCESS)
        work(sized);
    return error;
}

DWORD FontEngine::metrics(const FontRequest& request, FontMetrics& metrics)
{
    return withSizedFace(request, [&](const SizedFace& sized) { metrics = sized.metrics; });
}

DWORD FontEngine::textExtent(const FontRequest& request, std::u16string_view text, SIZE& extent)
{
    return withSizedFace(request, [&](const SizedFace& sized) {
        extent = {textWidth(sized.face, sized.loadFlags, text), sized.metrics.tmHeight};
    });
}

DWORD FontEngine::advanceWidths(const FontRequest& request, std::u16string_view text, std::vector<int>& advances)
{
    return withSizedFace(request, [&](const SizedFace& sized) {
        advances.assign(text.size(), 0);
        forEachGlyph(sized.face, sized.loadFlags, text,
                     [&](std::size_t at, FT_GlyphSlot glyph) { advances[at] = advanceOf(glyph); });
    });
}

DWORD FontEngine::renderText(const FontRequest& request, std::u16string_view text, GlyphRun& run,
                             const int* advances)
{
    return withSizedFace(request, [&](const SizedFace& sized) {
        if (advances) {
            long sum = 0;
            for (std::size_t at = 0; at < text.size(); ++at)
                sum += advances[at];
            run.width = int(std::clamp(sum, 0L, maxAdvancedWidth));
        } else {
            run.width = textWidth(sized.face, sized.loadFlags, text);
        }
        run.height = sized.metrics.tmHeight;
        run.baseline = sized.metrics.tmAscent;
        run.coverage.assign(std::size_t(run.width) * std::size_t(run.height), 0);
        int pen = 0;
        std::size_t next = 0;  // the unit after the last one the pen has passed
        forEachGlyph(sized.face, sized.loadFlags, text, [&](std::size_t at, FT_GlyphSlot glyph) {
            if (advances) {
                for (; next < at; ++next)
                    pen += advances[next];
            }
            if (glyph && FT_Render_Glyph(glyph, sized.renderMode) == 0)
                drawGlyph(glyph->bitmap, pen + glyph->bitmap_left, run.baseline - glyph->bitmap_top, run);
            if (!advances)
                pen += advanceOf(glyph);
        });
    });
}

}  // namespace ce::gdi
