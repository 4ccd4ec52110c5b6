// Flash-card enumeration as programs reach it: note_prj.dll's exports 7 and 8.
#include <gtest/gtest.h>

#include "CardTestSupport.h"
#include "emulator/StorageCards.h"
#include "emulator/Text.h"
#include "projects.h"

using testing_support::TestDevice;

namespace {

using FindFirst = HANDLE (*)(LPWIN32_FIND_DATAW); // as programs declare the exports
using FindNext = BOOL (*)(HANDLE, LPWIN32_FIND_DATAW);

// The names the enumeration gives, through the library's ordinals; "!" + the error when the
// first call fails.
std::vector<std::string> flashCards()
{
    HMODULE library = LoadLibraryW(u"note_prj.dll");
    EXPECT_NE(library, nullptr);
    auto first = reinterpret_cast<FindFirst>(reinterpret_cast<void*>(GetProcAddressW(library, MAKEINTRESOURCEW(7))));
    auto next = reinterpret_cast<FindNext>(reinterpret_cast<void*>(GetProcAddressW(library, MAKEINTRESOURCEW(8))));
    EXPECT_TRUE(first && next);
    std::vector<std::string> names;
    WIN32_FIND_DATA data {};
    HANDLE find = first(&data);
    if (find == INVALID_HANDLE_VALUE)
        return {"!" + std::to_string(GetLastError())};
    do {
        EXPECT_EQ(data.dwFileAttributes & ~FILE_ATTRIBUTE_TEMPORARY, DWORD(FILE_ATTRIBUTE_DIRECTORY));
        EXPECT_EQ(
            data.dwFileAttributes & FILE_ATTRIBUTE_TEMPORARY, DWORD(data.cFileName[0] ? FILE_ATTRIBUTE_TEMPORARY : 0));
        names.push_back(emulator::toUtf8(data.cFileName));
    } while (next(find, &data));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_NO_MORE_FILES));
    EXPECT_TRUE(FindClose(find));
    EXPECT_FALSE(FindClose(find));
    FreeLibrary(library);
    return names;
}

TEST(FlashCards, EnumerationListsTheInsertedCardsInProfileOrder)
{
    const std::string noMoreFiles = "!" + std::to_string(ERROR_NO_MORE_FILES);
    struct Case {
        const char* what;
        int cards;
        DWORD osMajor;
        std::vector<std::string> names;
    } cases[] = {
        {"no card", 0, 5, {noMoreFiles}},
        {"one card", 1, 5, {"Storage Card"}},
        {"two cards", 2, 5, {"Storage Card", "SD Card"}},
        {"before version 5 the object store comes first", 2, 4, {"", "Storage Card", "SD Card"}},
        {"before version 5 without cards", 0, 4, {""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        emulator::Profile profile = card_test::cardProfile(c.cards == 2, c.osMajor);
        if (c.cards == 0)
            profile.cards.clear();
        TestDevice device(profile, TestDevice::Kind::Full);
        EXPECT_EQ(flashCards(), c.names);
    }
}

TEST(FlashCards, RemovedCardsLeaveTheEnumerationAndComeBackInPlace)
{
    TestDevice device(card_test::cardProfile(true), TestDevice::Kind::Full);
    ASSERT_EQ(emulator::removeStorageCard(u"Storage Card"), DWORD(ERROR_SUCCESS));
    EXPECT_EQ(flashCards(), std::vector<std::string> {"SD Card"});
    ASSERT_EQ(emulator::removeStorageCard(u"SD Card"), DWORD(ERROR_SUCCESS));
    EXPECT_EQ(flashCards(), std::vector<std::string> {"!" + std::to_string(ERROR_NO_MORE_FILES)});
    ASSERT_EQ(emulator::insertStorageCard(u"SD Card"), DWORD(ERROR_SUCCESS));
    ASSERT_EQ(emulator::insertStorageCard(u"Storage Card"), DWORD(ERROR_SUCCESS));
    EXPECT_EQ(flashCards(), (std::vector<std::string> {"Storage Card", "SD Card"}));
}

TEST(FlashCards, OtherOrdinalsAndBadArguments)
{
    TestDevice device(card_test::cardProfile(), TestDevice::Kind::Full);
    HMODULE library = LoadLibraryW(u"note_prj.dll");
    ASSERT_NE(library, nullptr);
    for (WORD ordinal : {1, 6, 9}) {
        SetLastError(0);
        EXPECT_EQ(GetProcAddressW(library, MAKEINTRESOURCEW(ordinal)), nullptr) << ordinal;
        EXPECT_EQ(GetLastError(), DWORD(ERROR_PROC_NOT_FOUND));
    }
    HMODULE coredll = LoadLibraryW(u"coredll.dll");
    EXPECT_EQ(GetProcAddressW(coredll, MAKEINTRESOURCEW(7)), nullptr) << "the ordinals are note_prj.dll's";
    EXPECT_EQ(FindFirstFlashCard(nullptr), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_PARAMETER));
    WIN32_FIND_DATA data {};
    EXPECT_FALSE(FindNextFlashCard(nullptr, &data));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_HANDLE));
}

} // namespace
