// Host-side insertion and removal of the booted device's storage cards (the profile's cards),
// for tests and the device tool. A removed card's folder leaves the device (it is kept in
// <image>/removed-cards/<name>, never deleted) and comes back with every file on insertion;
// the state is recorded in device.ini (Inserted=) and holds across boots.
#pragma once

#include <string>

#include "../ceapi.h"
#include "../windef.h"

namespace emulator {

// ERROR_SUCCESS, or: ERROR_NOT_READY (no device booted), ERROR_NOT_FOUND (the profile has no
// card of that name), ERROR_ALREADY_EXISTS (inserted already, or a folder of the object store
// took the card's name while it was out), ERROR_DEVICE_REMOVED (removed already),
// ERROR_SHARING_VIOLATION (files open on the card: it is not removed).
CEAPI DWORD insertStorageCard(const std::u16string& name);
CEAPI DWORD removeStorageCard(const std::u16string& name);

} // namespace emulator
