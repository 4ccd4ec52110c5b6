// Starting another program on the device without waiting for it.
#pragma once

// Starts `path` with `commandLine` (null or empty: none); true when it started.
bool startProgram(const char16_t* path, const char16_t* commandLine);
