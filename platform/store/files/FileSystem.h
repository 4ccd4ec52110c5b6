// The device file system over the image's root/ folder.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "emulator/Profile.h"

namespace ce {

class Clock;

class FileSystem {
public:
    // Opens the image's file system: checks root/ and loads attrs.db (made when missing).
    static std::unique_ptr<FileSystem> mount(const std::filesystem::path& image, const emulator::Profile& profile,
                                             Clock& clock, std::string& error);
    ~FileSystem();
};

}  // namespace ce
