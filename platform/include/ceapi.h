// Linkage of the platform's exported calls. The platform is one shared library built with
// hidden visibility; only what these macros mark is visible to programs and tools.
#pragma once

// SDK calls: C linkage, so that programs can also find them by name at run time.
#define WINBASEAPI extern "C" __attribute__((visibility("default")))
// C++ entry points of the platform (text helpers with char16_t overloads, emulator control).
#define CEAPI __attribute__((visibility("default")))
