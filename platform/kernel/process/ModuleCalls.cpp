// Module calls: LoadLibraryW, FreeLibrary, GetProcAddressW, GetModuleHandleW and
// GetModuleFileNameW, for the calling thread's current process (or the host context).
#include <cstring>

#include "BuiltinExports.h"
#include "Modules.h"
#include "ProcessContext.h"
#include "ceexports.h"
#include "emulator/Text.h"
#include "kernel/Device.h"
#include "kfuncs.h"
#include "winerror.h"

namespace ce {
namespace {

// The name an ordinal stands for in a library's CeExportOrdinals table, or null.
const char* ordinalName(const Module& module, WORD ordinal)
{
    auto* table = static_cast<const CeExport*>(moduleSymbol(module, CE_EXPORT_ORDINALS_SYMBOL));
    for (; table && table->name; ++table) {
        if (table->ordinal == ordinal)
            return table->name;
    }
    return nullptr;
}

void* exportOf(const Module& module, LPCWSTR procName)
{
    if (IS_INTRESOURCE(procName)) {
        const auto ordinal = static_cast<WORD>(reinterpret_cast<ULONG_PTR>(procName));
        if (module.builtin)
            return builtinOrdinalExport(module.name, ordinal);
        const char* name = ordinalName(module, ordinal);
        return name ? moduleSymbol(module, name) : nullptr;
    }
    std::string name;
    if (!emulator::toUtf8Strict(procName, name))
        return nullptr;
    return module.builtin ? builtinExport(name) : moduleSymbol(module, name.c_str());
}

} // namespace
} // namespace ce

HMODULE LoadLibraryW(LPCWSTR lpLibFileName)
{
    if (!lpLibFileName || !*lpLibFileName) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (!ce::deviceOrFail())
        return nullptr;
    DWORD error = ERROR_SUCCESS;
    auto module = ce::loadLibraryInto(ce::contextProcess(), lpLibFileName, error);
    if (!module) {
        SetLastError(error);
        return nullptr;
    }
    return module->handle;
}

BOOL FreeLibrary(HMODULE hLibModule)
{
    if (!ce::freeLibraryOf(ce::contextProcess(), hLibModule)) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return FALSE;
    }
    return TRUE;
}

FARPROC GetProcAddressW(HMODULE hModule, LPCWSTR lpProcName)
{
    auto module = ce::findModule(hModule);
    if (!module || !lpProcName) {
        SetLastError(module ? ERROR_INVALID_PARAMETER : ERROR_INVALID_HANDLE);
        return nullptr;
    }
    void* symbol = ce::exportOf(*module, lpProcName);
    if (!symbol) {
        SetLastError(ERROR_PROC_NOT_FOUND);
        return nullptr;
    }
    return reinterpret_cast<FARPROC>(symbol);
}

HMODULE GetModuleHandleW(LPCWSTR lpModuleName)
{
    auto module = ce::findModuleByName(ce::contextProcess(), lpModuleName);
    if (!module) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return nullptr;
    }
    return module->handle;
}

DWORD GetModuleFileNameW(HMODULE hModule, LPWSTR lpFilename, DWORD nSize)
{
    auto module = hModule ? ce::findModule(hModule) : ce::findModuleByName(ce::contextProcess(), nullptr);
    if (!module) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return 0;
    }
    if (!lpFilename && nSize) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const std::u16string& path = module->path;
    if (path.size() < nSize) {
        std::memcpy(lpFilename, path.c_str(), (path.size() + 1) * sizeof(WCHAR));
        return static_cast<DWORD>(path.size());
    }
    // Too small: as much as fits with its terminator, and the buffer's size.
    if (nSize) {
        std::memcpy(lpFilename, path.data(), (nSize - 1) * sizeof(WCHAR));
        lpFilename[nSize - 1] = 0;
    }
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return nSize;
}
