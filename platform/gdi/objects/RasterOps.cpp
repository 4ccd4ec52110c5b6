// Raster operations on COLORREF values (the unused high byte stays clear).
#include "RasterOps.h"

namespace ce::gdi {

std::optional<COLORREF> combine(DWORD rop, COLORREF source, COLORREF destination, COLORREF pattern)
{
    constexpr COLORREF white = RGB(255, 255, 255);
    switch (rop) {
    case SRCCOPY:
        return source;
    case SRCPAINT:
        return source | destination;
    case SRCAND:
        return source & destination;
    case SRCINVERT:
        return source ^ destination;
    case NOTSRCCOPY:
        return ~source & white;
    case DSTINVERT:
        return ~destination & white;
    case PATCOPY:
        return pattern;
    case PATINVERT:
        return pattern ^ destination;
    case BLACKNESS:
        return RGB(0, 0, 0);
    case WHITENESS:
        return white;
    default:
        return std::nullopt;
    }
}

bool knownRasterOp(DWORD rop)
{
    return combine(rop, 0, 0, 0).has_value();
}

bool usesSource(DWORD rop)
{
    return rop == SRCCOPY || rop == SRCPAINT || rop == SRCAND || rop == SRCINVERT || rop == NOTSRCCOPY;
}

COLORREF brushColour(HGDIOBJ brush)
{
    auto object = objectOf<BrushObject>(brush, OBJ_BRUSH);
    return object ? object->color : RGB(0, 0, 0);
}

} // namespace ce::gdi
