// Helpers of the storage-card tests.
#include "CardTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>

namespace card_test {

emulator::Profile cardProfile(bool second, DWORD osMajor)
{
    emulator::Profile profile = testing_support::smallProfile();
    profile.osMajor = osMajor;
    if (second) {
        emulator::StorageCardProfile card;
        card.name = u"SD Card";
        card.sizeBytes = 16ull << 20;
        card.serial = 0x00C0FFEE;
        card.manufacturer = "Maker";
        profile.cards.push_back(card);
    }
    return profile;
}

emulator::Profile cardOfSectors(DWORD sectors)
{
    emulator::Profile profile = cardProfile();
    profile.cards[0].sizeBytes = (ULONGLONG(sectors) + 63) * 512;
    return profile;
}

bool writeFile(const std::u16string& path, const std::string& content)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    BOOL ok = WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == content.size();
}

std::optional<std::string> readFile(const std::u16string& path)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    std::string content(1 << 16, '\0');
    DWORD read = 0;
    BOOL ok = ReadFile(file, content.data(), static_cast<DWORD>(content.size()), &read, nullptr);
    CloseHandle(file);
    if (!ok)
        return std::nullopt;
    content.resize(read);
    return content;
}

bool exists(const std::u16string& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

Device::Device(const std::u16string& name)
    : m_handle(CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr))
{
    EXPECT_NE(m_handle, INVALID_HANDLE_VALUE) << "error " << GetLastError();
}

Device::~Device()
{
    if (m_handle != INVALID_HANDLE_VALUE)
        CloseHandle(m_handle);
}

DWORD Device::control(DWORD code, std::vector<BYTE> in, std::vector<BYTE>& out)
{
    DWORD returned = 0xDEAD;
    if (DeviceIoControl(m_handle, code, in.empty() ? nullptr : in.data(), static_cast<DWORD>(in.size()),
            out.empty() ? nullptr : out.data(), static_cast<DWORD>(out.size()), &returned, nullptr)) {
        EXPECT_LE(returned, out.size());
        out.resize(returned);
        return 0;
    }
    DWORD error = GetLastError();
    EXPECT_NE(error, 0u);
    return error;
}

DWORD wordAt(const std::vector<BYTE>& bytes, size_t offset)
{
    return halfAt(bytes, offset) | halfAt(bytes, offset + 2) << 16;
}

DWORD halfAt(const std::vector<BYTE>& bytes, size_t offset)
{
    return bytes.at(offset) | bytes.at(offset + 1) << 8;
}

namespace {

std::string unswapped(const std::vector<BYTE>& bytes, size_t offset)
{
    std::string text(reinterpret_cast<const char*>(bytes.data() + offset));
    for (size_t i = 0; i + 1 < text.size(); i += 2)
        std::swap(text[i], text[i + 1]);
    return text;
}

} // namespace

Identity readIdentity(Device& device)
{
    std::vector<BYTE> out(sizeof(STORAGE_IDENTIFICATION));
    EXPECT_EQ(device.control(IOCTL_DISK_GET_STORAGEID, {}, out), DWORD(ERROR_INSUFFICIENT_BUFFER));
    out.resize(wordAt(out, 0));
    EXPECT_EQ(device.control(IOCTL_DISK_GET_STORAGEID, {}, out), 0u);
    Identity identity {unswapped(out, wordAt(out, 8)), unswapped(out, wordAt(out, 12))};
    identity.serial.erase(0, identity.serial.find_first_not_of(' '));
    return identity;
}

DWORD clustersOf(const std::vector<BYTE>& b)
{
    DWORD bytesPerSector = halfAt(b, 11), rootSectors = (halfAt(b, 17) * 32 + bytesPerSector - 1) / bytesPerSector;
    DWORD total = halfAt(b, 19) ? halfAt(b, 19) : wordAt(b, 32);
    DWORD perFat = halfAt(b, 22) ? halfAt(b, 22) : wordAt(b, 36);
    return (total - rootSectors - b[16] * perFat - halfAt(b, 14)) / b[13];
}

std::vector<BYTE> formatOptions(DWORD options)
{
    std::vector<BYTE> in(16, 0);
    std::memcpy(in.data(), &options, sizeof options);
    return in;
}

} // namespace card_test
