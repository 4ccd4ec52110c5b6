// A language pack overrides the English texts id by id; bad packs and ids outside the table leave
// English in charge.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "StringTable.h"
#include "TestDevice.h"

namespace {

class LanguagePackTest : public ::testing::Test {
protected:
    testing_support::TestDevice dev;
    void SetUp() override
    {
        for (const auto& [image, name] : {std::pair {TEST_PACK_IMAGE, u"\\Windows\\KV_tst.dll"},
                 std::pair {NAMELESS_PACK_IMAGE, u"\\Windows\\KV_bad.dll"}})
            dev.place(image, name);
    }
    void TearDown() override { activateLanguage(u""); }
};

std::u16string text(int id)
{
    const char16_t* words = getString(id);
    return words ? words : u"<null>";
}

TEST_F(LanguagePackTest, APackTranslatesSomeIdsAndEnglishFillsTheRest)
{
    ASSERT_TRUE(activateLanguage(u"KV_tst.dll"));
    EXPECT_NE(activeLanguagePack(), nullptr);
    const struct {
        int id;
        const char16_t* expected;
    } cases[] = {
        {61, u"Kelvara T"},
        {196, u"Ja"},
        {195, u"No"},         // not translated: English
        {523, u"(leer)"},     // the pack may give the empty id a text
        {708, u"Recycle Bin"},
        {709, u"<null>"},     // outside the table even with a pack
        {-1, u"<null>"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(text(c.id), c.expected) << c.id;
}

TEST_F(LanguagePackTest, EnglishIsActiveWithoutAWorkingPack)
{
    const struct {
        const char16_t* file;
        bool active;
    } cases[] = {
        {u"KV_tst.dll", true},
        {u"", false},           // English chosen
        {u"KV_bad.dll", false}, // no GetString: unloaded again
        {u"KV_none.dll", false}, // not installed
    };
    for (const auto& c : cases) {
        EXPECT_EQ(activateLanguage(c.file), c.active);
        EXPECT_EQ(activeLanguagePack() != nullptr, c.active);
        EXPECT_EQ(text(61), c.active ? u"Kelvara T" : u"Kelvara");
        EXPECT_EQ(text(523), c.active ? u"(leer)" : u"<null>");
    }
}

} // namespace
