// Dialog texts come from the string table when a dialog opens: the title and each listed control,
// a string without text empties its control, a template without texts is left alone.
#include <gtest/gtest.h>

#include <string>

#include "DialogTexts.h"
#include "StringTable.h"
#include "TestDevice.h"

namespace {

class DialogTextsTest : public ::testing::Test {
protected:
    testing_support::TestDevice dev;
    HWND dialog = nullptr;

    void SetUp() override
    {
        dialog = CreateWindowExW(0, u"STATIC", u"untouched", 0, 0, 0, 240, 320, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(dialog, nullptr);
    }
    HWND control(int id, const char16_t* words = u"untouched")
    {
        return CreateWindowExW(0, u"STATIC", words, WS_CHILD, 0, 0, 10, 10, dialog,
            reinterpret_cast<HMENU>(static_cast<intptr_t>(id)), nullptr, nullptr);
    }
    static std::u16string textOf(HWND hwnd)
    {
        WCHAR words[512] {};
        GetWindowTextW(hwnd, words, 512);
        return words;
    }
};

TEST_F(DialogTextsTest, TheSoftResetQuestionGetsItsTitleAndTexts)
{
    HWND question = control(1120);
    HWND again = control(1194);
    HWND other = control(1000);
    applyDialogTexts(512, dialog);
    EXPECT_EQ(textOf(dialog), getString(564));
    EXPECT_EQ(textOf(again), getString(565));
    EXPECT_EQ(textOf(question), u"Are you sure you want to Soft-reset your device?");
    EXPECT_EQ(textOf(other), u"untouched");
}

TEST_F(DialogTextsTest, AStringWithoutTextEmptiesItsControlAndUnknownTemplatesChangeNothing)
{
    HWND empty = control(1010);
    HWND title = control(9);
    applyDialogTexts(503, dialog); // 9 = 513, 1010 = 523 (no text)
    EXPECT_EQ(textOf(empty), u"");
    EXPECT_EQ(textOf(title), getString(513));
    EXPECT_EQ(textOf(dialog), u"untouched"); // 503 has no title entry

    HWND fresh = control(1320);
    for (int templateId : {269, 4242})
        applyDialogTexts(templateId, dialog);
    EXPECT_EQ(textOf(fresh), u"untouched");
    EXPECT_EQ(textOf(dialog), u"untouched");
}

} // namespace
