// cedevice ls, mkdir, put, get, attrib and rm: the device file system through the SDK calls.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "CommandSupport.h"
#include "Commands.h"
#include "DeviceFileTransfer.h"
#include "FileAttributes.h"
#include "NumberText.h"
#include "emulator/Device.h"

namespace cedevice {
namespace {

namespace fs = std::filesystem;

constexpr DWORD chunkSize = 1 << 20;

DWORD attributesOf(const std::u16string& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        failCall(hostText(path), GetLastError());
    return attributes;
}

bool isFolder(const std::u16string& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::u16string joinPath(std::u16string folder, std::u16string_view name)
{
    if (folder.empty() || folder.back() != u'\\')
        folder += u'\\';
    return folder.append(name);
}

std::u16string lastComponent(const std::u16string& path)
{
    return path.substr(path.find_last_of(u'\\') + 1);
}

DWORD parseAttributes(const std::string& text)
{
    DWORD value = 0;
    if (!parseHex32(text, value))
        throw CommandError("\"" + text + "\": bad attributes (use hex, e.g. 0x21)");
    return value;
}

void setAttributes(const std::u16string& path, DWORD attributes)
{
    if (!emulator::setFileAttributesRaw(path.c_str(), attributes))
        failCall(hostText(path), GetLastError());
}

std::string localTimeText(const FILETIME& utc)
{
    FILETIME local{};
    SYSTEMTIME st{};
    if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToSystemTime(&local, &st))
        return "(no valid time)      ";
    char text[64];
    snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u", st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute,
             st.wSecond);
    return text;
}

std::string listingLine(const WIN32_FIND_DATAW& entry)
{
    const bool folder = entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
    const ULONGLONG size = (static_cast<ULONGLONG>(entry.nFileSizeHigh) << 32) | entry.nFileSizeLow;
    char sizeText[24];
    snprintf(sizeText, sizeof sizeText, "%10s", folder ? "<DIR>" : std::to_string(size).c_str());
    return attributeLetters(entry.dwFileAttributes) + "  " + sizeText + "  " + localTimeText(entry.ftLastWriteTime)
        + "  " + hostText(entry.cFileName) + (folder ? "\\" : "");
}

// The entries a pattern matches, sorted by name; empty when nothing matches.
std::vector<WIN32_FIND_DATAW> findEntries(const std::u16string& pattern)
{
    std::vector<WIN32_FIND_DATAW> entries;
    WIN32_FIND_DATAW entry{};
    HANDLE find = FindFirstFileW(pattern.c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_NO_MORE_FILES)
            return entries;
        failCall(hostText(pattern), error);
    }
    do
        entries.push_back(entry);
    while (FindNextFileW(find, &entry));
    FindClose(find);
    std::sort(entries.begin(), entries.end(), [](const WIN32_FIND_DATAW& a, const WIN32_FIND_DATAW& b) {
        return _wcsicmp(a.cFileName, b.cFileName) < 0;
    });
    return entries;
}

std::vector<char> readDeviceFile(const std::u16string& path)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        failCall(hostText(path), GetLastError());
    std::vector<char> bytes;
    std::vector<char> chunk(chunkSize);
    DWORD read = 0;
    BOOL ok = FALSE;
    while ((ok = ReadFile(file, chunk.data(), chunkSize, &read, nullptr)) && read > 0)
        bytes.insert(bytes.end(), chunk.begin(), chunk.begin() + read);
    const DWORD error = GetLastError();
    CloseHandle(file);
    if (!ok)
        failCall(hostText(path), error);
    return bytes;
}

}  // namespace

void runLs(const CommandLine& line, std::ostream& out)
{
    const std::u16string path = devicePath(line.positional[1]);
    DeviceSession session(line.positional[0]);
    std::u16string pattern = path;
    const bool wildcard = path.find_first_of(u"*?") != std::u16string::npos;
    if (path == u"\\" || (!wildcard && (attributesOf(path) & FILE_ATTRIBUTE_DIRECTORY)))
        pattern = joinPath(path, u"*");
    for (const auto& entry : findEntries(pattern))
        out << listingLine(entry) << '\n';
}

void runMkdir(const CommandLine& line, std::ostream&)
{
    const std::u16string path = devicePath(line.positional[1]);
    DeviceSession session(line.positional[0]);
    makeDeviceFolders(path);
}

void runPut(const CommandLine& line, std::ostream&)
{
    const std::string& hostFile = line.positional[1];
    std::u16string path = devicePath(line.positional[2]);
    const std::string* attributeText = line.option("--attr");
    const DWORD attributes = attributeText ? parseAttributes(*attributeText) : 0;
    const std::vector<char> bytes = readHostFile(hostFile);
    DeviceSession session(line.positional[0]);
    if (isFolder(path))
        path = joinPath(path, deviceText(fs::path(hostFile).filename().string()));
    writeDeviceFile(path, bytes);
    if (attributeText)
        setAttributes(path, attributes);
}

void runGet(const CommandLine& line, std::ostream&)
{
    const std::u16string path = devicePath(line.positional[1]);
    fs::path hostFile = line.positional[2];
    std::vector<char> bytes;
    {
        DeviceSession session(line.positional[0]);
        bytes = readDeviceFile(path);
    }
    std::error_code ec;
    if (fs::is_directory(hostFile, ec))
        hostFile /= hostText(lastComponent(path));
    std::ofstream outFile(hostFile, std::ios::binary | std::ios::trunc);
    outFile.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    outFile.close();
    if (!outFile)
        throw CommandError(hostFile.string() + ": cannot write on the host");
}

void runAttrib(const CommandLine& line, std::ostream& out)
{
    const std::u16string path = devicePath(line.positional[1]);
    if (line.positional.size() > 2) {
        const DWORD attributes = parseAttributes(line.positional[2]);
        DeviceSession session(line.positional[0]);
        setAttributes(path, attributes);
        return;
    }
    DeviceSession session(line.positional[0]);
    const DWORD attributes = attributesOf(path);
    char hex[16];
    snprintf(hex, sizeof hex, "0x%08x", attributes);
    const std::string names = attributeNames(attributes);
    out << hex << (names.empty() ? "" : " ") << names << '\n';
}

void runRm(const CommandLine& line, std::ostream&)
{
    const std::u16string path = devicePath(line.positional[1]);
    DeviceSession session(line.positional[0]);
    const bool folder = attributesOf(path) & FILE_ATTRIBUTE_DIRECTORY;
    if (!(folder ? RemoveDirectoryW(path.c_str()) : DeleteFileW(path.c_str())))
        failCall(hostText(path), GetLastError());
}

}  // namespace cedevice
