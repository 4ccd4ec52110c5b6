// Host-to-device file transfer in chunks through the SDK's file calls, and folder making.
#include "DeviceFileTransfer.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "CommandSupport.h"

namespace cedevice {
namespace {

namespace fs = std::filesystem;

constexpr DWORD chunkSize = 1 << 20;

}  // namespace

std::vector<char> readHostFile(const std::string& hostFile)
{
    std::error_code ec;
    if (!fs::is_regular_file(hostFile, ec))
        throw CommandError(hostFile + ": no such file on the host");
    std::ifstream in(hostFile, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        throw CommandError(hostFile + ": cannot read");
    return bytes;
}

void writeDeviceFile(const std::u16string& path, const std::vector<char>& bytes)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        failCall(hostText(path), GetLastError());
    for (size_t offset = 0; offset < bytes.size();) {
        const DWORD count = static_cast<DWORD>(std::min<size_t>(chunkSize, bytes.size() - offset));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + offset, count, &written, nullptr) || written != count) {
            const DWORD error = GetLastError();
            CloseHandle(file);
            failCall(hostText(path), error);
        }
        offset += written;
    }
    CloseHandle(file);
}

void makeDeviceFolders(const std::u16string& path)
{
    std::u16string prefix;
    size_t start = 0;
    while (start < path.size()) {
        const size_t end = std::min(path.find(u'\\', start), path.size());
        if (end > start) {
            prefix += u'\\';
            prefix.append(path, start, end - start);
            if (!CreateDirectoryW(prefix.c_str(), nullptr)) {
                const DWORD error = GetLastError();
                const DWORD attributes = GetFileAttributesW(prefix.c_str());
                if (error != ERROR_ALREADY_EXISTS || attributes == INVALID_FILE_ATTRIBUTES
                    || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
                    failCall(hostText(prefix), error);
            }
        }
        start = end + 1;
    }
}

}  // namespace cedevice
