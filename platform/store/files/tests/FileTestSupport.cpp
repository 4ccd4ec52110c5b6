// Helpers for the file system tests.
#include "FileTestSupport.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "emulator/Text.h"

namespace file_tests {

bool writeDeviceFile(const std::u16string& path, const std::string& content)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    bool ok = WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr)
        && written == content.size();
    return CloseHandle(file) && ok;
}

std::string readDeviceFile(const std::u16string& path)
{
    HANDLE file = CreateFileW(
        path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return "<error " + std::to_string(GetLastError()) + ">";
    std::string content;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
        content.append(buffer, got);
    CloseHandle(file);
    return content;
}

void writeHostFile(const std::filesystem::path& file, const std::string& content)
{
    std::ofstream(file, std::ios::binary) << content;
}

std::string readHostFile(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

std::vector<std::u16string> findNames(const std::u16string& pattern, FINDEX_SEARCH_OPS search)
{
    WIN32_FIND_DATAW data{};
    HANDLE find = FindFirstFileExW(pattern.c_str(), FindExInfoStandard, &data, search, nullptr, 0);
    if (find == INVALID_HANDLE_VALUE)
        return {errorText(GetLastError())};
    std::vector<std::u16string> names;
    do
        names.emplace_back(data.cFileName);
    while (FindNextFileW(find, &data));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_NO_MORE_FILES));
    EXPECT_TRUE(FindClose(find));
    std::sort(names.begin(), names.end());
    return names;
}

bool findEntry(const std::u16string& path, WIN32_FIND_DATAW& data)
{
    HANDLE find = FindFirstFileW(path.c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return false;
    FindClose(find);
    return true;
}

ULONGLONG ticksOf(const FILETIME& time)
{
    return (ULONGLONG(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

ULONGLONG lastWriteTicks(const std::u16string& path)
{
    WIN32_FIND_DATAW data{};
    return findEntry(path, data) ? ticksOf(data.ftLastWriteTime) : 0;
}

ULONGLONG deviceNowTicks()
{
    SYSTEMTIME now{};
    FILETIME time{};
    GetSystemTime(&now);
    SystemTimeToFileTime(&now, &time);
    return ticksOf(time);
}

std::u16string errorText(DWORD error)
{
    return u"<error " + emulator::fromUtf8(std::to_string(error)) + u">";
}

}  // namespace file_tests
