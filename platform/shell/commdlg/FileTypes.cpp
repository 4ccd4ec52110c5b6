// Reading a file dialog's filter into types and patterns.
#include "FileTypes.h"

#include "cewchar.h"

namespace ce::shell {

std::vector<std::u16string> patternsOf(std::u16string_view list)
{
    std::vector<std::u16string> patterns;
    while (!list.empty()) {
        const size_t semicolon = list.find(u';');
        std::u16string_view pattern = list.substr(0, semicolon);
        list = semicolon == std::u16string_view::npos ? std::u16string_view {} : list.substr(semicolon + 1);
        const size_t first = pattern.find_first_not_of(u' ');
        if (first == std::u16string_view::npos)
            continue;
        pattern = pattern.substr(first, pattern.find_last_not_of(u' ') + 1 - first);
        patterns.emplace_back(pattern);
    }
    return patterns;
}

std::vector<FileType> fileTypesOf(LPCWSTR filter)
{
    std::vector<FileType> types;
    if (!filter)
        return types;
    for (const WCHAR* name = filter; *name;) {
        const WCHAR* patterns = name + wcslen(name) + 1;
        if (!*patterns)
            break;
        types.push_back({name, patternsOf(patterns)});
        name = patterns + wcslen(patterns) + 1;
    }
    return types;
}

const std::vector<std::u16string>& everyNamePatterns()
{
    static const std::vector<std::u16string> every {u"*.*"};
    return every;
}

} // namespace ce::shell
