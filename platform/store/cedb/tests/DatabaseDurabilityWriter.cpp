// Helper of the durability test: boots an image, writes records numbered from FIRST into the
// database "Durable" of \pim.vol (made when missing), flushes the volume, writes more records
// without flushing and ends the host process at once (no shutdown), as a crash would. Records
// carry PADDING bytes, so that many unflushed ones overflow SQLite's cache into the file and
// only the journal can undo them.
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "TestDevice.h"
#include "windbase.h"
#include "winerror.h"

namespace {

// Each record holds its number and `padding` bytes.
bool writeRecords(HANDLE database, DWORD first, DWORD count, std::vector<BYTE>& padding)
{
    for (DWORD i = first; i < first + count; ++i) {
        CEPROPVAL values[2] = {};
        values[0].propid = MAKEPROPID(1, CEVT_UI4);
        values[0].val.ulVal = i;
        values[1].propid = MAKEPROPID(2, CEVT_BLOB);
        values[1].val.blob = {static_cast<DWORD>(padding.size()), padding.data()};
        if (CeWriteRecordProps(database, 0, 2, values) == 0)
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 6) {
        std::fprintf(stderr, "usage: %s IMAGE FIRST FLUSHED UNFLUSHED PADDING\n", argv[0]);
        return 2;
    }
    if (!testing_support::bootOrReport(argv[1]))
        return 1;
    const DWORD first = static_cast<DWORD>(std::stoul(argv[2])), flushed = static_cast<DWORD>(std::stoul(argv[3])),
                unflushed = static_cast<DWORD>(std::stoul(argv[4]));
    std::vector<BYTE> padding(std::stoul(argv[5]), 0x5a);
    CEGUID volume;
    CREATE_INVALIDGUID(&volume);
    WCHAR volumeName[MAX_PATH];
    while (CeEnumDBVolumes(&volume, volumeName, MAX_PATH) && std::u16string(volumeName) != u"\\pim.vol") { }
    CEDBASEINFOEX info {};
    info.dwFlags = CEDB_VALIDNAME;
    std::u16string name = u"Durable";
    name.copy(info.szDbaseName, name.size());
    CEOID oid = 0;
    if (CeCreateDatabaseEx2(&volume, &info) == 0 && GetLastError() != ERROR_DUP_NAME) {
        std::fprintf(stderr, "creating failed: %u\n", GetLastError());
        return 1;
    }
    HANDLE database = CeOpenDatabaseEx2(&volume, &oid, name.data(), nullptr, 0, nullptr);
    if (database == INVALID_HANDLE_VALUE || !writeRecords(database, first, flushed, padding) || !CeFlushDBVol(&volume)
        || !writeRecords(database, first + flushed, unflushed, padding)) {
        std::fprintf(stderr, "writing failed: %u\n", GetLastError());
        return 1;
    }
    _exit(0);
}
