// A record's properties packed into the bytes its volume row holds, and laid out again as
// CeReadRecordPropsEx returns them: an array of CEPROPVAL followed by the texts and byte
// blocks they point to.
//
// Packed form, property after property: the property id (4 bytes), then the value. Fixed-size
// types store their bytes (2, 4 or 8); texts and byte blocks store a 4-byte length in bytes
// and the bytes (texts without their terminator).
#pragma once

#include <span>
#include <vector>

#include "windbase.h"

namespace ce {

// One property inside packed bytes. For texts `size` counts bytes, without a terminator.
struct StoredProperty {
    CEPROPID id = 0;
    const BYTE* value = nullptr;
    DWORD size = 0;
};

bool isPropertyType(WORD type);

// Appends the packed value; false when the value does not fit its type (unknown type, null
// text, a byte block with a count and no bytes).
bool packProperty(const CEPROPVAL& value, std::vector<BYTE>& packed);
void appendStored(const StoredProperty& property, std::vector<BYTE>& packed);
// Splits packed bytes into their properties; false when the bytes are damaged.
bool unpackRecord(const BYTE* packed, size_t size, std::vector<StoredProperty>& properties);

// Bytes the read layout of `properties` takes (null entries: requested and not found).
size_t readLayoutSize(std::span<const StoredProperty* const> properties);
// Writes the read layout into `buffer` (readLayoutSize bytes); a null entry becomes a value
// of the requested id flagged CEDB_PROPNOTFOUND.
void writeReadLayout(
    std::span<const StoredProperty* const> properties, std::span<const CEPROPID> requested, BYTE* buffer);

} // namespace ce
