// The device's simple case mapping: two 64K tables built at compile time from a list of case
// ranges, so a lookup is one array index and is usable from any static initialiser.
#include "CaseTable.h"

#include <array>
#include <cstdint>

namespace {

// Upper-case letters upperFirst..upperLast (every `step`-th code) have their lower-case
// partner at code + delta.
struct CaseRange {
    char16_t upperFirst;
    char16_t upperLast;
    int delta;
    int step;
};

constexpr CaseRange kRanges[] = {
    // ASCII and Latin-1
    {u'A', u'Z', 0x20, 1},
    {0x00C0, 0x00D6, 0x20, 1},
    {0x00D8, 0x00DE, 0x20, 1},
    {0x0178, 0x0178, 0x00FF - 0x0178, 1},
    // Latin Extended-A (0x130 and 0x131 are one-way in Unicode and stay unmapped)
    {0x0100, 0x012E, 1, 2},
    {0x0132, 0x0136, 1, 2},
    {0x0139, 0x0147, 1, 2},
    {0x014A, 0x0176, 1, 2},
    {0x0179, 0x017D, 1, 2},
    // Latin Extended-B: adjacent pairs
    {0x0182, 0x0184, 1, 2},
    {0x0187, 0x0187, 1, 1},
    {0x018B, 0x018B, 1, 1},
    {0x0191, 0x0191, 1, 1},
    {0x0198, 0x0198, 1, 1},
    {0x01A0, 0x01A4, 1, 2},
    {0x01A7, 0x01A7, 1, 1},
    {0x01AC, 0x01AC, 1, 1},
    {0x01AF, 0x01AF, 1, 1},
    {0x01B3, 0x01B5, 1, 2},
    {0x01B8, 0x01B8, 1, 1},
    {0x01BC, 0x01BC, 1, 1},
    {0x01C4, 0x01C4, 2, 1},
    {0x01C7, 0x01C7, 2, 1},
    {0x01CA, 0x01CA, 2, 1},
    {0x01CD, 0x01DB, 1, 2},
    {0x01DE, 0x01EE, 1, 2},
    {0x01F1, 0x01F1, 2, 1},
    {0x01F4, 0x01F4, 1, 1},
    {0x01F8, 0x021E, 1, 2},
    {0x0222, 0x0232, 1, 2},
    // Latin Extended-B: letters whose lower case lives in the IPA block
    {0x0181, 0x0181, 0x0253 - 0x0181, 1},
    {0x0186, 0x0186, 0x0254 - 0x0186, 1},
    {0x0189, 0x018A, 0x0256 - 0x0189, 1},
    {0x018E, 0x018E, 0x01DD - 0x018E, 1},
    {0x018F, 0x018F, 0x0259 - 0x018F, 1},
    {0x0190, 0x0190, 0x025B - 0x0190, 1},
    {0x0193, 0x0193, 0x0260 - 0x0193, 1},
    {0x0194, 0x0194, 0x0263 - 0x0194, 1},
    {0x0196, 0x0196, 0x0269 - 0x0196, 1},
    {0x0197, 0x0197, 0x0268 - 0x0197, 1},
    {0x019C, 0x019C, 0x026F - 0x019C, 1},
    {0x019D, 0x019D, 0x0272 - 0x019D, 1},
    {0x019F, 0x019F, 0x0275 - 0x019F, 1},
    {0x01A9, 0x01A9, 0x0283 - 0x01A9, 1},
    {0x01AE, 0x01AE, 0x0288 - 0x01AE, 1},
    {0x01B1, 0x01B2, 0x028A - 0x01B1, 1},
    {0x01B7, 0x01B7, 0x0292 - 0x01B7, 1},
    // Greek
    {0x0386, 0x0386, 0x03AC - 0x0386, 1},
    {0x0388, 0x038A, 0x03AD - 0x0388, 1},
    {0x038C, 0x038C, 0x03CC - 0x038C, 1},
    {0x038E, 0x038F, 0x03CD - 0x038E, 1},
    {0x0391, 0x03A1, 0x20, 1},
    {0x03A3, 0x03AB, 0x20, 1},
    {0x03E2, 0x03EE, 1, 2},
    // Cyrillic
    {0x0400, 0x040F, 0x50, 1},
    {0x0410, 0x042F, 0x20, 1},
    {0x0460, 0x0480, 1, 2},
    {0x048A, 0x04BE, 1, 2},
    {0x04C0, 0x04C0, 0x04CF - 0x04C0, 1},
    {0x04C1, 0x04CD, 1, 2},
    {0x04D0, 0x052E, 1, 2},
    // Armenian
    {0x0531, 0x0556, 0x30, 1},
    // Latin Extended Additional (Vietnamese and Welsh letters)
    {0x1E00, 0x1E94, 1, 2},
    {0x1EA0, 0x1EFE, 1, 2},
    // Roman numerals, circled letters, fullwidth Latin
    {0x2160, 0x216F, 0x10, 1},
    {0x24B6, 0x24CF, 0x1A, 1},
    {0xFF21, 0xFF3A, 0x20, 1},
};

// Letters with two lower-case forms (title-case digraphs, final sigma) upper-case to the
// capital; their lower case is the ordinary small letter.
struct OneWay {
    char16_t from;
    char16_t upper;
    char16_t lower;
};

constexpr OneWay kOneWay[] = {
    {0x01C5, 0x01C4, 0x01C6},
    {0x01C8, 0x01C7, 0x01C9},
    {0x01CB, 0x01CA, 0x01CC},
    {0x01F2, 0x01F1, 0x01F3},
    {0x03C2, 0x03A3, 0x03C2},
};

using Table = std::array<char16_t, 0x10000>;

constexpr Table identity()
{
    Table t{};
    for (std::uint32_t c = 0; c < t.size(); ++c)
        t[c] = static_cast<char16_t>(c);
    return t;
}

constexpr Table buildUpper()
{
    Table t = identity();
    for (const CaseRange& r : kRanges)
        for (int c = r.upperFirst; c <= r.upperLast; c += r.step)
            t[static_cast<std::size_t>(c + r.delta)] = static_cast<char16_t>(c);
    for (const OneWay& w : kOneWay)
        t[w.from] = w.upper;
    return t;
}

constexpr Table buildLower()
{
    Table t = identity();
    for (const CaseRange& r : kRanges)
        for (int c = r.upperFirst; c <= r.upperLast; c += r.step)
            t[static_cast<std::size_t>(c)] = static_cast<char16_t>(c + r.delta);
    for (const OneWay& w : kOneWay)
        t[w.from] = w.lower;
    return t;
}

constexpr Table kUpper = buildUpper();
constexpr Table kLower = buildLower();

// Every pair maps back: upper(lower(U)) == U for each capital in the ranges.
constexpr bool pairsRoundTrip()
{
    for (const CaseRange& r : kRanges)
        for (int c = r.upperFirst; c <= r.upperLast; c += r.step)
            if (kUpper[kLower[static_cast<std::size_t>(c)]] != c)
                return false;
    return true;
}
static_assert(pairsRoundTrip(), "case ranges overlap or disagree");

}  // namespace

namespace ce {

char16_t toUpperDevice(char16_t c)
{
    return kUpper[c];
}

char16_t toLowerDevice(char16_t c)
{
    return kLower[c];
}

bool sameNameDevice(std::u16string_view a, std::u16string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i] && toUpperDevice(a[i]) != toUpperDevice(b[i]))
            return false;
    return true;
}

}  // namespace ce
