// Module resource tables: the module's exported CeResources symbol, and matching types and
// names given as MAKEINTRESOURCEW ids, "#123" or text.
#include "ResourceLookup.h"

#include "kernel/process/Modules.h"
#include "kernel/process/ProcessContext.h"
#include "kfuncs.h"
#include "winerror.h"
#include "cewchar.h" // last: it defines names the standard headers also use

namespace ce {
namespace {

// "#123" names the integer id 123, as the SDK's resource calls read it; -1 for any other text.
int numberInName(LPCWSTR name)
{
    if (name[0] != u'#' || !name[1])
        return -1;
    int number = 0;
    for (LPCWSTR c = name + 1; *c; ++c) {
        if (*c < u'0' || *c > u'9' || (number = number * 10 + (*c - u'0')) > 0xFFFF)
            return -1;
    }
    return number;
}

} // namespace

bool nameMatches(const CeResourceName& entry, LPCWSTR wanted)
{
    if (IS_INTRESOURCE(wanted))
        return !entry.text && entry.number == static_cast<WORD>(reinterpret_cast<ULONG_PTR>(wanted));
    if (const int number = numberInName(wanted); number >= 0)
        return !entry.text && entry.number == number;
    return entry.text && _wcsicmp(entry.text, wanted) == 0;
}

const CeResource* resourceTableOf(HMODULE module, DWORD& error)
{
    auto found = module ? findModule(module) : findModuleByName(contextProcess(), nullptr);
    if (!found) {
        error = ERROR_INVALID_HANDLE;
        return nullptr;
    }
    auto* table = static_cast<const CeResource*>(moduleSymbol(*found, CE_RESOURCES_SYMBOL));
    if (!table)
        error = ERROR_RESOURCE_TYPE_NOT_FOUND;
    return table;
}

const CeResource* findResourceIn(const CeResource* table, LPCWSTR name, LPCWSTR type, DWORD& error)
{
    error = ERROR_RESOURCE_TYPE_NOT_FOUND;
    for (const CeResource* entry = table; !isTableEnd(*entry); ++entry) {
        if (!nameMatches(entry->type, type))
            continue;
        if (nameMatches(entry->name, name))
            return entry;
        error = ERROR_RESOURCE_NAME_NOT_FOUND;
    }
    return nullptr;
}

const CeResource* findModuleResource(HMODULE module, LPCWSTR name, LPCWSTR type)
{
    DWORD error = ERROR_SUCCESS;
    const CeResource* table = resourceTableOf(module, error);
    const CeResource* entry = table ? findResourceIn(table, name, type, error) : nullptr;
    if (!entry)
        SetLastError(error);
    return entry;
}

bool isEntryOf(const CeResource* table, const CeResource* entry)
{
    for (; !isTableEnd(*table); ++table) {
        if (table == entry)
            return true;
    }
    return false;
}

} // namespace ce
