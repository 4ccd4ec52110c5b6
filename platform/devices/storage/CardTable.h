// The storage cards of the booted device: the profile's cards with their current state
// (inserted or removed, FAT geometry after a format). Inserting and removing move the card's
// folder in and out of the device (see store/files/CardFolders.h) and record the state in
// device.ini, so that it holds across boots. A removed card's folder is kept in
// <image>/removed-cards/<name>.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "emulator/Profile.h"

namespace ce {

// One card as a device handle names it: its place in the profile and the insertion it was
// opened in, so that a handle opened before a removal no longer reaches the card.
struct CardRef {
    size_t index = 0;
    unsigned insertion = 0;
};

struct CardState {
    CardRef ref;
    emulator::StorageCardProfile card;
};

// The inserted cards in profile order.
std::vector<CardState> insertedCards();
std::optional<CardState> insertedCardNamed(std::u16string_view name);
// The card a handle names while it is still inserted; nothing once it was removed.
std::optional<CardState> cardOf(const CardRef& ref);

// Errors: ERROR_NOT_FOUND (no card of that name), ERROR_ALREADY_EXISTS (inserted already, or
// an object-store folder holds its name), ERROR_DEVICE_REMOVED (removed already),
// ERROR_SHARING_VIOLATION (files open on the card), ERROR_NOT_READY (no device).
DWORD insertCard(const std::u16string& name);
DWORD removeCard(const std::u16string& name);

// Erases the card's files and folders; with a geometry, lays the card out anew (a format).
// Nothing changes when files are open on the card.
DWORD eraseCard(const CardRef& ref, const std::optional<emulator::FatGeometry>& geometry);

} // namespace ce
