// Splitting and checking device paths.
#include "DevicePath.h"

#include "HostNames.h"
#include "emulator/Text.h"
#include "winerror.h"

namespace ce {
namespace {

constexpr size_t hostNameMax = 255;  // bytes in one host directory entry name

bool isSeparator(char16_t c)
{
    return c == u'\\' || c == u'/';
}

bool isWildcard(char16_t c)
{
    return c == u'*' || c == u'?';
}

bool isForbidden(char16_t c)
{
    return c < 0x20 || c == u':' || c == u'"' || c == u'<' || c == u'>' || c == u'|';
}

DWORD checkName(std::u16string_view name, bool wildcardsAllowed, std::string& hostName)
{
    if (name == u"." || name == u"..")
        return ERROR_INVALID_NAME;
    for (char16_t c : name) {
        if (isForbidden(c) || (isWildcard(c) && !wildcardsAllowed))
            return ERROR_INVALID_NAME;
    }
    if (!emulator::toUtf8Strict(name, hostName))
        return ERROR_INVALID_NAME;
    if (hostName.size() > hostNameMax)
        return ERROR_FILENAME_EXCED_RANGE;
    return ERROR_SUCCESS;
}

}  // namespace

DevicePath DevicePath::parent() const
{
    DevicePath up;
    if (isRoot())
        return up;
    up.names.assign(names.begin(), names.end() - 1);
    up.hostNames.assign(hostNames.begin(), hostNames.end() - 1);
    up.key = std::u16string(parentKey(key));
    return up;
}

DWORD parseDevicePath(LPCWSTR text, LeafRule rule, DevicePath& path)
{
    path = DevicePath();
    if (!text)
        return ERROR_INVALID_PARAMETER;
    size_t length = 0;
    while (text[length] && length < MAX_PATH)
        ++length;
    if (length == 0)
        return ERROR_PATH_NOT_FOUND;
    if (length >= MAX_PATH)
        return ERROR_FILENAME_EXCED_RANGE;

    std::u16string_view rest(text, length);
    while (!rest.empty()) {
        size_t end = 0;
        while (end < rest.size() && !isSeparator(rest[end]))
            ++end;
        if (end > 0)
            path.names.emplace_back(rest.substr(0, end));
        rest.remove_prefix(end == rest.size() ? end : end + 1);
    }
    path.hostNames.resize(path.names.size());
    for (size_t i = 0; i < path.names.size(); ++i) {
        bool isLeaf = i + 1 == path.names.size();
        if (DWORD error = checkName(path.names[i], isLeaf && rule == LeafRule::Pattern, path.hostNames[i]))
            return error;
        path.key.push_back(u'\\');
        appendUpper(path.key, path.names[i]);
    }
    return ERROR_SUCCESS;
}

bool hasWildcards(std::u16string_view name)
{
    for (char16_t c : name) {
        if (isWildcard(c))
            return true;
    }
    return false;
}

std::u16string_view parentKey(std::u16string_view key)
{
    size_t cut = key.rfind(u'\\');
    return cut == std::u16string_view::npos ? std::u16string_view() : key.substr(0, cut);
}

std::u16string_view leafKey(std::u16string_view key)
{
    size_t cut = key.rfind(u'\\');
    return cut == std::u16string_view::npos ? key : key.substr(cut + 1);
}

}  // namespace ce
