// Reading and writing the text of shortcut files (see ShortcutFile.h).
#include "ShortcutFile.h"

#include "emulator/Text.h"
#include "text/Windows1252.h"
#include "winerror.h"

namespace ce {
namespace {

constexpr std::string_view utf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view utf16Mark = "\xFF\xFE";

std::u16string decodeUtf16(std::string_view bytes)
{
    std::u16string text;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2)
        text += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) | static_cast<unsigned char>(bytes[i + 1]) << 8);
    return text;
}

std::u16string decodeAnsi(std::string_view bytes)
{
    std::u16string text;
    for (char byte : bytes)
        text += windows1252ToUtf16(static_cast<unsigned char>(byte));
    return text;
}

std::u16string decodeText(std::string_view bytes)
{
    if (bytes.starts_with(utf16Mark))
        return decodeUtf16(bytes.substr(utf16Mark.size()));
    if (bytes.starts_with(utf8Mark))
        return emulator::fromUtf8(bytes.substr(utf8Mark.size()));
    std::u16string text;
    return emulator::fromUtf8Strict(bytes, text) ? text : decodeAnsi(bytes);
}

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

}  // namespace

DWORD readShortcutCommand(std::string_view bytes, std::u16string& command)
{
    const std::u16string text = decodeText(bytes);
    size_t digits = 0;
    while (digits < text.size() && isDigit(text[digits]))
        ++digits;
    if (digits == 0 || digits == text.size() || text[digits] != u'#')
        return ERROR_BAD_FORMAT;
    const size_t start = digits + 1;
    const size_t end = std::min(text.find_first_of(u"\r\n", start), text.find(u'\0', start));
    command = text.substr(start, end == std::u16string::npos ? std::u16string::npos : end - start);
    return command.empty() ? ERROR_BAD_FORMAT : ERROR_SUCCESS;
}

ShortcutTarget splitShortcutCommand(std::u16string_view command)
{
    ShortcutTarget result;
    std::u16string_view rest;
    if (command.starts_with(u'"')) {
        const size_t close = command.find(u'"', 1);
        if (close == std::u16string_view::npos)
            return {std::u16string(command.substr(1)), u""};
        result.target = command.substr(1, close - 1);
        rest = command.substr(close + 1);
    } else {
        const size_t space = command.find(u' ');
        result.target = command.substr(0, space);
        rest = space == std::u16string_view::npos ? std::u16string_view() : command.substr(space);
    }
    const size_t first = rest.find_first_not_of(u' ');
    result.arguments = first == std::u16string_view::npos ? u"" : rest.substr(first);
    return result;
}

std::string shortcutFileBytes(std::u16string_view command)
{
    std::string ansi = std::to_string(command.size()) + "#";
    for (char16_t c : command) {
        unsigned char byte = 0;
        if (!utf16ToWindows1252(c, byte))
            return std::to_string(command.size()) + "#" + emulator::toUtf8(command);
        ansi += static_cast<char>(byte);
    }
    return ansi;
}

}  // namespace ce
