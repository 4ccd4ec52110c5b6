// Looking up and filling in the commands of file types (see FileAssociations.h).
#include "FileAssociations.h"

#include <vector>

#include "winerror.h"
#include "winreg.h"

namespace ce {
namespace {

// The default value of HKEY_CLASSES_ROOT\key when it is text, else empty.
std::u16string classesRootText(const std::u16string& key)
{
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return {};
    DWORD type = 0;
    DWORD size = 0;
    std::u16string text;
    if (RegQueryValueExW(opened, u"", nullptr, &type, nullptr, &size) == ERROR_SUCCESS && type == REG_SZ) {
        std::vector<BYTE> data(size + sizeof(WCHAR));
        if (RegQueryValueExW(opened, u"", nullptr, &type, data.data(), &size) == ERROR_SUCCESS)
            text.assign(reinterpret_cast<const char16_t*>(data.data()), size / sizeof(WCHAR));
    }
    RegCloseKey(opened);
    while (!text.empty() && text.back() == u'\0')
        text.pop_back();
    return text;
}

std::u16string_view extensionOf(std::u16string_view file)
{
    const size_t dot = file.rfind(u'.');
    const size_t slash = file.rfind(u'\\');
    if (dot == std::u16string_view::npos || (slash != std::u16string_view::npos && dot < slash))
        return {};
    return file.substr(dot);
}

}  // namespace

DWORD associatedCommand(std::u16string_view file, std::u16string_view verb, std::u16string& command)
{
    const std::u16string_view extension = extensionOf(file);
    if (extension.size() < 2)
        return ERROR_NO_ASSOCIATION;
    const std::u16string className = classesRootText(std::u16string(extension));
    if (className.empty())
        return ERROR_NO_ASSOCIATION;
    command = classesRootText(className + u"\\Shell\\" + std::u16string(verb) + u"\\Command");
    return command.empty() ? ERROR_NO_ASSOCIATION : ERROR_SUCCESS;
}

std::u16string quotedWhenSpaced(std::u16string_view path)
{
    if (path.find(u' ') == std::u16string_view::npos)
        return std::u16string(path);
    return u"\"" + std::u16string(path) + u"\"";
}

std::u16string commandForFile(std::u16string_view command, std::u16string_view file)
{
    std::u16string result;
    bool substituted = false;
    for (size_t i = 0; i < command.size(); ++i) {
        if (command[i] == u'%' && i + 1 < command.size() && command[i + 1] == u'1') {
            result += file;
            substituted = true;
            ++i;
        } else {
            result += command[i];
        }
    }
    if (!substituted)
        result += u" " + quotedWhenSpaced(file);
    return result;
}

}  // namespace ce
