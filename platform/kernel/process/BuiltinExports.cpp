// Built-in module exports: looked up by name in the platform library itself. A device profile
// can leave calls out ([kernel] Missing=SetKMode,PerformCallBack4), as some devices' coredll.dll
// lacks them; programs that look a call up must then cope with its absence. The few calls
// programs find by ordinal have a table of their own.
#include "BuiltinExports.h"

#include <dlfcn.h>

#include <algorithm>
#include <cctype>
#include <string_view>

#include "ProgramImage.h"
#include "kernel/Device.h"
#include "kfuncs.h"

namespace ce {
namespace {

// The platform library, found through one of its own calls.
void* platformLibrary()
{
    static void* const handle = [] {
        Dl_info info;
        if (!dladdr(reinterpret_cast<void*>(&GetProcAddressW), &info) || !info.dli_fname)
            return static_cast<void*>(nullptr);
        return dlopen(info.dli_fname, RTLD_NOW | RTLD_NOLOAD);
    }();
    return handle;
}

struct BuiltinOrdinal {
    std::u16string_view module;
    WORD ordinal;
    const char* name;
};

constexpr BuiltinOrdinal builtinOrdinals[] = {
    {u"note_prj.dll", 7, "FindFirstFlashCard"},
    {u"note_prj.dll", 8, "FindNextFlashCard"},
};

bool sameModuleName(std::u16string_view a, std::u16string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char16_t x, char16_t y) {
        return (x < 0x80 ? std::tolower(x) : x) == (y < 0x80 ? std::tolower(y) : y);
    });
}

bool sameAsciiName(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

// True when the profile's [kernel] Missing= list (comma-separated call names) holds `name`.
bool leftOutByProfile(std::string_view name)
{
    Device* device = Device::current();
    if (!device)
        return false;
    for (const auto& section : device->profile().otherSections) {
        if (!sameAsciiName(section.name, "kernel"))
            continue;
        for (const auto& [key, value] : section.entries) {
            if (!sameAsciiName(key, "Missing"))
                continue;
            std::string_view list = value;
            while (!list.empty()) {
                size_t comma = list.find(',');
                if (trimmed(list.substr(0, comma)) == name)
                    return true;
                list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
            }
        }
    }
    return false;
}

} // namespace

void* builtinExport(const std::string& name)
{
    void* platform = platformLibrary();
    // Only the platform's own calls: not those of the libraries it links (the C library).
    return platform && !leftOutByProfile(name) ? imageSymbol(platform, name.c_str()) : nullptr;
}

void* builtinOrdinalExport(std::u16string_view module, WORD ordinal)
{
    for (const auto& entry : builtinOrdinals) {
        if (entry.ordinal == ordinal && sameModuleName(entry.module, module))
            return builtinExport(entry.name);
    }
    return nullptr;
}

} // namespace ce
