// Program images and our libraries on the host: ELF shared objects stored as device files.
// Every load is a private copy, so each device process gets its own globals.
#pragma once

#include <filesystem>
#include <string>

#include "windef.h"

namespace ce {

struct LoadedImage {
    void* hostHandle = nullptr; // dlopen handle
    ULONG_PTR base = 0; // start of its mapping
    DWORD size = 0; // bytes from base to the end of its last segment
};

// True when the host file starts with the ELF signature.
bool hasImageSignature(const std::filesystem::path& hostFile);

// Loads a private copy of `hostFile`. ERROR_SUCCESS, or ERROR_BAD_EXE_FORMAT for a file that
// is no loadable image.
DWORD loadPrivateCopy(const std::filesystem::path& hostFile, LoadedImage& image);
void unloadPrivateCopy(void* hostHandle);

// The address of exported symbol `name` when the loaded object `hostHandle` itself defines it
// (not one of the libraries it links), or null.
void* imageSymbol(void* hostHandle, const char* name);

} // namespace ce
