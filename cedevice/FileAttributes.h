// File attributes as cedevice shows them: their names, and a fixed-width letter set for listings.
#pragma once

#include <string>

#include "windef.h"

namespace cedevice {

// "READONLY INROM ROMMODULE": the names of the set bits, lowest first; bits without a name
// are left out (the hex value shows them).
std::string attributeNames(DWORD attributes);
// Nine columns "drhsatcim" (directory, read-only, hidden, system, archive, temporary,
// compressed, in ROM, ROM module), "-" where the bit is clear.
std::string attributeLetters(DWORD attributes);

}  // namespace cedevice
