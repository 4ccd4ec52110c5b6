// The seven shipped language packs, loaded on a device as the program loads them: their names,
// how much they translate, translations that keep what the program fills into them, and menus
// whose every item has a text.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "EnglishStrings.h"
#include "ProductMenus.h"
#include "TestDevice.h"
#include "windows.h"

namespace {

struct ShippedPack {
    const char* image;          // host file of the built pack
    const char16_t* fileName;   // as installed
    const char16_t* displayName;
};

void PrintTo(const ShippedPack& pack, std::ostream* out)
{
    *out << pack.image;
}

const ShippedPack shippedPacks[] = {
    {KV_CHS_IMAGE, u"kv_chs.dll", u"中文 (Chinese Simplified)"},
    {KV_RUS_IMAGE, u"kv_rus.dll", u"Русский (Russian)"},
    {KV_CSY_IMAGE, u"kv_csy.dll", u"Čeština (Czech)"},
    {KV_ITA_IMAGE, u"kv_ita.dll", u"Italiano (Italian)"},
    {KV_GER_IMAGE, u"kv_ger.dll", u"Deutsch (German)"},
    {KV_SKY_IMAGE, u"kv_sky.dll", u"Slovenčina (Slovak)"},
    {KV_FRA_IMAGE, u"kv_fra.dll", u"Français (French)"},
};

// Ids every pack translates: tab captions, page names, menu words, buttons, dialog and page
// titles and the common messages.
const int requiredIds[] = {2, 55, 139, 140, 141, 142, 158, 195, 196, 244, 250, 271, 301, 303, 325, 327, 330, 336,
    360, 367, 407, 412, 413, 418, 420, 421, 513, 539, 543, 552, 554, 564, 568, 572, 578, 592, 593, 596, 601, 612,
    641, 643, 654, 661, 664, 668, 670, 671, 672, 673, 674, 675, 676, 677, 678, 679, 680, 681, 682, 683, 684, 685,
    686, 687, 688, 689, 690, 691, 692, 693, 694, 695, 696, 697, 698, 699, 703, 704, 705, 706};

using NameFunction = const char16_t* (*)();
using StringFunction = const char16_t* (*)(DWORD);

template <typename Function> Function exportOf(HMODULE module, const char16_t* name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddressW(module, name)));
}

// The printf conversions of a text, in order ("%s", "%d", "%%"...).
std::vector<std::u16string> conversionsOf(std::u16string_view text)
{
    std::vector<std::u16string> found;
    for (size_t at = text.find(u'%'); at != std::u16string_view::npos; at = text.find(u'%', at)) {
        size_t end = at + 1;
        while (end < text.size() && std::u16string_view(u"0123456789.-+#lhI").find(text[end]) != std::u16string_view::npos)
            ++end;
        found.emplace_back(text.substr(at, end + 1 - at));
        at = end + 1;
    }
    return found;
}

bool startsWithSpace(std::u16string_view text)
{
    return !text.empty() && text.front() == u' ';
}

bool endsWithSpace(std::u16string_view text)
{
    return !text.empty() && text.back() == u' ';
}

// Every item of a menu and its sub-menus has a text, or is a separator without an id.
void expectLabelled(HMENU menu, const std::string& where)
{
    for (int position = 0; position < GetMenuItemCount(menu); ++position) {
        WCHAR text[128] = {};
        GetMenuStringW(menu, position, text, 128, MF_BYPOSITION);
        HMENU sub = GetSubMenu(menu, position);
        if (!sub && GetMenuItemID(menu, position) == 0)
            continue; // separator
        EXPECT_NE(text[0], u'\0') << where << " item " << position;
        if (sub)
            expectLabelled(sub, where + "/" + std::to_string(position));
    }
}

class ShippedPacksTest : public ::testing::TestWithParam<ShippedPack> {
protected:
    testing_support::TestDevice dev;
    HMODULE pack = nullptr;
    void SetUp() override
    {
        dev.place(GetParam().image, std::u16string(u"\\Windows\\") + GetParam().fileName);
        pack = LoadLibraryW(GetParam().fileName);
        ASSERT_NE(pack, nullptr);
    }
    void TearDown() override
    {
        if (pack)
            FreeLibrary(pack);
    }
};

TEST_P(ShippedPacksTest, NamesItselfAsShipped)
{
    auto name = exportOf<NameFunction>(pack, u"GetLangName");
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(std::u16string(name()), GetParam().displayName);
}

TEST_P(ShippedPacksTest, TranslatesTheCommonTextsAndKeepsWhatTheProgramFillsIn)
{
    auto translate = exportOf<StringFunction>(pack, u"GetString");
    ASSERT_NE(translate, nullptr);
    for (int id : requiredIds)
        EXPECT_NE(translate(id), nullptr) << "untranslated id " << id;
    int translated = 0;
    for (int id = 0; id < stringCount; ++id) {
        const char16_t* text = translate(id);
        if (!text)
            continue;
        ++translated;
        const std::u16string_view english = englishString(id) ? englishString(id) : u"";
        const std::u16string_view own = text;
        // The program puts numbers and names into the conversions and joins texts at their spaces.
        EXPECT_EQ(conversionsOf(own), conversionsOf(english)) << "id " << id;
        EXPECT_EQ(startsWithSpace(own), startsWithSpace(english)) << "leading space, id " << id;
        EXPECT_EQ(endsWithSpace(own), endsWithSpace(english)) << "trailing space, id " << id;
        EXPECT_EQ(own.empty(), english.empty()) << "id " << id;
    }
    EXPECT_GE(translated, 250);
    for (DWORD outside : {709u, 710u, 0xFFFFFFFFu})
        EXPECT_EQ(translate(outside), nullptr) << outside;
}

TEST_P(ShippedPacksTest, CarriesEveryMenuWithATextOnEachItem)
{
    for (WORD id : {mainMenuId, doneMenuId, okCancelMenuId, doneCancelMenuId, stopMenuId, closeMenuId,
             saveCancelMenuId, closeHelpMenuId, yesNoMenuId, selectCancelMenuId, nextCancelMenuId, doneHelpMenuId}) {
        HMENU menu = LoadMenuW(pack, MAKEINTRESOURCEW(id));
        ASSERT_NE(menu, nullptr) << id;
        EXPECT_GT(GetMenuItemCount(menu), 0) << id;
        expectLabelled(menu, std::to_string(id));
        DestroyMenu(menu);
    }
}

INSTANTIATE_TEST_SUITE_P(Packs, ShippedPacksTest, ::testing::ValuesIn(shippedPacks),
    [](const auto& info) { return std::string(info.param.image).substr(std::string(info.param.image).rfind('/') + 1, 6); });

} // namespace
