// The host's insertion and removal of storage cards.
#include "CardTable.h"
#include "emulator/StorageCards.h"

namespace emulator {

DWORD insertStorageCard(const std::u16string& name)
{
    return ce::insertCard(name);
}

DWORD removeStorageCard(const std::u16string& name)
{
    return ce::removeCard(name);
}

} // namespace emulator
