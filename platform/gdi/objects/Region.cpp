// Regions as rows of spans: building them from rectangles and ellipses, and combining them row
// by row.
#include "Region.h"

#include <algorithm>
#include <cmath>

namespace ce::gdi {
namespace {

const std::vector<Span> noSpans;

// Whether a pixel column is inside, for span lists sorted and disjoint.
bool inside(const std::vector<Span>& spans, int x)
{
    for (const Span& span : spans) {
        if (x < span.left)
            return false;
        if (x < span.right)
            return true;
    }
    return false;
}

// One row of a combination: walks the edges of both span lists in order and keeps the stretches
// where the mode's rule holds.
std::vector<Span> combineRow(const std::vector<Span>& a, const std::vector<Span>& b, int mode)
{
    std::vector<int> edges;
    for (const auto* spans : {&a, &b}) {
        for (const Span& span : *spans) {
            edges.push_back(span.left);
            edges.push_back(span.right);
        }
    }
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
    std::vector<Span> result;
    for (size_t i = 0; i + 1 < edges.size(); ++i) {
        const bool inA = inside(a, edges[i]);
        const bool inB = inside(b, edges[i]);
        bool keep = false;
        switch (mode) {
        case RGN_AND:
            keep = inA && inB;
            break;
        case RGN_OR:
            keep = inA || inB;
            break;
        case RGN_XOR:
            keep = inA != inB;
            break;
        case RGN_DIFF:
            keep = inA && !inB;
            break;
        default:
            keep = inA;
            break;
        }
        if (!keep)
            continue;
        if (!result.empty() && result.back().right == edges[i])
            result.back().right = edges[i + 1];
        else
            result.push_back({edges[i], edges[i + 1]});
    }
    return result;
}

} // namespace

bool Region::empty() const
{
    return std::all_of(rows.begin(), rows.end(), [](const auto& row) { return row.empty(); });
}

const std::vector<Span>& Region::spansOf(int y) const
{
    if (y < top || y - top >= static_cast<int>(rows.size()))
        return noSpans;
    return rows[static_cast<size_t>(y - top)];
}

bool Region::contains(int x, int y) const
{
    return inside(spansOf(y), x);
}

RECT Region::bounds() const
{
    RECT box {};
    bool any = false;
    for (size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].empty())
            continue;
        const int y = top + static_cast<int>(i);
        if (!any) {
            box = {rows[i].front().left, y, rows[i].back().right, y + 1};
            any = true;
        }
        box.left = std::min(box.left, rows[i].front().left);
        box.right = std::max(box.right, rows[i].back().right);
        box.bottom = y + 1;
    }
    return box;
}

void Region::offset(int dx, int dy)
{
    if (rows.empty())
        return; // an empty region stays at row 0, so that empty regions compare equal
    top += dy;
    for (auto& row : rows) {
        for (Span& span : row) {
            span.left += dx;
            span.right += dx;
        }
    }
}

void Region::trim()
{
    while (!rows.empty() && rows.back().empty())
        rows.pop_back();
    size_t leading = 0;
    while (leading < rows.size() && rows[leading].empty())
        ++leading;
    rows.erase(rows.begin(), rows.begin() + static_cast<std::ptrdiff_t>(leading));
    top = rows.empty() ? 0 : top + static_cast<int>(leading);
}

Region rectRegion(const RECT& rect)
{
    const int left = std::max<int>(rect.left, -regionLimit);
    const int top = std::max<int>(rect.top, -regionLimit);
    const int right = std::min<int>(rect.right, regionLimit);
    const int bottom = std::min<int>(rect.bottom, regionLimit);
    Region region;
    if (right <= left || bottom <= top)
        return region;
    region.top = top;
    region.rows.assign(static_cast<size_t>(bottom - top), {{left, right}});
    return region;
}

Region ellipticRegion(const RECT& rect)
{
    Region region;
    // Doubles, as the rectangle may span more than an int holds.
    const double width = static_cast<double>(rect.right) - rect.left;
    const double height = static_cast<double>(rect.bottom) - rect.top;
    if (width <= 0 || height <= 0)
        return region;
    // Each row keeps the columns whose centres lie inside the ellipse through the rectangle's
    // edges, cut in equally from both sides. The middle row (two for an even height) spans the
    // whole width and a row that would be empty keeps its middle pixel (two for an even width),
    // so that the ellipse touches all four sides and thin ones stay connected.
    const double a = width / 2.0;
    const double b = height / 2.0;
    const int first = std::max<int>(rect.top, -regionLimit);
    const int last = std::min<int>(rect.bottom, regionLimit);
    region.top = first;
    for (int y = first; y < last; ++y) {
        const double fromCentre = static_cast<double>(y) - rect.top + 0.5 - b;
        const double dy = fromCentre / b;
        const double half = a * std::sqrt(std::max(0.0, 1.0 - dy * dy));
        double inset = std::abs(fromCentre) < 1 ? 0 : std::round(a - half);
        if (2 * inset >= width)
            inset = std::floor((width - 1) / 2);
        const double left = std::max(rect.left + inset, static_cast<double>(-regionLimit));
        const double right = std::min(rect.right - inset, static_cast<double>(regionLimit));
        if (left < right)
            region.rows.push_back({{static_cast<int>(left), static_cast<int>(right)}});
        else
            region.rows.emplace_back();
    }
    region.trim();
    return region;
}

Region combineRegions(const Region& a, const Region& b, int mode)
{
    if (mode == RGN_COPY)
        return a;
    const bool aEmpty = a.rows.empty();
    const bool bEmpty = b.rows.empty();
    Region result;
    if (aEmpty && bEmpty)
        return result;
    // An empty region's rows say nothing of where it lies: only the other one's rows count.
    const int aBottom = a.top + static_cast<int>(a.rows.size());
    const int bBottom = b.top + static_cast<int>(b.rows.size());
    const int top = aEmpty ? b.top : bEmpty ? a.top : std::min(a.top, b.top);
    const int bottom = aEmpty ? bBottom : bEmpty ? aBottom : std::max(aBottom, bBottom);
    result.top = top;
    result.rows.reserve(static_cast<size_t>(bottom - top));
    for (int y = top; y < bottom; ++y)
        result.rows.push_back(combineRow(a.spansOf(y), b.spansOf(y), mode));
    result.trim();
    return result;
}

int regionKind(const Region& region)
{
    if (region.empty())
        return NULLREGION;
    const auto& first = region.rows.front();
    const bool oneRectangle = std::all_of(region.rows.begin(), region.rows.end(),
        [&](const auto& row) { return row.size() == 1 && row.front().left == first.front().left
                                   && row.front().right == first.front().right; });
    return oneRectangle && first.size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

} // namespace ce::gdi
