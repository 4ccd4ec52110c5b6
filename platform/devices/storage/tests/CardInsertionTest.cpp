// Inserting and removing storage cards: the card's folder leaves the device with every file
// and comes back intact, the state holds across boots, and open files keep a card in.
#include <gtest/gtest.h>

#include "CardTestSupport.h"
#include "emulator/StorageCards.h"

using testing_support::TestDevice;
using namespace card_test;

namespace {

bool inIniInserted(const TestDevice& device, size_t card)
{
    emulator::Profile profile;
    std::string error;
    EXPECT_TRUE(emulator::loadProfile(device.image() / "device.ini", profile, error)) << error;
    return profile.cards.at(card).inserted;
}

bool listedInRoot(const std::u16string& name)
{
    WIN32_FIND_DATAW data {};
    HANDLE find = FindFirstFileW(u"\\*", &data);
    bool found = false;
    if (find == INVALID_HANDLE_VALUE)
        return false;
    do
        found = found || std::u16string(data.cFileName) == name;
    while (FindNextFileW(find, &data));
    FindClose(find);
    return found;
}

// What a program sees of a card's presence.
void expectPresent(bool present)
{
    ULARGE_INTEGER total {};
    EXPECT_EQ(exists(u"\\Storage Card"), present);
    EXPECT_EQ(GetDiskFreeSpaceExW(u"\\Storage Card", nullptr, &total, nullptr) != FALSE, present);
    EXPECT_EQ(listedInRoot(u"Storage Card"), present);
    EXPECT_EQ(exists(u"\\Storage Card\\Photos\\a.jpg"), present);
}

TEST(CardInsertion, RemovedCardsFilesComeBackIntact)
{
    TestDevice device(cardProfile());
    ASSERT_TRUE(CreateDirectoryW(u"\\Storage Card\\Photos", nullptr));
    ASSERT_TRUE(writeFile(u"\\Storage Card\\Photos\\a.jpg", "picture"));
    ASSERT_TRUE(SetFileAttributesW(u"\\Storage Card\\Photos\\a.jpg", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY));
    ULARGE_INTEGER freeBefore {};
    ASSERT_TRUE(GetDiskFreeSpaceExW(u"\\Storage Card", nullptr, nullptr, &freeBefore));

    ASSERT_EQ(emulator::removeStorageCard(u"Storage Card"), DWORD(ERROR_SUCCESS));
    expectPresent(false);
    EXPECT_FALSE(std::filesystem::exists(device.hostPath(u"\\Storage Card")));
    EXPECT_TRUE(std::filesystem::exists(device.image() / "removed-cards" / "Storage Card" / "Photos" / "a.jpg"));
    EXPECT_FALSE(writeFile(u"\\Storage Card\\b.txt", "b")) << "no card to write to";

    ASSERT_EQ(emulator::insertStorageCard(u"storage card"), DWORD(ERROR_SUCCESS));
    expectPresent(true);
    EXPECT_EQ(readFile(u"\\Storage Card\\Photos\\a.jpg"), "picture");
    EXPECT_EQ(
        GetFileAttributesW(u"\\Storage Card\\Photos\\a.jpg"), DWORD(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY));
    ULARGE_INTEGER freeAfter {};
    ASSERT_TRUE(GetDiskFreeSpaceExW(u"\\Storage Card", nullptr, nullptr, &freeAfter));
    EXPECT_EQ(freeAfter.QuadPart, freeBefore.QuadPart);
}

TEST(CardInsertion, StateHoldsAcrossBoots)
{
    TestDevice device(cardProfile(true));
    ASSERT_TRUE(writeFile(u"\\SD Card\\kept.txt", "kept"));
    ASSERT_EQ(emulator::removeStorageCard(u"SD Card"), DWORD(ERROR_SUCCESS));
    EXPECT_FALSE(inIniInserted(device, 1));
    EXPECT_TRUE(inIniInserted(device, 0));
    device.reboot();
    EXPECT_FALSE(exists(u"\\SD Card"));
    EXPECT_TRUE(exists(u"\\Storage Card"));
    ASSERT_EQ(emulator::insertStorageCard(u"SD Card"), DWORD(ERROR_SUCCESS));
    EXPECT_TRUE(inIniInserted(device, 1));
    device.reboot();
    EXPECT_EQ(readFile(u"\\SD Card\\kept.txt"), "kept");
}

TEST(CardInsertion, BootPutsTheCardFolderWhereTheProfileSays)
{
    testing_support::TempFolder folder;
    const auto image = folder.path() / "device";
    emulator::Profile profile = cardProfile(true);
    profile.cards[1].inserted = false;
    testing_support::makeBareImage(image, profile); // makes every card's folder in root/
    std::filesystem::create_directories(image / "root" / "SD Card" / "DCIM");
    std::string error;
    emulator::BootOptions options;
    options.virtualTime = true;
    ASSERT_TRUE(emulator::bootDevice(image, options, error)) << error;
    EXPECT_FALSE(exists(u"\\SD Card"));
    EXPECT_TRUE(std::filesystem::exists(image / "removed-cards" / "SD Card" / "DCIM"));
    EXPECT_EQ(emulator::insertStorageCard(u"SD Card"), DWORD(ERROR_SUCCESS));
    EXPECT_TRUE(exists(u"\\SD Card\\DCIM"));
    emulator::shutdownDevice();
}

TEST(CardInsertion, RefusedChanges)
{
    TestDevice device(cardProfile());
    HANDLE open = CreateFileW(u"\\Storage Card\\open.txt", GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    ASSERT_NE(open, INVALID_HANDLE_VALUE);
    EXPECT_EQ(emulator::removeStorageCard(u"Storage Card"), DWORD(ERROR_SHARING_VIOLATION));
    EXPECT_TRUE(exists(u"\\Storage Card\\open.txt"));
    EXPECT_TRUE(inIniInserted(device, 0));
    CloseHandle(open);

    struct Case {
        const char* what;
        DWORD (*change)(const std::u16string&);
        const char16_t* name;
        DWORD error;
    } cases[] = {
        {"unknown card", emulator::removeStorageCard, u"Memory Stick", ERROR_NOT_FOUND},
        {"inserting an inserted card", emulator::insertStorageCard, u"Storage Card", ERROR_ALREADY_EXISTS},
        {"removing it", emulator::removeStorageCard, u"Storage Card", ERROR_SUCCESS},
        {"removing it again", emulator::removeStorageCard, u"Storage Card", ERROR_DEVICE_REMOVED},
        {"unknown card to insert", emulator::insertStorageCard, u"", ERROR_NOT_FOUND},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.change(c.name), c.error);
    }
    // While the card is out its name is free in the object store; the card cannot come back
    // over such a folder, whose files are the object store's.
    ASSERT_TRUE(CreateDirectoryW(u"\\Storage Card", nullptr));
    ASSERT_TRUE(writeFile(u"\\Storage Card\\store.txt", "store"));
    EXPECT_EQ(emulator::insertStorageCard(u"Storage Card"), DWORD(ERROR_ALREADY_EXISTS));
    EXPECT_EQ(GetFileAttributesW(u"\\Storage Card") & FILE_ATTRIBUTE_TEMPORARY, 0u);
    ASSERT_TRUE(DeleteFileW(u"\\Storage Card\\store.txt"));
    ASSERT_TRUE(RemoveDirectoryW(u"\\Storage Card"));
    EXPECT_EQ(emulator::insertStorageCard(u"Storage Card"), DWORD(ERROR_SUCCESS));
    EXPECT_NE(GetFileAttributesW(u"\\Storage Card") & FILE_ATTRIBUTE_TEMPORARY, 0u);
}

TEST(CardInsertion, HandlesOfARemovedCardNoLongerReachIt)
{
    TestDevice device(cardProfile());
    Device volume(u"\\Storage Card\\VOL:");
    std::vector<BYTE> out(16);
    ASSERT_EQ(volume.control(IOCTL_DISK_GET_FREE_SPACE, {}, out), 0u);
    ASSERT_EQ(emulator::removeStorageCard(u"Storage Card"), DWORD(ERROR_SUCCESS));
    out.assign(16, 0);
    EXPECT_EQ(volume.control(IOCTL_DISK_GET_FREE_SPACE, {}, out), DWORD(ERROR_DEVICE_REMOVED));
    EXPECT_EQ(CreateFileW(u"\\Storage Card\\VOL:", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr),
        INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_DEV_NOT_EXIST));
    ASSERT_EQ(emulator::insertStorageCard(u"Storage Card"), DWORD(ERROR_SUCCESS));
    out.assign(16, 0);
    EXPECT_EQ(volume.control(IOCTL_DISK_GET_FREE_SPACE, {}, out), DWORD(ERROR_DEVICE_REMOVED))
        << "a new insertion needs a new handle";
}

} // namespace
