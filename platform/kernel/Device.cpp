// Booting and shutting down the one device of this host process.
#include "Device.h"

#include <atomic>
#include <mutex>

#include "Clock.h"
#include "DeviceParts.h"
#include "Handles.h"
#include "Threads.h"
#include "process/ProcessContext.h"
#include "simulated/SimulatedPrograms.h"
#include "store/files/FileSystem.h"
#include "store/registry/Registry.h"
#include "winbase.h"
#include "winerror.h"

namespace ce {
namespace {

std::atomic<Device*> booted{nullptr};
std::mutex bootLock;

// Processes and threads end while the device still answers their last calls (and their
// images' finalisers may still use the file system); the parts that start programs stop first.
// Called with bootLock held on a booted device.
void shutdownBooted()
{
    stopDeviceParts(true);
    endAllProcesses();
    endDeviceThreads();
    Device* device = booted.exchange(nullptr);
    device->shutdown();
    delete device;
}

}  // namespace

Device* Device::current()
{
    return booted.load(std::memory_order_acquire);
}

Device* deviceOrFail()
{
    Device* device = Device::current();
    if (!device)
        SetLastError(ERROR_NOT_READY);
    else
        checkTermination();
    return device;
}

void whileBootLocked(const std::function<void(Device*)>& action)
{
    std::lock_guard guard(bootLock);
    action(booted.load());
}

Device::Device(std::filesystem::path image, emulator::Profile profile)
    : m_image(std::move(image))
    , m_profile(std::move(profile))
{
}

Device::~Device() = default;

bool Device::boot(const emulator::BootOptions& options, std::string& error)
{
    m_clock = std::make_unique<Clock>(options.virtualTime, options.virtualStartTime, m_profile.timeZoneBias);
    m_fileSystem = FileSystem::mount(m_image, m_profile, *m_clock, error);
    if (!m_fileSystem)
        return false;
    m_registry = Registry::open(m_image / "registry.db", error);
    return m_registry != nullptr && startDeviceParts(*this, false, error) && startBootPrograms(*this, error);
}

void Device::shutdown()
{
    stopDeviceParts(true);
    closeAllHandles();
    stopDeviceParts(false);
    if (m_registry)
        m_registry->flush();
    m_registry.reset();
    m_fileSystem.reset();
}

}  // namespace ce

namespace emulator {

std::filesystem::path imageRootFolder(const std::filesystem::path& image)
{
    return image / "root";
}

bool bootDevice(const std::filesystem::path& image, const BootOptions& options, std::string& error)
{
    std::lock_guard guard(ce::bootLock);
    if (ce::booted.load()) {
        error = "a device is already running in this process";
        return false;
    }
    Profile profile;
    if (!loadProfile(image / "device.ini", profile, error))
        return false;
    auto device = std::make_unique<ce::Device>(image, std::move(profile));
    if (!device->boot(options, error)) {
        device->shutdown();
        return false;
    }
    // The parts that start programs (notifications) start on a device that answers calls.
    ce::Device& running = *device;
    ce::booted.store(device.release(), std::memory_order_release);
    if (!ce::startDeviceParts(running, true, error)) {
        ce::shutdownBooted();
        return false;
    }
    return true;
}

void shutdownDevice()
{
    std::lock_guard guard(ce::bootLock);
    if (ce::booted.load())
        ce::shutdownBooted();
}

bool deviceBooted()
{
    return ce::Device::current() != nullptr;
}

const Profile& deviceProfile()
{
    static const Profile none;
    ce::Device* device = ce::Device::current();
    return device ? device->profile() : none;
}

std::filesystem::path deviceImagePath()
{
    ce::Device* device = ce::Device::current();
    return device ? device->imagePath() : std::filesystem::path();
}

// Virtual or real time alike: the clock moves (Clock::advance), then the parts hear of it and
// fire what fell due.
void advanceDeviceClock(ULONGLONG milliseconds)
{
    ce::advanceClock(milliseconds);
    ce::announceClockMoved(false);
}

}  // namespace emulator
