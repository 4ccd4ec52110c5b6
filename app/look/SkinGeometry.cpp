// Three-part faces and the progress bar's filled length.
#include "SkinGeometry.h"

#include <algorithm>

ThreePart threePartPieces(int width, int cap)
{
    width = std::max(width, 0);
    const int sideCap = std::min(cap, width / 2);
    return {sideCap, width - 2 * sideCap, sideCap};
}

int progressFill(int position, int width, int cap)
{
    position = std::clamp(position, 0, 100);
    if (width <= 0)
        return 0;
    const int filled = position * width / 100;
    if (filled == 0)
        return 0;
    if (filled >= width)
        return width;
    int length = std::max(filled, 2 * cap);
    // Less than a cap left empty would look full: the filled part stops a cap before the end.
    if (width - length < cap)
        length = width - cap;
    return std::clamp(length, 0, width);
}
