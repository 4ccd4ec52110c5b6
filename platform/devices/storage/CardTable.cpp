// The booted device's storage cards, kept from boot to shutdown.
#include "CardTable.h"

#include <filesystem>
#include <mutex>

#include "emulator/Text.h"
#include "kernel/Device.h"
#include "kernel/DeviceParts.h"
#include "store/files/CardFolders.h"
#include "store/files/FileSystem.h"
#include "store/files/HostNames.h"
#include "winerror.h"

namespace ce {
namespace {

namespace fs = std::filesystem;

struct Cards {
    std::mutex lock; // taken before the file system's lock, never under it
    bool started = false;
    fs::path image;
    std::vector<emulator::StorageCardProfile> cards;
    std::vector<unsigned> insertions; // counts the insertions of each card
};

Cards& cards()
{
    static Cards state;
    return state;
}

fs::path parkedFolder(const fs::path& image, const std::u16string& name)
{
    return image / "removed-cards" / emulator::toUtf8(name);
}

std::optional<size_t> indexOf(const Cards& state, std::u16string_view name)
{
    const std::u16string upper = upperName(name);
    for (size_t i = 0; i < state.cards.size(); ++i) {
        if (upperName(state.cards[i].name) == upper)
            return i;
    }
    return std::nullopt;
}

// Records the cards' state in device.ini, keeping everything else the file holds.
bool saveCards(const Cards& state)
{
    emulator::Profile profile;
    std::string error;
    const fs::path ini = state.image / "device.ini";
    if (!emulator::loadProfile(ini, profile, error) || profile.cards.size() != state.cards.size())
        return false;
    for (size_t i = 0; i < state.cards.size(); ++i) {
        profile.cards[i].inserted = state.cards[i].inserted;
        profile.cards[i].geometry = state.cards[i].geometry;
    }
    return emulator::saveProfile(ini, profile, error);
}

// Puts each card's folder where its flag says: in root/ when inserted, parked when removed.
// A folder found in both places is left as it is: nothing is overwritten.
void placeCardFolders(const Cards& state)
{
    const fs::path root = state.image / "root";
    for (const auto& card : state.cards) {
        const fs::path mounted = root / emulator::toUtf8(card.name);
        const fs::path parked = parkedFolder(state.image, card.name);
        std::error_code ec;
        const bool inRoot = fs::exists(mounted, ec), isParked = fs::exists(parked, ec);
        if (card.inserted && !inRoot) {
            if (isParked)
                fs::rename(parked, mounted, ec);
            else
                fs::create_directories(mounted, ec);
        } else if (!card.inserted && inRoot && !isParked) {
            fs::create_directories(parked.parent_path(), ec);
            fs::rename(mounted, parked, ec);
        }
    }
}

bool startCards(Device& device, std::string&)
{
    Cards& state = cards();
    std::lock_guard guard(state.lock);
    state.image = device.imagePath();
    state.cards = device.profile().cards;
    state.insertions.assign(state.cards.size(), 1);
    placeCardFolders(state);
    state.started = true;
    return true;
}

void stopCards()
{
    Cards& state = cards();
    std::lock_guard guard(state.lock);
    state.started = false;
    state.cards.clear();
    state.insertions.clear();
}

// Before the file system's users: the boot programs may look at the cards.
const DevicePartRegistration registration {{"storage cards", 5, startCards, stopCards}};

// True while the card a handle names is still inserted in the same insertion.
bool reaches(const Cards& state, const CardRef& ref)
{
    return ref.index < state.cards.size() && state.insertions[ref.index] == ref.insertion
        && state.cards[ref.index].inserted;
}

CardState stateOf(const Cards& state, size_t index)
{
    return CardState {CardRef {index, state.insertions[index]}, state.cards[index]};
}

// Inserts or removes a card: moves its folder, then records the new state.
DWORD changeInsertion(const std::u16string& name, bool insert)
{
    FileSystem* files = mountedFileSystem();
    if (!files)
        return ERROR_NOT_READY;
    Cards& state = cards();
    std::lock_guard guard(state.lock);
    if (!state.started)
        return ERROR_NOT_READY;
    std::optional<size_t> index = indexOf(state, name);
    if (!index)
        return ERROR_NOT_FOUND;
    emulator::StorageCardProfile& card = state.cards[*index];
    if (card.inserted == insert)
        return insert ? ERROR_ALREADY_EXISTS : ERROR_DEVICE_REMOVED;
    const fs::path parked = parkedFolder(state.image, card.name);
    if (DWORD error = insert ? mountCardFolder(*files, card.name, parked) : parkCardFolder(*files, card.name, parked))
        return error;
    card.inserted = insert;
    ++state.insertions[*index];
    if (saveCards(state))
        return ERROR_SUCCESS;
    // device.ini refused the change: the card goes back to where the file says it is.
    card.inserted = !insert;
    insert ? parkCardFolder(*files, card.name, parked) : mountCardFolder(*files, card.name, parked);
    return ERROR_GEN_FAILURE;
}

} // namespace

std::vector<CardState> insertedCards()
{
    Cards& state = cards();
    std::lock_guard guard(state.lock);
    std::vector<CardState> result;
    for (size_t i = 0; i < state.cards.size(); ++i) {
        if (state.cards[i].inserted)
            result.push_back(stateOf(state, i));
    }
    return result;
}

std::optional<CardState> insertedCardNamed(std::u16string_view name)
{
    Cards& state = cards();
    std::lock_guard guard(state.lock);
    std::optional<size_t> index = indexOf(state, name);
    if (!index || !state.cards[*index].inserted)
        return std::nullopt;
    return stateOf(state, *index);
}

std::optional<CardState> cardOf(const CardRef& ref)
{
    Cards& state = cards();
    std::lock_guard guard(state.lock);
    if (!reaches(state, ref))
        return std::nullopt;
    return stateOf(state, ref.index);
}

DWORD insertCard(const std::u16string& name)
{
    return changeInsertion(name, true);
}

DWORD removeCard(const std::u16string& name)
{
    return changeInsertion(name, false);
}

DWORD eraseCard(const CardRef& ref, const std::optional<emulator::FatGeometry>& geometry)
{
    FileSystem* files = mountedFileSystem();
    if (!files)
        return ERROR_NOT_READY;
    Cards& state = cards();
    std::lock_guard guard(state.lock);
    if (!reaches(state, ref))
        return ERROR_DEVICE_REMOVED;
    emulator::StorageCardProfile& card = state.cards[ref.index];
    if (DWORD error = eraseCardContents(*files, card.name))
        return error;
    if (!geometry)
        return ERROR_SUCCESS;
    const emulator::FatGeometry previous = card.geometry;
    card.geometry = *geometry;
    if (!saveCards(state)) {
        card.geometry = previous;
        return ERROR_GEN_FAILURE;
    }
    setCardClusterBytes(*files, card.name, ULONGLONG(geometry->bytesPerSector) * geometry->sectorsPerCluster);
    return ERROR_SUCCESS;
}

} // namespace ce
