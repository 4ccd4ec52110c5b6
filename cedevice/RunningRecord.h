// The "device stays on" record: the tool's notion, kept in the image as running.txt. An image
// with the record is on; its lines are the simulated programs started by `cedevice run`, beyond
// the boot programs every boot starts anyway. Each command that boots an image that is on starts
// them again, so the same set runs from one command to the next.
#pragma once

#include <string>
#include <vector>

namespace cedevice {

struct RecordedProgram {
    std::u16string exePath;
    std::u16string commandLine;
};

// Whether the image has the record (it is on).
bool deviceIsOn(const std::string& image);
// The recorded programs in start order; none when the device is off.
std::vector<RecordedProgram> readRunningRecord(const std::string& image);
// Writes the record, turning the device on.
void writeRunningRecord(const std::string& image, const std::vector<RecordedProgram>& programs);
// Removes the record (a soft reset); false when there was none.
bool forgetRunningRecord(const std::string& image);

// Starts the recorded programs that the booted device does not run already (each running
// process stands for one recorded program with its path). Throws when one cannot start.
void restoreRunningPrograms(const std::string& image);

}  // namespace cedevice
