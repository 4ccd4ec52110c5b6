// Parsing registry key arguments.
#include "RegistryKeyPath.h"

#include <algorithm>
#include <cctype>

#include "CommandSupport.h"

namespace cedevice {
namespace {

struct RootName {
    const char* longName;
    const char* shortName;
    HKEY root;
};

bool sameLetters(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

KeyPath parseKeyPath(const std::string& argument)
{
    const RootName roots[] = {
        {"HKEY_LOCAL_MACHINE", "HKLM", HKEY_LOCAL_MACHINE},
        {"HKEY_CURRENT_USER", "HKCU", HKEY_CURRENT_USER},
        {"HKEY_CLASSES_ROOT", "HKCR", HKEY_CLASSES_ROOT},
        {"HKEY_USERS", "HKU", HKEY_USERS},
    };
    const size_t separator = argument.find('\\');
    const std::string_view rootPart = std::string_view(argument).substr(0, separator);
    auto root = std::find_if(std::begin(roots), std::end(roots), [&](const RootName& r) {
        return sameLetters(rootPart, r.longName) || sameLetters(rootPart, r.shortName);
    });
    if (root == std::end(roots))
        throw CommandError(argument + ": unknown root key (use HKLM, HKCU, HKCR or HKU)");

    std::string subKey = separator == std::string::npos ? std::string() : argument.substr(separator + 1);
    while (!subKey.empty() && subKey.back() == '\\')
        subKey.pop_back();
    KeyPath path{root->root, deviceText(subKey), root->longName};
    if (!subKey.empty())
        path.display += "\\" + subKey;
    return path;
}

}  // namespace cedevice
