// The list of registered device parts and their start, stop and clock announcements.
#include "DeviceParts.h"

#include <algorithm>
#include <mutex>
#include <vector>

namespace ce {
namespace {

struct PartList {
    std::mutex lock;
    std::vector<DevicePart> parts;  // sorted by order
};

PartList& partList()
{
    static PartList instance;
    return instance;
}

std::vector<DevicePart> partsSnapshot()
{
    std::lock_guard guard(partList().lock);
    return partList().parts;
}

bool inPhase(const DevicePart& part, bool afterPrograms)
{
    return (part.order >= programsOrder) == afterPrograms;
}

}  // namespace

DevicePartRegistration::DevicePartRegistration(const DevicePart& part)
{
    std::lock_guard guard(partList().lock);
    auto& parts = partList().parts;
    parts.insert(std::upper_bound(parts.begin(), parts.end(), part,
                                  [](const DevicePart& a, const DevicePart& b) { return a.order < b.order; }),
                 part);
}

bool startDeviceParts(Device& device, bool afterPrograms, std::string& error)
{
    for (const DevicePart& part : partsSnapshot()) {
        if (!inPhase(part, afterPrograms))
            continue;
        if (!part.start(device, error)) {
            error = std::string(part.name) + ": " + error;
            return false;
        }
    }
    return true;
}

void stopDeviceParts(bool afterPrograms)
{
    auto parts = partsSnapshot();
    for (auto part = parts.rbegin(); part != parts.rend(); ++part) {
        if (inPhase(*part, afterPrograms))
            part->stop();
    }
}

void announceClockMoved(bool timeSet)
{
    for (const DevicePart& part : partsSnapshot()) {
        if (part.clockMoved)
            part.clockMoved(timeSet);
    }
}

void announceThreadEnding(DWORD threadId)
{
    for (const DevicePart& part : partsSnapshot()) {
        if (part.threadEnding)
            part.threadEnding(threadId);
    }
}

}  // namespace ce
