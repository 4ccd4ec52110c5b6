// Converting registry data between the command line's text and the stored bytes.
#include "RegistryValueText.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "CommandSupport.h"
#include "NumberText.h"
#include "winreg.h"

namespace cedevice {
namespace {

struct TypeName {
    DWORD type;
    const char* name;
};
constexpr TypeName typeNames[] = {
    {REG_NONE, "none"},     {REG_SZ, "sz"},       {REG_EXPAND_SZ, "expand_sz"},
    {REG_BINARY, "binary"}, {REG_DWORD, "dword"}, {REG_MULTI_SZ, "multi_sz"},
};

std::string lowerCase(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

// One byte of one or two hex digits.
bool parseHexByte(std::string_view text, BYTE& byte)
{
    if (text.empty() || text.size() > 2)
        return false;
    int value = 0;
    for (char c : text) {
        const int digit = hexDigit(c);
        if (digit < 0)
            return false;
        value = value * 16 + digit;
    }
    byte = static_cast<BYTE>(value);
    return true;
}

void appendText(std::vector<BYTE>& data, std::u16string_view text)
{
    for (char16_t c : text) {
        data.push_back(static_cast<BYTE>(c));
        data.push_back(static_cast<BYTE>(c >> 8));
    }
    data.push_back(0);
    data.push_back(0);
}

std::u16string wideFromBytes(const std::vector<BYTE>& data)
{
    std::u16string text;
    for (size_t i = 0; i + 1 < data.size(); i += 2)
        text.push_back(static_cast<char16_t>(data[i] | data[i + 1] << 8));
    return text;
}

std::string hexText(const std::vector<BYTE>& data)
{
    std::string text;
    for (BYTE b : data) {
        char digits[4];
        snprintf(digits, sizeof digits, "%02x", b);
        if (!text.empty())
            text += ',';
        text += digits;
    }
    return text;
}

std::vector<BYTE> encodeMultiString(const std::string& text)
{
    std::vector<BYTE> data;
    size_t start = 0;
    while (!text.empty() && start <= text.size()) {
        const size_t end = std::min(text.find('|', start), text.size());
        if (end == start)
            throw CommandError("\"" + text + "\": empty string in multi_sz data");
        appendText(data, deviceText(text.substr(start, end - start)));
        start = end + 1;
    }
    data.push_back(0);
    data.push_back(0);
    return data;
}

std::string joinMultiString(const std::vector<BYTE>& data, std::string_view separator)
{
    const std::u16string all = wideFromBytes(data);
    std::string joined;
    size_t start = 0;
    // The list ends at an empty string or at the end of the data.
    while (start < all.size() && all[start] != u'\0') {
        const size_t end = std::min(all.find(u'\0', start), all.size());
        if (start != 0)
            joined += separator;
        joined += hostText(std::u16string_view(all).substr(start, end - start));
        start = end + 1;
    }
    return joined;
}

}  // namespace

std::string valueTypeName(DWORD type)
{
    for (const auto& t : typeNames)
        if (t.type == type)
            return t.name;
    return std::to_string(type);
}

bool parseValueType(std::string_view text, DWORD& type)
{
    std::string name = lowerCase(text);
    if (name.starts_with("reg_"))
        name.erase(0, 4);
    for (const auto& t : typeNames) {
        if (name == t.name) {
            type = t.type;
            return true;
        }
    }
    return parseNumber32(text, type);
}

bool parseHexBytes(std::string_view text, std::vector<BYTE>& bytes)
{
    bytes.clear();
    if (text.find(',') != std::string_view::npos) {
        size_t start = 0;
        while (start <= text.size()) {
            const size_t end = std::min(text.find(',', start), text.size());
            BYTE byte = 0;
            if (!parseHexByte(text.substr(start, end - start), byte))
                return false;
            bytes.push_back(byte);
            start = end + 1;
        }
        return true;
    }
    if (text.size() % 2 != 0)
        return false;
    for (size_t i = 0; i < text.size(); i += 2) {
        BYTE byte = 0;
        if (!parseHexByte(text.substr(i, 2), byte))
            return false;
        bytes.push_back(byte);
    }
    return true;
}

std::vector<BYTE> encodeValueData(DWORD type, const std::string& text)
{
    std::vector<BYTE> data;
    switch (type) {
    case REG_SZ:
    case REG_EXPAND_SZ:
        appendText(data, deviceText(text));
        return data;
    case REG_MULTI_SZ:
        return encodeMultiString(text);
    case REG_DWORD: {
        DWORD value = 0;
        if (!parseNumber32(text, value))
            throw CommandError("\"" + text + "\": bad dword (use a decimal number or 0x-hex up to 0xffffffff)");
        return {static_cast<BYTE>(value), static_cast<BYTE>(value >> 8), static_cast<BYTE>(value >> 16),
                static_cast<BYTE>(value >> 24)};
    }
    default:
        if (!parseHexBytes(text, data))
            throw CommandError("\"" + text + "\": bad hex bytes (use 01,ff,3a or 01ff3a)");
        return data;
    }
}

std::string formatValueData(DWORD type, const std::vector<BYTE>& data, std::string_view multiSeparator)
{
    switch (type) {
    case REG_SZ:
    case REG_EXPAND_SZ: {
        const std::u16string text = wideFromBytes(data);
        return hostText(std::u16string_view(text).substr(0, text.find(u'\0')));
    }
    case REG_MULTI_SZ:
        return joinMultiString(data, multiSeparator);
    case REG_DWORD:
        if (data.size() == 4) {
            const DWORD value = data[0] | data[1] << 8 | data[2] << 16 | static_cast<DWORD>(data[3]) << 24;
            char text[32];
            snprintf(text, sizeof text, "%u (0x%08x)", value, value);
            return text;
        }
        return hexText(data);
    default:
        return hexText(data);
    }
}

}  // namespace cedevice
