// Matching names against find patterns.
#include "NamePattern.h"

#include "text/CaseTable.h"

namespace ce {
namespace {

bool globMatches(std::u16string_view pattern, std::u16string_view name)
{
    size_t p = 0, n = 0;
    size_t star = std::u16string_view::npos, starName = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == u'*') {
            star = p++;
            starName = n;
        } else if (p < pattern.size() && (pattern[p] == u'?' || pattern[p] == toUpperDevice(name[n]))) {
            ++p;
            ++n;
        } else if (star != std::u16string_view::npos) {
            // Let the last '*' take one more character and try again from there.
            p = star + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*')
        ++p;
    return p == pattern.size();
}

}  // namespace

bool matchesPattern(std::u16string_view upperPattern, std::u16string_view name)
{
    if (globMatches(upperPattern, name))
        return true;
    return upperPattern.ends_with(u".*") && globMatches(upperPattern.substr(0, upperPattern.size() - 2), name);
}

bool matchesEveryName(std::u16string_view pattern)
{
    return pattern == u"*" || pattern == u"*.*";
}

}  // namespace ce
