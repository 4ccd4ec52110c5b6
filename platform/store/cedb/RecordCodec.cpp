// Packing and laying out record properties.
#include "RecordCodec.h"

#include <cstring>
#include <string>

namespace ce {
namespace {

// Bytes of a fixed-size value; 0 for texts and byte blocks.
DWORD fixedSize(WORD type)
{
    switch (type) {
    case CEVT_I2:
    case CEVT_UI2:
        return 2;
    case CEVT_I4:
    case CEVT_UI4:
    case CEVT_AUTO_I4:
    case CEVT_BOOL:
        return 4;
    case CEVT_R8:
    case CEVT_FILETIME:
        return 8;
    default:
        return 0;
    }
}

bool isByteBlock(WORD type)
{
    return type == CEVT_BLOB || type == CEVT_STREAM || type == CEVT_RECID || type == CEVT_AUTO_I8;
}

void appendBytes(std::vector<BYTE>& out, const void* data, size_t size)
{
    const auto* bytes = static_cast<const BYTE*>(data);
    out.insert(out.end(), bytes, bytes + size);
}

void appendDword(std::vector<BYTE>& out, DWORD value)
{
    appendBytes(out, &value, sizeof value);
}

DWORD readDword(const BYTE* at)
{
    DWORD value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

} // namespace

bool isPropertyType(WORD type)
{
    return fixedSize(type) != 0 || type == CEVT_LPWSTR || isByteBlock(type);
}

bool packProperty(const CEPROPVAL& value, std::vector<BYTE>& packed)
{
    const WORD type = TypeFromPropID(value.propid);
    StoredProperty property {value.propid, reinterpret_cast<const BYTE*>(&value.val), fixedSize(type)};
    if (type == CEVT_LPWSTR) {
        if (!value.val.lpwstr)
            return false;
        property.value = reinterpret_cast<const BYTE*>(value.val.lpwstr);
        property.size = static_cast<DWORD>(std::char_traits<char16_t>::length(value.val.lpwstr) * sizeof(WCHAR));
    } else if (isByteBlock(type)) {
        if (value.val.blob.dwCount != 0 && !value.val.blob.lpb)
            return false;
        property.value = value.val.blob.lpb;
        property.size = value.val.blob.dwCount;
    } else if (property.size == 0) {
        return false;
    }
    appendStored(property, packed);
    return true;
}

void appendStored(const StoredProperty& property, std::vector<BYTE>& packed)
{
    appendDword(packed, property.id);
    if (fixedSize(TypeFromPropID(property.id)) == 0)
        appendDword(packed, property.size);
    if (property.size != 0)
        appendBytes(packed, property.value, property.size);
}

bool unpackRecord(const BYTE* packed, size_t size, std::vector<StoredProperty>& properties)
{
    properties.clear();
    size_t at = 0;
    while (at < size) {
        if (size - at < 4)
            return false;
        StoredProperty property;
        property.id = readDword(packed + at);
        at += 4;
        const WORD type = TypeFromPropID(property.id);
        if (!isPropertyType(type))
            return false;
        property.size = fixedSize(type);
        if (property.size == 0) {
            if (size - at < 4)
                return false;
            property.size = readDword(packed + at);
            at += 4;
            if (type == CEVT_LPWSTR && property.size % 2 != 0)
                return false;
        }
        if (size - at < property.size)
            return false;
        property.value = packed + at;
        at += property.size;
        properties.push_back(property);
    }
    return true;
}

size_t readLayoutSize(std::span<const StoredProperty* const> properties)
{
    size_t size = properties.size() * sizeof(CEPROPVAL);
    for (const StoredProperty* property : properties) {
        if (!property)
            continue;
        const WORD type = TypeFromPropID(property->id);
        if (type == CEVT_LPWSTR)
            size += property->size + sizeof(WCHAR);
        else if (isByteBlock(type))
            size += property->size;
    }
    return size;
}

void writeReadLayout(
    std::span<const StoredProperty* const> properties, std::span<const CEPROPID> requested, BYTE* buffer)
{
    auto* values = reinterpret_cast<CEPROPVAL*>(buffer);
    // Texts come first after the array, so each starts at an even offset; byte blocks follow.
    BYTE* tail = buffer + properties.size() * sizeof(CEPROPVAL);
    for (size_t i = 0; i < properties.size(); ++i) {
        CEPROPVAL& value = values[i];
        std::memset(&value, 0, sizeof value);
        const StoredProperty* property = properties[i];
        if (!property) {
            value.propid = requested[i];
            value.wFlags = CEDB_PROPNOTFOUND;
            continue;
        }
        value.propid = property->id;
        if (TypeFromPropID(property->id) != CEVT_LPWSTR)
            continue;
        std::memcpy(tail, property->value, property->size);
        std::memset(tail + property->size, 0, sizeof(WCHAR));
        value.val.lpwstr = reinterpret_cast<LPWSTR>(tail);
        tail += property->size + sizeof(WCHAR);
    }
    for (size_t i = 0; i < properties.size(); ++i) {
        const StoredProperty* property = properties[i];
        if (!property || TypeFromPropID(property->id) == CEVT_LPWSTR)
            continue;
        CEPROPVAL& value = values[i];
        if (!isByteBlock(TypeFromPropID(property->id))) {
            std::memcpy(&value.val, property->value, property->size);
            continue;
        }
        if (property->size != 0)
            std::memcpy(tail, property->value, property->size);
        value.val.blob.dwCount = property->size;
        value.val.blob.lpb = tail;
        tail += property->size;
    }
}

} // namespace ce
