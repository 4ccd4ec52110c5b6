// The English table: the texts other parts of the program quote, the one id without text, the
// unused ids, and ids outside the table.
#include <gtest/gtest.h>

#include <string>

#include "EnglishStrings.h"

namespace {

TEST(EnglishStringsTest, QuotedTextsAreExact)
{
    const struct {
        int id;
        const char16_t* text;
    } cases[] = {
        {0, u"Error initializing main object"},
        {17, u"Registry Path: HKLM\\"},
        {61, u"Kelvara"},
        {62, u"Stripes"},
        {65, u"Hazy"},
        {66, u"Gel"},
        {69, u"Simple"},
        {139, u"Can not find the VGA resources file, please re-install"},
        {140, u"Kelvara has reclaimed "},
        {141, u" MB"},
        {142, u"All available memory has been already claimed"},
        {145, u"Show Mode"},
        {158, u"Databases"},
        {360, u"Processes"},
        {418, u"Memory Cleaner"},
        {420, u"Tweaks"},
        {421, u"Storage Tools"},
        {684, u"Startups"},
        {195, u"No"},
        {196, u"Yes"},
        {244, u"Refresh"},
        {412, u"Options"},
        {413, u"Resize"},
        {250, u"Are you sure you want to Soft-reset your device?"},
        {273, u"On "},
        {274, u" at "},
        {275, u"Daily at "},
        {276, u"Every "},
        {279, u"Weekly"},
        {303, u"About"},
        {407, u"In the Protected mode, Kelvara will only apply changes that are known to be safe to your device.\n"
              u"Are you sure you want to enable the Advanced Mode?"},
        {512, u"%s : %d (%d selected)"},
        {704, u"Languages"},
        {705, u"Default: "},
        {708, u"Recycle Bin"},
    };
    for (const auto& c : cases) {
        ASSERT_NE(englishString(c.id), nullptr) << c.id;
        EXPECT_EQ(std::u16string(englishString(c.id)), c.text) << c.id;
    }
}

TEST(EnglishStringsTest, OnlyId523HasNoTextAndIdsOutsideTheTableHaveNone)
{
    for (int id = 0; id < stringCount; ++id)
        EXPECT_EQ(englishString(id) == nullptr, id == 523) << id;
    for (int id : {-1, stringCount, 100000})
        EXPECT_EQ(englishString(id), nullptr) << id;
    // Unused ids and id 51 are present but empty.
    for (int id : {51, 306, 358, 531})
        EXPECT_EQ(std::u16string(englishString(id)), u"") << id;
    EXPECT_EQ(stringCount, 709);
}

} // namespace
