// Loading and unloading the modules of processes. Loads are serialised by one loader lock
// (held while a library's initialisers run, which may load libraries themselves); the module
// lists themselves are guarded by kernelLock(), never held while code of an image runs.
#include "Modules.h"

#include <algorithm>
#include <mutex>
#include <unordered_map>
#include <vector>

#include "ProcessContext.h"
#include "ProgramImage.h"
#include "store/files/FileSystem.h"
#include "text/CaseTable.h"
#include "winbase.h"
#include "winerror.h"

namespace ce {
namespace {

std::recursive_mutex& loaderLock()
{
    static std::recursive_mutex lock;
    return lock;
}

// Every loaded module by handle, so that a handle finds its module from any process.
struct ModuleRegistry {
    std::mutex lock;
    std::unordered_map<HMODULE, std::weak_ptr<Module>> modules;
    DWORD lastId = 0;
};

ModuleRegistry& registry()
{
    static ModuleRegistry instance;
    return instance;
}

// Built-in modules have no mapping of their own; their handles come from this range.
constexpr ULONG_PTR builtinHandleBase = 0x00010000;

void registerModule(Module& module, const std::shared_ptr<Module>& shared)
{
    auto& r = registry();
    std::lock_guard guard(r.lock);
    module.id = ++r.lastId;
    if (module.builtin) {
        module.base = builtinHandleBase + (static_cast<ULONG_PTR>(module.id) << 4);
        module.handle = reinterpret_cast<HMODULE>(module.base);
    }
    r.modules[module.handle] = shared;
}

void releaseModule(const Module& module)
{
    {
        auto& r = registry();
        std::lock_guard guard(r.lock);
        r.modules.erase(module.handle);
    }
    if (module.hostHandle)
        unloadPrivateCopy(module.hostHandle);
}

std::u16string_view lastName(std::u16string_view path)
{
    size_t slash = path.rfind(u'\\');
    return slash == std::u16string_view::npos ? path : path.substr(slash + 1);
}

// A library name without an extension means a .dll, as on the device.
std::u16string withLibraryExtension(std::u16string_view name)
{
    std::u16string result(name);
    if (lastName(name).find(u'.') == std::u16string_view::npos)
        result += u".dll";
    return result;
}

std::vector<std::u16string> libraryCandidates(const Process& process, const std::u16string& fileName)
{
    if (fileName.find(u'\\') != std::u16string::npos)
        return {fileName.front() == u'\\' ? fileName : u"\\" + fileName};
    std::vector<std::u16string> candidates;
    if (!process.exePath.empty()) {
        std::u16string_view exe = process.exePath;
        candidates.push_back(std::u16string(exe.substr(0, exe.size() - lastName(exe).size())) + fileName);
    }
    candidates.push_back(u"\\Windows\\" + fileName);
    return candidates;
}

bool isProgram(const Process& process, const Module& module)
{
    return !process.exePath.empty() && !process.modules.empty() && process.modules.front().get() == &module;
}

std::shared_ptr<Module> newModule(std::u16string_view path)
{
    auto module = std::make_shared<Module>();
    module->path = path;
    module->name = lastName(path);
    module->loadCount = 1;
    return module;
}

DWORD loadCopy(Module& module, const std::filesystem::path& hostFile)
{
    LoadedImage image;
    if (DWORD error = loadPrivateCopy(hostFile, image))
        return error;
    module.hostHandle = image.hostHandle;
    module.base = image.base;
    module.size = image.size;
    module.handle = reinterpret_cast<HMODULE>(image.base);
    return ERROR_SUCCESS;
}

void addModule(Process& process, const std::shared_ptr<Module>& module)
{
    registerModule(*module, module);
    std::lock_guard guard(kernelLock());
    process.modules.push_back(module);
}

// Loads the existing device file `path` into `process` as a new module.
std::shared_ptr<Module> loadNewLibrary(Process& process, const std::u16string& path, DWORD attributes, DWORD& error)
{
    FileSystem* fileSystem = mountedFileSystem();
    std::filesystem::path hostFile;
    if (!fileSystem || (error = fileSystem->hostPathOf(path.c_str(), hostFile)) != ERROR_SUCCESS)
        return nullptr;
    auto module = newModule(path);
    if (attributes & FILE_ATTRIBUTE_ROMMODULE) {
        module->builtin = true;
        std::error_code ignored;
        module->size = static_cast<DWORD>(std::filesystem::file_size(hostFile, ignored));
    } else if ((error = loadCopy(*module, hostFile)) != ERROR_SUCCESS) {
        return nullptr;
    }
    addModule(process, module);
    return module;
}

} // namespace

DWORD loadProgramModule(const std::shared_ptr<Process>& process, const std::filesystem::path& hostFile)
{
    std::lock_guard loader(loaderLock());
    auto module = newModule(process->exePath);
    {
        // The image's initialisers already run as the new process.
        ProcessSwitch running(process);
        if (DWORD error = loadCopy(*module, hostFile))
            return error;
    }
    if (!imageSymbol(module->hostHandle, "WinMain")) {
        unloadPrivateCopy(module->hostHandle);
        return ERROR_BAD_EXE_FORMAT;
    }
    addModule(*process, module);
    return ERROR_SUCCESS;
}

void addPlatformProgramModule(Process& process)
{
    std::lock_guard loader(loaderLock());
    auto module = newModule(process.exePath);
    module->builtin = true;
    addModule(process, module);
}

std::shared_ptr<Module> loadLibraryInto(Process& process, std::u16string_view name, DWORD& error)
{
    std::lock_guard loader(loaderLock());
    for (const auto& path : libraryCandidates(process, withLibraryExtension(name))) {
        DWORD attributes = GetFileAttributesW(path.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
            continue;
        if (auto loaded = findModuleByName(process, path.c_str())) {
            std::lock_guard guard(kernelLock());
            ++loaded->loadCount;
            return loaded;
        }
        return loadNewLibrary(process, path, attributes, error);
    }
    error = ERROR_MOD_NOT_FOUND;
    return nullptr;
}

bool freeLibraryOf(Process& process, HMODULE handle)
{
    std::lock_guard loader(loaderLock());
    std::shared_ptr<Module> freed;
    {
        std::lock_guard guard(kernelLock());
        auto& modules = process.modules;
        auto it = std::find_if(modules.begin(), modules.end(), [&](const auto& m) { return m->handle == handle; });
        if (it == modules.end())
            return false;
        // The program stays loaded while its process runs.
        if (isProgram(process, **it) || --(*it)->loadCount > 0)
            return true;
        freed = std::move(*it);
        modules.erase(it);
    }
    releaseModule(*freed);
    return true;
}

void unloadModules(Process& process)
{
    std::lock_guard loader(loaderLock());
    std::vector<std::shared_ptr<Module>> modules;
    {
        std::lock_guard guard(kernelLock());
        modules.swap(process.modules);
    }
    for (auto it = modules.rbegin(); it != modules.rend(); ++it)
        releaseModule(**it);
}

std::shared_ptr<Module> findModule(HMODULE handle)
{
    auto& r = registry();
    std::lock_guard guard(r.lock);
    auto it = r.modules.find(handle);
    return it == r.modules.end() ? nullptr : it->second.lock();
}

std::shared_ptr<Module> findModuleByName(Process& process, LPCWSTR name)
{
    std::lock_guard guard(kernelLock());
    const auto& modules = process.modules;
    if (!name)
        return process.exePath.empty() || modules.empty() ? nullptr : modules.front();
    std::u16string wanted = withLibraryExtension(name);
    bool byPath = wanted.find(u'\\') != std::u16string::npos;
    auto it = std::find_if(
        modules.begin(), modules.end(), [&](const auto& m) { return sameNameDevice(byPath ? m->path : m->name, wanted); });
    return it == modules.end() ? nullptr : *it;
}

void* moduleSymbol(const Module& module, const char* name)
{
    return module.hostHandle ? imageSymbol(module.hostHandle, name) : nullptr;
}

} // namespace ce
