// Private copies of program images: the device file is copied into an anonymous memory file
// and loaded from there, because the dynamic loader shares every object whose file it already
// knows (by path or by inode), and a shared copy would share its globals.
#include "ProgramImage.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <link.h>
#include <sys/mman.h>
#include <sys/sendfile.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstring>
#include <mutex>
#include <string>
#include <unordered_map>

#include "store/files/UniqueFd.h"
#include "winerror.h"

namespace ce {
namespace {

// The memory file behind each loaded copy. The loader knows a copy by its path
// "/proc/self/fd/N", so the file stays open while the copy is loaded: a reused descriptor
// number would otherwise make the loader hand out the old copy for a new load.
struct CopyFiles {
    std::mutex lock;
    std::unordered_map<void*, int> fds;
};

CopyFiles& copyFiles()
{
    static CopyFiles files;
    return files;
}

bool copyContents(int from, int to)
{
    struct stat info { };
    if (fstat(from, &info) != 0)
        return false;
    off_t offset = 0;
    while (offset < info.st_size) {
        if (sendfile(to, from, &offset, static_cast<size_t>(info.st_size - offset)) <= 0)
            return false;
    }
    return true;
}

link_map* linkMapOf(void* hostHandle)
{
    link_map* map = nullptr;
    return dlinfo(hostHandle, RTLD_DI_LINKMAP, &map) == 0 ? map : nullptr;
}

struct ExtentSearch {
    const link_map* map;
    ElfW(Addr) low = ~ElfW(Addr) {0};
    ElfW(Addr) high = 0;
};

int measureSegments(dl_phdr_info* info, size_t, void* data)
{
    auto* search = static_cast<ExtentSearch*>(data);
    if (info->dlpi_addr != search->map->l_addr || !info->dlpi_name
        || std::strcmp(info->dlpi_name, search->map->l_name) != 0)
        return 0;
    for (ElfW(Half) i = 0; i < info->dlpi_phnum; ++i) {
        const ElfW(Phdr)& segment = info->dlpi_phdr[i];
        if (segment.p_type != PT_LOAD)
            continue;
        search->low = std::min(search->low, info->dlpi_addr + segment.p_vaddr);
        search->high = std::max(search->high, info->dlpi_addr + segment.p_vaddr + segment.p_memsz);
    }
    return 1;
}

void measure(void* hostHandle, LoadedImage& image)
{
    ExtentSearch search {linkMapOf(hostHandle)};
    if (!search.map)
        return;
    dl_iterate_phdr(measureSegments, &search);
    if (search.high > search.low) {
        image.base = search.low;
        image.size = static_cast<DWORD>(search.high - search.low);
    }
}

} // namespace

bool hasImageSignature(const std::filesystem::path& hostFile)
{
    UniqueFd file(open(hostFile.c_str(), O_RDONLY | O_CLOEXEC));
    char signature[4] = {};
    return file.valid() && pread(file.get(), signature, sizeof signature, 0) == sizeof signature
        && std::memcmp(signature,
               "\x7f"
               "ELF",
               sizeof signature)
        == 0;
}

DWORD loadPrivateCopy(const std::filesystem::path& hostFile, LoadedImage& image)
{
    if (!hasImageSignature(hostFile))
        return ERROR_BAD_EXE_FORMAT;
    UniqueFd source(open(hostFile.c_str(), O_RDONLY | O_CLOEXEC));
    UniqueFd copy(memfd_create(hostFile.filename().c_str(), MFD_CLOEXEC));
    if (!source.valid() || !copy.valid())
        return ERROR_NOT_ENOUGH_MEMORY;
    if (!copyContents(source.get(), copy.get()))
        return ERROR_NOT_ENOUGH_MEMORY;
    std::string loaderPath = "/proc/self/fd/" + std::to_string(copy.get());
    void* handle = dlopen(loaderPath.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        return ERROR_BAD_EXE_FORMAT;
    image.hostHandle = handle;
    measure(handle, image);
    auto& files = copyFiles();
    std::lock_guard guard(files.lock);
    files.fds[handle] = copy.release();
    return ERROR_SUCCESS;
}

void unloadPrivateCopy(void* hostHandle)
{
    link_map* map = linkMapOf(hostHandle);
    std::string loaderPath = map ? map->l_name : "";
    dlclose(hostHandle);
    int fd = -1;
    {
        auto& files = copyFiles();
        std::lock_guard guard(files.lock);
        auto it = files.fds.find(hostHandle);
        if (it == files.fds.end())
            return;
        fd = it->second;
        files.fds.erase(it);
    }
    // A copy the loader keeps (a thread-local destructor still pending, a unique symbol) keeps
    // its file too, so that its path is never given to another copy.
    if (void* kept = dlopen(loaderPath.c_str(), RTLD_NOW | RTLD_NOLOAD)) {
        dlclose(kept);
        return;
    }
    close(fd);
}

void* imageSymbol(void* hostHandle, const char* name)
{
    void* symbol = dlsym(hostHandle, name);
    if (!symbol)
        return nullptr;
    Dl_info info;
    link_map* owner = nullptr;
    if (!dladdr1(symbol, &info, reinterpret_cast<void**>(&owner), RTLD_DL_LINKMAP) || owner != linkMapOf(hostHandle))
        return nullptr;
    return symbol;
}

} // namespace ce
