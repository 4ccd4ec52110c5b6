// The booted device: its image, profile and the subsystems that hold its state. There is
// one device per host process; platform calls reach it through Device::current().
#pragma once

#include <filesystem>
#include <functional>
#include <memory>

#include "emulator/Device.h"

namespace ce {

class Clock;
class FileSystem;
class Registry;

class Device {
public:
    // The booted device, or null (calls then fail with ERROR_NOT_READY).
    static Device* current();

    const emulator::Profile& profile() const { return m_profile; }
    const std::filesystem::path& imagePath() const { return m_image; }
    std::filesystem::path rootFolder() const { return m_image / "root"; }
    Clock& clock() { return *m_clock; }
    FileSystem& fileSystem() { return *m_fileSystem; }
    Registry& registry() { return *m_registry; }

    Device(std::filesystem::path image, emulator::Profile profile);
    ~Device();

    bool boot(const emulator::BootOptions& options, std::string& error);
    void shutdown();

private:
    std::filesystem::path m_image;
    emulator::Profile m_profile;
    std::unique_ptr<Clock> m_clock;
    std::unique_ptr<FileSystem> m_fileSystem;
    std::unique_ptr<Registry> m_registry;
};

// For platform calls: the device, or null with ERROR_NOT_READY set.
Device* deviceOrFail();

// Runs `action` with the booted device (null when none) while no boot or shutdown can run: a
// soft reset's work. Never call it on a device thread or with kernelLock() held.
void whileBootLocked(const std::function<void(Device*)>& action);

}  // namespace ce
