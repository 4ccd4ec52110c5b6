// The running processes of the booted device as the tool shows them, read through tool help.
#pragma once

#include <string>
#include <vector>

#include "windows.h"

namespace cedevice {

struct DeviceProcess {
    DWORD id = 0;
    DWORD threads = 0;
    ULONGLONG heapBytes = 0;  // every block of every heap, free-but-committed ones included
    std::u16string exePath;   // the program module's device path
};

// Every running process in creation order.
std::vector<DeviceProcess> deviceProcessList();

// Whether the device file is one of our program images (host code) rather than a simulated
// program's executable.
bool isProgramImage(const std::u16string& path);

}  // namespace cedevice
