// Helpers of the database tests: finding volumes, making and opening databases, and records
// as comparable values.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "windbase.h"
#include "winerror.h"

namespace database_test {

// A property value as plain bytes: a fixed-size value's bytes, a text's characters (without
// terminator) or a byte block's bytes.
struct Property {
    CEPROPID id = 0;
    std::vector<BYTE> bytes;
    bool operator==(const Property&) const = default;
};

struct Record {
    CEOID oid = 0;
    std::vector<Property> properties;
};

inline bool holdsBytes(WORD type)
{
    return type == CEVT_BLOB || type == CEVT_STREAM || type == CEVT_RECID || type == CEVT_AUTO_I8;
}

inline Property propertyOf(const CEPROPVAL& value)
{
    const WORD type = TypeFromPropID(value.propid);
    Property property {value.propid, {}};
    const BYTE* data = reinterpret_cast<const BYTE*>(&value.val);
    size_t size = 0;
    switch (type) {
    case CEVT_I2:
    case CEVT_UI2:
        size = 2;
        break;
    case CEVT_I4:
    case CEVT_UI4:
    case CEVT_AUTO_I4:
    case CEVT_BOOL:
        size = 4;
        break;
    case CEVT_R8:
    case CEVT_FILETIME:
        size = 8;
        break;
    case CEVT_LPWSTR:
        data = reinterpret_cast<const BYTE*>(value.val.lpwstr);
        size = std::char_traits<char16_t>::length(value.val.lpwstr) * 2;
        break;
    default:
        data = value.val.blob.lpb;
        size = value.val.blob.dwCount;
    }
    if (size)
        property.bytes.assign(data, data + size);
    return property;
}

inline CEGUID volumeGuid(const std::u16string& path)
{
    CEGUID guid;
    CREATE_INVALIDGUID(&guid);
    WCHAR name[MAX_PATH];
    while (CeEnumDBVolumes(&guid, name, MAX_PATH))
        if (path == name)
            return guid;
    ADD_FAILURE() << "no volume " << std::string(path.begin(), path.end());
    return guid;
}

inline CEDBASEINFOEX describe(const std::u16string& name, DWORD type = 0, std::vector<SORTORDERSPECEX> sorts = {})
{
    CEDBASEINFOEX info {};
    info.wVersion = CEDBASEINFOEX_VERSION;
    info.dwFlags = CEDB_VALIDNAME | CEDB_VALIDTYPE | CEDB_VALIDSORTSPEC | CEDB_VALIDDBFLAGS;
    std::copy(name.begin(), name.begin() + std::min<size_t>(name.size(), CEDB_MAXDBASENAMELEN), info.szDbaseName);
    info.dwDbaseType = type;
    info.wNumSortOrder = static_cast<WORD>(sorts.size());
    std::copy(sorts.begin(), sorts.begin() + std::min<size_t>(sorts.size(), CEDB_MAXSORTORDER), info.rgSortSpecs);
    return info;
}

inline CEOID createDatabase(CEGUID volume, const std::u16string& name, DWORD type = 0)
{
    CEDBASEINFOEX info = describe(name, type);
    CEOID oid = CeCreateDatabaseEx2(&volume, &info);
    EXPECT_NE(0u, oid) << "error " << GetLastError();
    return oid;
}

inline HANDLE openDatabase(CEGUID volume, CEOID oid, DWORD flags = CEDB_AUTOINCREMENT)
{
    HANDLE handle = CeOpenDatabaseEx2(&volume, &oid, nullptr, nullptr, flags, nullptr);
    EXPECT_NE(INVALID_HANDLE_VALUE, handle) << "error " << GetLastError();
    return handle;
}

// Reads the next record with all properties into a growing buffer; oid 0 at the end.
inline Record readRecord(HANDLE database)
{
    LPBYTE buffer = nullptr;
    DWORD size = 0;
    WORD count = 0;
    Record record;
    record.oid = CeReadRecordPropsEx(database, CEDB_ALLOWREALLOC, &count, nullptr, &buffer, &size, nullptr);
    if (record.oid != 0) {
        auto* values = reinterpret_cast<const CEPROPVAL*>(buffer);
        for (WORD i = 0; i < count; ++i)
            record.properties.push_back(propertyOf(values[i]));
    }
    LocalFree(buffer);
    return record;
}

inline std::vector<Record> readAll(HANDLE database)
{
    std::vector<Record> records;
    for (Record record = readRecord(database); record.oid != 0; record = readRecord(database))
        records.push_back(std::move(record));
    EXPECT_EQ(static_cast<DWORD>(ERROR_NO_MORE_ITEMS), GetLastError());
    return records;
}

inline CEPROPVAL numberValue(WORD number, WORD type, DWORD value)
{
    CEPROPVAL prop {};
    prop.propid = MAKEPROPID(number, type);
    prop.val.ulVal = value;
    return prop;
}

// The value points at `text`, which must outlive it.
inline CEPROPVAL textValue(WORD number, const char16_t* text)
{
    CEPROPVAL prop {};
    prop.propid = MAKEPROPID(number, CEVT_LPWSTR);
    prop.val.lpwstr = const_cast<LPWSTR>(text);
    return prop;
}

inline CEPROPVAL blobValue(WORD number, std::vector<BYTE>& bytes, WORD type = CEVT_BLOB)
{
    CEPROPVAL prop {};
    prop.propid = MAKEPROPID(number, type);
    prop.val.blob.dwCount = static_cast<DWORD>(bytes.size());
    prop.val.blob.lpb = bytes.data();
    return prop;
}

inline CEDBASEINFOEX databaseInfo(CEGUID volume, CEOID oid)
{
    CEOIDINFOEX info {};
    info.wVersion = CEOIDINFOEX_VERSION;
    EXPECT_TRUE(CeOidGetInfoEx(&volume, oid, &info)) << "error " << GetLastError();
    EXPECT_EQ(OBJTYPE_DATABASE, info.wObjType);
    return info.infDatabase;
}

} // namespace database_test
