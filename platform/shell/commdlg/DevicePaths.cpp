// Device path pieces for the file dialogs; what exists is asked of the device's file system.
#include "DevicePaths.h"

#include "winbase.h"

namespace ce::shell {

std::u16string joinPath(std::u16string_view folder, std::u16string_view name)
{
    std::u16string path(folder);
    if (path.empty() || path.back() != u'\\')
        path += u'\\';
    return path += name;
}

std::u16string parentOf(std::u16string_view path)
{
    const size_t slash = path.find_last_of(u'\\');
    if (slash == std::u16string_view::npos || slash == 0)
        return u"\\";
    return std::u16string(path.substr(0, slash));
}

std::vector<std::u16string> folderChain(std::u16string_view path)
{
    std::vector<std::u16string> chain {u"\\"};
    for (size_t slash = path.find(u'\\', 1); path.size() > 1; slash = path.find(u'\\', slash + 1)) {
        chain.emplace_back(path.substr(0, slash));
        if (slash == std::u16string_view::npos)
            break;
    }
    return chain;
}

std::u16string fullPathOf(std::u16string_view path)
{
    if (path.empty() || path.front() != u'\\')
        return {};
    while (path.size() > 1 && path.back() == u'\\')
        path.remove_suffix(1);
    return std::u16string(path);
}

std::u16string storedSpelling(std::u16string_view path)
{
    const auto chain = folderChain(path);
    std::u16string spelled = chain.front();
    for (size_t part = 1; part < chain.size(); ++part) {
        WIN32_FIND_DATAW found {};
        HANDLE search = FindFirstFileW(chain[part].c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) {
            spelled = joinPath(spelled, std::u16string_view(chain[part]).substr(nameOffset(chain[part])));
            continue;
        }
        FindClose(search);
        spelled = joinPath(spelled, found.cFileName);
    }
    return spelled;
}

size_t nameOffset(std::u16string_view path)
{
    const size_t slash = path.find_last_of(u'\\');
    return slash == std::u16string_view::npos ? 0 : slash + 1;
}

size_t extensionOffset(std::u16string_view path)
{
    const size_t dot = path.find_last_of(u'.');
    if (dot == std::u16string_view::npos || dot < nameOffset(path))
        return path.size();
    return dot + 1 == path.size() ? 0 : dot + 1;
}

bool hasBadNameCharacter(std::u16string_view name)
{
    for (const char16_t c : name) {
        if (c < u' ' || std::u16string_view(u"<>:\"|/").find(c) != std::u16string_view::npos)
            return true;
    }
    return false;
}

bool hasWildcard(std::u16string_view name)
{
    return name.find_first_of(u"*?") != std::u16string_view::npos;
}

bool folderExists(const std::u16string& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool fileExists(const std::u16string& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace ce::shell
