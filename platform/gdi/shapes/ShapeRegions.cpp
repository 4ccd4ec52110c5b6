// Building the regions of shapes: rounded rectangles from an ellipse's rows, polygons by
// scanlines through pixel centres, and frames by erosion.
#include "ShapeRegions.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace ce::gdi {

Region roundRectRegion(const RECT& rect, int cornerWidth, int cornerHeight)
{
    const Region box = rectRegion(rect); // clamped to the region limits
    if (box.empty())
        return box;
    const RECT bounds = box.bounds();
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    const auto fit = [](int size, int most) { return static_cast<int>(std::min<long long>(std::llabs(size), most)); };
    const int w = fit(cornerWidth, width);
    const int h = fit(cornerHeight, height);
    if (w == 0 || h == 0)
        return box;
    // The corner ellipse's top rows give the insets of the top rows; the bottom rows mirror them
    // (the ellipse is symmetric, and its top half lies well within the region limits).
    const Region corner = ellipticRegion({0, 0, w, h});
    Region region;
    region.top = bounds.top;
    for (int row = 0; row < height; ++row) {
        const int fromEdge = std::min(row, height - 1 - row);
        const int inset = fromEdge < h / 2 ? corner.spansOf(fromEdge).front().left : 0;
        region.rows.push_back({{bounds.left + inset, bounds.right - inset}});
    }
    return region;
}

Region polygonRegion(const POINT* points, int count, const RECT& limit)
{
    Region region;
    region.top = limit.top;
    std::vector<double> crossings;
    for (int y = limit.top; y < limit.bottom; ++y) {
        const double centre = y + 0.5; // never a vertex's row, so no crossing is counted twice
        crossings.clear();
        for (int i = 0; i < count; ++i) {
            const POINT& a = points[i];
            const POINT& b = points[(i + 1) % count];
            if ((a.y < centre) == (b.y < centre))
                continue;
            crossings.push_back(
                a.x + (centre - a.y) * (static_cast<double>(b.x) - a.x) / (static_cast<double>(b.y) - a.y));
        }
        std::sort(crossings.begin(), crossings.end());
        std::vector<Span> spans;
        for (size_t k = 0; k + 1 < crossings.size(); k += 2) {
            // Pixel x is inside when its centre x + 0.5 lies in [crossing, next crossing).
            const double from = std::max(std::ceil(crossings[k] - 0.5), static_cast<double>(limit.left));
            const double to = std::min(std::ceil(crossings[k + 1] - 0.5), static_cast<double>(limit.right));
            if (from >= to)
                continue;
            if (!spans.empty() && spans.back().right >= from)
                spans.back().right = static_cast<int>(to);
            else
                spans.push_back({static_cast<int>(from), static_cast<int>(to)});
        }
        region.rows.push_back(std::move(spans));
    }
    region.trim();
    return region;
}

Region erodedRegion(const Region& region, int width, int height)
{
    Region result = region;
    for (const POINT shift : {POINT {width, 0}, POINT {-width, 0}, POINT {0, height}, POINT {0, -height}}) {
        Region moved = region;
        moved.offset(shift.x, shift.y);
        result = combineRegions(result, moved, RGN_AND);
    }
    return result;
}

Region innerFrame(const Region& region, int width, int height)
{
    return combineRegions(region, erodedRegion(region, width, height), RGN_DIFF);
}

} // namespace ce::gdi
