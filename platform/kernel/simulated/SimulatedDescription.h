// What the profile says about one simulated program: its executable, threads, modules, heaps,
// windows, and how it answers WM_CLOSE and WM_HIBERNATE. A running simulated process keeps its
// description (Process::simulation) for the window system.
#pragma once

#include <string>
#include <vector>

#include "windef.h"

namespace ce {

struct SimulatedHeap {
    std::string name;     // "default" marks the process heap
    DWORD usedBytes = 0;  // in allocated blocks
    DWORD freeBytes = 0;  // free but still committed: compaction returns it
};

struct SimulatedWindow {
    std::u16string className;
    std::u16string title;
    DWORD style = 0;
    DWORD exStyle = 0;
    std::u16string ownerClass;  // class of the program's window that owns this one; empty for none
};

// A database the program holds open while it runs (so that it cannot be deleted).
struct SimulatedDatabase {
    std::u16string volume;  // device path of the volume file
    std::u16string name;
};

enum class CloseBehaviour {
    Close,       // closes at once
    CloseAfter,  // closes after closeDelayMs
    Dialog,      // shows an OK dialog and stays
    Ignore,      // does nothing
};

struct SimulatedDescription {
    std::string name;           // NAME of [program.NAME]
    std::u16string exePath;     // device path of the executable
    bool system = false;        // system programs always run at boot
    bool atBoot = false;
    std::vector<DWORD> threadLoads;     // one entry per thread: CPU percent
    std::vector<std::u16string> modules;  // built-in modules besides the program itself
    std::vector<SimulatedHeap> heaps;     // exactly one named "default"
    DWORD codeSize = 0;                   // size of the program image module
    std::vector<SimulatedWindow> windows;
    CloseBehaviour onClose = CloseBehaviour::Close;
    DWORD closeDelayMs = 0;
    DWORD hibernateBytes = 0;  // heap memory WM_HIBERNATE gives back
    bool hung = false;         // its window thread stops reading its queue once the windows exist
    std::vector<SimulatedDatabase> openDatabases;

    DWORD usedHeapBytes() const
    {
        DWORD total = 0;
        for (const auto& heap : heaps)
            total += heap.usedBytes;
        return total;
    }
};

}  // namespace ce
