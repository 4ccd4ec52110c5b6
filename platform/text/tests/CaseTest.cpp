// The device's case mapping through the C runtime calls that use it.
#include <gtest/gtest.h>

#include <string>

#include "cewchar.h"

namespace {

struct CasePair {
    char16_t upper;
    char16_t lower;
};

// One pair from each block the table covers, plus its edges.
constexpr CasePair kPairs[] = {
    {u'A', u'a'},   {u'Z', u'z'},   {0x00C0, 0x00E0}, {0x00C9, 0x00E9}, {0x00C4, 0x00E4}, {0x00DE, 0x00FE},
    {0x0178, 0x00FF}, {0x0100, 0x0101}, {0x0141, 0x0142}, {0x0160, 0x0161}, {0x017D, 0x017E}, {0x0150, 0x0151},
    {0x01A0, 0x01A1}, {0x01CD, 0x01CE}, {0x0218, 0x0219}, {0x021A, 0x021B}, {0x018F, 0x0259}, {0x0386, 0x03AC},
    {0x0391, 0x03B1}, {0x03A3, 0x03C3}, {0x03A9, 0x03C9}, {0x038F, 0x03CE}, {0x0400, 0x0450}, {0x0401, 0x0451},
    {0x040F, 0x045F}, {0x0410, 0x0430}, {0x042F, 0x044F}, {0x0490, 0x0491}, {0x04D0, 0x04D1}, {0x0531, 0x0561},
    {0x0556, 0x0586}, {0x1EA0, 0x1EA1}, {0xFF21, 0xFF41}, {0xFF3A, 0xFF5A},
};

TEST(CaseMapping, PairsMapBothWays)
{
    for (const CasePair& p : kPairs) {
        SCOPED_TRACE(testing::Message() << std::hex << int(p.upper));
        EXPECT_EQ(towupper(p.lower), p.upper);
        EXPECT_EQ(towlower(p.upper), p.lower);
        EXPECT_EQ(towupper(p.upper), p.upper);
        EXPECT_EQ(towlower(p.lower), p.lower);
    }
}

TEST(CaseMapping, NonLettersAndUncasedLettersStay)
{
    for (char16_t c : {u'0', u'_', u'@', u'[', u'`', u'{', char16_t(0xD7), char16_t(0xF7), char16_t(0xDF),
                       char16_t(0x0131), char16_t(0x4E2D), char16_t(0xD800), char16_t(0xFFFF), char16_t(0)}) {
        SCOPED_TRACE(testing::Message() << std::hex << int(c));
        EXPECT_EQ(towupper(c), c);
        EXPECT_EQ(towlower(c), c);
    }
}

TEST(CaseMapping, FinalSigmaAndTitleDigraphsUpperCaseToTheCapital)
{
    EXPECT_EQ(towupper(char16_t(0x03C2)), 0x03A3);
    EXPECT_EQ(towupper(char16_t(0x01C5)), 0x01C4);
    EXPECT_EQ(towlower(char16_t(0x01C5)), 0x01C6);
}

TEST(CaseMapping, InPlaceConversionOfStrings)
{
    std::u16string text = u"Grüße, ÉCOLE, Привет, Ωμέγα, Ｆｕｌｌ";
    EXPECT_EQ(_wcsupr(text.data()), text.data());
    EXPECT_EQ(text, u"GRÜßE, ÉCOLE, ПРИВЕТ, ΩΜΈΓΑ, ＦＵＬＬ");
    _wcslwr(text.data());
    EXPECT_EQ(text, u"grüße, école, привет, ωμέγα, ｆｕｌｌ");
}

int sign(int v)
{
    return (v > 0) - (v < 0);
}

TEST(CaseInsensitiveCompare, FoldsNonAsciiLetters)
{
    struct Case {
        const char16_t* a;
        const char16_t* b;
        int expected;
    };
    const Case cases[] = {
        {u"café", u"CAFÉ", 0},
        {u"Ärger", u"äRGER", 0},
        {u"Москва", u"МОСКВА", 0},
        {u"ЁЖИК", u"ёжик", 0},
        {u"Ελλάδα", u"ΕΛΛΆΔΑ", 0},
        {u"ΟΔΥΣΣΕΥΣ", u"οδυσσευς", 0},
        {u"ＡＢＣ", u"ａｂｃ", 0},
        {u"abc", u"abd", -1},
        {u"abc", u"ab", 1},
        {u"", u"a", -1},
        // Folding to upper case puts '_' (0x5F) after the letters.
        {u"a_", u"AB", 1},
        {u"é", u"z", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        EXPECT_EQ(sign(_wcsicmp(c.a, c.b)), c.expected);
        EXPECT_EQ(sign(_wcsicmp(c.b, c.a)), -c.expected);
    }
}

TEST(CaseInsensitiveCompare, CountedCompareStopsAtCountOrTerminator)
{
    EXPECT_EQ(_wcsnicmp(u"ÉTÉ 2024", u"été 1999", 4), 0);
    EXPECT_LT(_wcsnicmp(u"ÉTÉ 1999", u"été 2024", 5), 0);
    EXPECT_EQ(_wcsnicmp(u"ab", u"AB", 10), 0);
    EXPECT_GT(_wcsnicmp(u"abc", u"AB", 10), 0);
    EXPECT_EQ(_wcsnicmp(u"x", u"y", 0), 0);
}

}  // namespace
