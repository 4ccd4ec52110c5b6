// The high-resolution resource module next to the program: needed on high-resolution screens,
// removed where it is not.
#pragma once

// Loads KelvaraVGARes.dll as the resource module on a high-resolution screen, or deletes the file
// on a low-resolution one. False when the program must end: the module is needed but missing
// (after saying so, unless `installing`).
bool resolveResourceModule(bool installing);
