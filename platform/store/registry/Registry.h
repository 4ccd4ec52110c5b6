// The device registry kept in the image's registry.db.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

namespace ce {

class Registry {
public:
    // Opens registry.db (made when missing) and loads it.
    static std::unique_ptr<Registry> open(const std::filesystem::path& dbFile, std::string& error);
    // Writes every change not yet flushed, in one transaction.
    bool flush();
    ~Registry();
};

}  // namespace ce
