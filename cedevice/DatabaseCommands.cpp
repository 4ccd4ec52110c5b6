// cedevice db list and db dump: the device's database volumes, databases and records through
// the SDK calls.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "CommandSupport.h"
#include "Commands.h"
#include "windbase.h"

namespace cedevice {
namespace {

constexpr size_t shownBlobBytes = 32;

struct Volume {
    std::u16string path;
    CEGUID guid {};
};

std::vector<Volume> mountedVolumes()
{
    std::vector<Volume> volumes;
    CEGUID guid;
    CREATE_INVALIDGUID(&guid);
    WCHAR path[MAX_PATH];
    while (CeEnumDBVolumes(&guid, path, MAX_PATH))
        volumes.push_back({path, guid});
    return volumes;
}

std::vector<CEDBASEINFOEX> databasesOf(Volume volume)
{
    std::vector<CEDBASEINFOEX> databases;
    HANDLE find = CeFindFirstDatabaseEx(&volume.guid, 0);
    if (find == INVALID_HANDLE_VALUE)
        failCall(hostText(volume.path), GetLastError());
    for (CEOID oid; (oid = CeFindNextDatabaseEx(find, nullptr)) != 0;) {
        CEOIDINFOEX info {};
        info.wVersion = CEOIDINFOEX_VERSION;
        if (CeOidGetInfoEx(&volume.guid, oid, &info) && info.wObjType == OBJTYPE_DATABASE)
            databases.push_back(info.infDatabase);
    }
    CloseHandle(find);
    return databases;
}

std::string flagsText(DWORD flags)
{
    std::string text;
    if (flags & CEDB_SYSTEMDB)
        text += "system";
    if (flags & CEDB_NOCOMPRESS)
        text += text.empty() ? "uncompressed" : ",uncompressed";
    return text.empty() ? "-" : text;
}

std::string timeText(const FILETIME& time)
{
    SYSTEMTIME st {};
    if (!FileTimeToSystemTime(&time, &st))
        return "?";
    char text[64];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u.%03u", st.wYear, st.wMonth, st.wDay, st.wHour,
        st.wMinute, st.wSecond, st.wMilliseconds);
    return text;
}

// Rows printed in columns, aligned by `align`: 'L' left, 'R' right, one letter per column.
void printTable(const std::vector<std::vector<std::string>>& rows, std::string_view align, std::ostream& out)
{
    std::vector<size_t> widths(align.size());
    for (const auto& row : rows)
        for (size_t i = 0; i < row.size(); ++i)
            widths[i] = std::max(widths[i], row[i].size());
    for (const auto& row : rows) {
        std::string line;
        for (size_t i = 0; i < row.size(); ++i) {
            const std::string pad(widths[i] - row[i].size(), ' ');
            line += (i ? "  " : "") + (align[i] == 'L' ? row[i] + pad : pad + row[i]);
        }
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        out << line << '\n';
    }
}

std::string typeName(WORD type)
{
    switch (type) {
    case CEVT_I2:
        return "I2";
    case CEVT_UI2:
        return "UI2";
    case CEVT_I4:
        return "I4";
    case CEVT_UI4:
        return "UI4";
    case CEVT_R8:
        return "R8";
    case CEVT_BOOL:
        return "BOOL";
    case CEVT_LPWSTR:
        return "LPWSTR";
    case CEVT_FILETIME:
        return "FILETIME";
    case CEVT_BLOB:
        return "BLOB";
    case CEVT_STREAM:
        return "STREAM";
    case CEVT_RECID:
        return "RECID";
    case CEVT_AUTO_I4:
        return "AUTO_I4";
    case CEVT_AUTO_I8:
        return "AUTO_I8";
    default:
        return "type " + std::to_string(type);
    }
}

std::string bytesText(const CEBLOB& blob)
{
    std::string text = std::to_string(blob.dwCount) + (blob.dwCount == 1 ? " byte" : " bytes");
    char hex[4];
    for (DWORD i = 0; i < blob.dwCount && i < shownBlobBytes; ++i) {
        std::snprintf(hex, sizeof hex, "%02x", blob.lpb[i]);
        text += (i ? " " : ": ") + std::string(hex);
    }
    return blob.dwCount > shownBlobBytes ? text + " ..." : text;
}

std::string valueText(const CEPROPVAL& value)
{
    char text[64];
    switch (TypeFromPropID(value.propid)) {
    case CEVT_I2:
        return std::to_string(value.val.iVal);
    case CEVT_UI2:
        return std::to_string(value.val.uiVal);
    case CEVT_I4:
        return std::to_string(value.val.lVal);
    case CEVT_UI4:
    case CEVT_AUTO_I4:
        return std::to_string(value.val.ulVal);
    case CEVT_BOOL:
        return value.val.boolVal ? "true (" + std::to_string(value.val.boolVal) + ")" : "false";
    case CEVT_R8:
        std::snprintf(text, sizeof text, "%.17g", value.val.dblVal);
        return text;
    case CEVT_LPWSTR:
        return "\"" + hostText(value.val.lpwstr) + "\"";
    case CEVT_FILETIME:
        return timeText(value.val.filetime) + " UTC";
    default:
        return bytesText(value.val.blob);
    }
}

const Volume& findVolume(const std::vector<Volume>& volumes, const std::string& argument)
{
    const std::u16string path = devicePath(argument);
    for (const Volume& volume : volumes)
        if (_wcsicmp(volume.path.c_str(), path.c_str()) == 0)
            return volume;
    throw CommandError("no mounted database volume " + hostText(path));
}

void dumpRecords(HANDLE database, std::ostream& out)
{
    LPBYTE buffer = nullptr;
    DWORD size = 0;
    WORD count = 0;
    size_t records = 0;
    for (CEOID oid;
         (oid = CeReadRecordPropsEx(database, CEDB_ALLOWREALLOC, &count, nullptr, &buffer, &size, nullptr)) != 0;
         ++records) {
        char id[16];
        std::snprintf(id, sizeof id, "0x%08X", oid);
        out << "Record " << id << '\n';
        std::vector<std::vector<std::string>> rows;
        const auto* values = reinterpret_cast<const CEPROPVAL*>(buffer);
        for (WORD i = 0; i < count; ++i)
            rows.push_back({"", std::to_string(PropIdFromPropID(values[i].propid)),
                typeName(TypeFromPropID(values[i].propid)), valueText(values[i])});
        printTable(rows, "LRLL", out);
    }
    const DWORD error = GetLastError();
    LocalFree(buffer);
    if (error != ERROR_NO_MORE_ITEMS)
        failCall("reading records", error);
    out << records << (records == 1 ? " record\n" : " records\n");
}

} // namespace

void runDbList(const CommandLine& line, std::ostream& out)
{
    DeviceSession session(line.positional[0]);
    const auto volumes = mountedVolumes();
    std::vector<std::vector<std::string>> rows
        = {{"VOLUME", "DATABASE", "TYPE", "RECORDS", "SIZE", "FLAGS", "MODIFIED (UTC)"}};
    for (const Volume& volume : volumes) {
        const auto databases = databasesOf(volume);
        DWORD total = 0;
        for (const auto& database : databases)
            total += database.dwSize;
        const std::string count
            = std::to_string(databases.size()) + (databases.size() == 1 ? " database" : " databases");
        rows.push_back({hostText(volume.path), "(" + count + ")", "", "", std::to_string(total), "", ""});
        for (const auto& database : databases)
            rows.push_back({"", hostText(database.szDbaseName), std::to_string(database.dwDbaseType),
                std::to_string(database.dwNumRecords), std::to_string(database.dwSize), flagsText(database.dwFlags),
                timeText(database.ftLastModified)});
    }
    printTable(rows, "LLRRRLL", out);
    for (const auto& path : emulator::deviceProfile().volumes)
        if (std::none_of(volumes.begin(), volumes.end(), [&](const Volume& v) { return v.path == path; }))
            out << hostText(path) << ": not mounted (missing place, or not a database volume)\n";
}

void runDbDump(const CommandLine& line, std::ostream& out)
{
    DeviceSession session(line.positional[0]);
    Volume volume = findVolume(mountedVolumes(), line.positional[1]);
    std::u16string name = deviceText(line.positional[2]);
    CEOID oid = 0;
    HANDLE database = CeOpenDatabaseEx2(&volume.guid, &oid, name.data(), nullptr, CEDB_AUTOINCREMENT, nullptr);
    if (database == INVALID_HANDLE_VALUE)
        throw CommandError("no database \"" + line.positional[2] + "\" on " + hostText(volume.path));
    try {
        dumpRecords(database, out);
    } catch (...) {
        CloseHandle(database);
        throw;
    }
    CloseHandle(database);
}

} // namespace cedevice
